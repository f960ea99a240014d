// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

/// The grammatical cell a Latin form stands in: case and number for nouns, gender, case and
/// number for adjectives, person, number, tense, mood and voice for verbs.
namespace latiflex::grammar {

enum class Kasus { nominativ, genitiv, dativ, akkusativ, vokativ, ablativ };
enum class Numerus { singular, plural };
enum class Genus { maskulinum, femininum, neutrum };
enum class Person { erste, zweite, dritte };
enum class Tempus { praesens, imperfekt, futur1, perfekt, plusquamperfekt, futur2 };
enum class Modus { indikativ, konjunktiv };
enum class GenusVerbi { aktiv, passiv };

/// How many values each of these enumerations has. Their values count from 0 in the order
/// declared, which the tables of German names and the rows of a declension or conjugation
/// table follow: every table indexed by one of them asserts its size against this.
template <typename E> inline constexpr int anzahl = 0;
template <> inline constexpr int anzahl<Kasus> = 6;
template <> inline constexpr int anzahl<Numerus> = 2;
template <> inline constexpr int anzahl<Genus> = 3;
template <> inline constexpr int anzahl<Person> = 3;
template <> inline constexpr int anzahl<Tempus> = 6;
template <> inline constexpr int anzahl<Modus> = 2;
template <> inline constexpr int anzahl<GenusVerbi> = 2;
static_assert(static_cast<int>(Kasus::ablativ) + 1 == anzahl<Kasus>);
static_assert(static_cast<int>(Numerus::plural) + 1 == anzahl<Numerus>);
static_assert(static_cast<int>(Genus::neutrum) + 1 == anzahl<Genus>);
static_assert(static_cast<int>(Person::dritte) + 1 == anzahl<Person>);
static_assert(static_cast<int>(Tempus::futur2) + 1 == anzahl<Tempus>);
static_assert(static_cast<int>(Modus::konjunktiv) + 1 == anzahl<Modus>);
static_assert(static_cast<int>(GenusVerbi::passiv) + 1 == anzahl<GenusVerbi>);

struct Zelle {
    std::optional<Genus> genus; ///< adjectives only
    std::optional<Kasus> kasus; ///< nouns and adjectives
    Numerus numerus = Numerus::singular;
    std::optional<Person> person; ///< verbs only, like the three below
    std::optional<Tempus> tempus;
    std::optional<Modus> modus;
    std::optional<GenusVerbi> genusVerbi;

    friend bool operator==(const Zelle&, const Zelle&) = default;
};

/// A noun's cell, or an adjective's with its gender.
inline Zelle nomenZelle(Kasus kasus, Numerus numerus, std::optional<Genus> genus = {}) {
    return {genus, kasus, numerus, {}, {}, {}, {}};
}

inline Zelle verbZelle(Person person, Numerus numerus, Tempus tempus, Modus modus,
                       GenusVerbi genusVerbi) {
    return {{}, {}, numerus, person, tempus, modus, genusVerbi};
}

/// Row 1 to 12 of a declension table: the six cases of the singular, then of the plural,
/// each in the order nominative, genitive, dative, accusative, vocative, ablative.
inline Zelle zeilenZelle(int zeile, std::optional<Genus> genus = {}) {
    static_assert(static_cast<int>(Kasus::nominativ) == 0 &&
                  static_cast<int>(Kasus::genitiv) == 1 && static_cast<int>(Kasus::dativ) == 2 &&
                  static_cast<int>(Kasus::akkusativ) == 3 &&
                  static_cast<int>(Kasus::vokativ) == 4 && anzahl<Kasus> == 6);
    const int fall = (zeile - 1) % 6;
    return nomenZelle(static_cast<Kasus>(fall), zeile <= 6 ? Numerus::singular : Numerus::plural,
                      genus);
}

/// Person 1 to 6 of a verb table: 1st, 2nd, 3rd singular, then the same of the plural.
inline Zelle personenZelle(int n, Tempus tempus, Modus modus, GenusVerbi genusVerbi) {
    static_assert(static_cast<int>(Person::erste) == 0 && static_cast<int>(Person::zweite) == 1 &&
                  anzahl<Person> == 3);
    return verbZelle(static_cast<Person>((n - 1) % 3), n <= 3 ? Numerus::singular : Numerus::plural,
                     tempus, modus, genusVerbi);
}

} // namespace latiflex::grammar
