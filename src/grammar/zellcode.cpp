// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammar/zellcode.h"

#include <array>
#include <charconv>

namespace latiflex::grammar {

namespace {

// The code of each value of E, in the order of its values. Stored in the pupil's files: a
// code once written is never changed or reused.
template <typename E> constexpr std::array<std::string_view, 0> codes{};
template <>
constexpr auto codes<Kasus> = std::to_array<std::string_view>({"nom", "gen", "dat", "akk", "vok",
                                                               "abl"});
template <> constexpr auto codes<Numerus> = std::to_array<std::string_view>({"sg", "pl"});
template <> constexpr auto codes<Genus> = std::to_array<std::string_view>({"m", "f", "n"});
template <> constexpr auto codes<Person> = std::to_array<std::string_view>({"1", "2", "3"});
template <>
constexpr auto codes<Tempus> = std::to_array<std::string_view>({"praes", "impf", "fut1", "perf",
                                                                "plqpf", "fut2"});
template <> constexpr auto codes<Modus> = std::to_array<std::string_view>({"ind", "konj"});
template <> constexpr auto codes<GenusVerbi> = std::to_array<std::string_view>({"akt", "pass"});
template <>
constexpr auto codes<Wortart> = std::to_array<std::string_view>({"subst", "adj", "verb"});
constexpr auto befehle = std::to_array<std::string_view>({"SUBST", "ADJEKTIV", "VERBUM"});
static_assert(static_cast<int>(Wortart::verbum) + 1 == codes<Wortart>.size());

template <typename E> std::string_view aus(E wert) {
    const auto& t = codes<E>;
    static_assert(std::is_same_v<E, Wortart> || t.size() == anzahl<E>);
    return t.at(static_cast<std::size_t>(wert));
}

template <typename E> bool setze(std::optional<E>& feld, std::string_view teil) {
    const auto wert = ausCode<E>(teil);
    if (!wert || feld) return false;
    feld = wert;
    return true;
}

} // namespace

std::string_view code(Kasus k) { return aus(k); }
std::string_view code(Numerus n) { return aus(n); }
std::string_view code(Genus g) { return aus(g); }
std::string_view code(Person p) { return aus(p); }
std::string_view code(Tempus t) { return aus(t); }
std::string_view code(Modus m) { return aus(m); }
std::string_view code(GenusVerbi g) { return aus(g); }
std::string_view code(Wortart w) { return aus(w); }

template <typename E> std::optional<E> ausCode(std::string_view text) {
    const auto& t = codes<E>;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] == text) return static_cast<E>(i);
    return std::nullopt;
}

template std::optional<Kasus> ausCode<Kasus>(std::string_view);
template std::optional<Numerus> ausCode<Numerus>(std::string_view);
template std::optional<Genus> ausCode<Genus>(std::string_view);
template std::optional<Person> ausCode<Person>(std::string_view);
template std::optional<Tempus> ausCode<Tempus>(std::string_view);
template std::optional<Modus> ausCode<Modus>(std::string_view);
template std::optional<GenusVerbi> ausCode<GenusVerbi>(std::string_view);
template std::optional<Wortart> ausCode<Wortart>(std::string_view);

std::string zellcode(const Zelle& z) {
    std::string text;
    const auto dazu = [&](std::string_view teil) {
        if (!text.empty()) text += '.';
        text += teil;
    };
    if (z.genus) dazu(code(*z.genus));
    if (z.kasus) dazu(code(*z.kasus));
    if (z.person) dazu(code(*z.person));
    dazu(code(z.numerus));
    if (z.tempus) dazu(code(*z.tempus));
    if (z.modus) dazu(code(*z.modus));
    if (z.genusVerbi) dazu(code(*z.genusVerbi));
    return text;
}

std::optional<Zelle> zelleAusCode(std::string_view text) {
    Zelle z;
    std::optional<Numerus> numerus;
    while (!text.empty()) {
        const auto punkt = text.find('.');
        const std::string_view teil = text.substr(0, punkt);
        if (!(setze(z.genus, teil) || setze(z.kasus, teil) || setze(z.person, teil) ||
              setze(numerus, teil) || setze(z.tempus, teil) || setze(z.modus, teil) ||
              setze(z.genusVerbi, teil)))
            return std::nullopt;
        if (punkt == std::string_view::npos) break;
        text.remove_prefix(punkt + 1);
        if (text.empty()) return std::nullopt;
    }
    if (!numerus) return std::nullopt;
    z.numerus = *numerus;
    return z;
}

std::string_view seitencode(const Zelle& z) {
    if (!z.tempus || !z.genusVerbi) return {};
    const bool perfekt = *z.tempus == Tempus::perfekt || *z.tempus == Tempus::plusquamperfekt ||
                         *z.tempus == Tempus::futur2;
    const bool aktiv = *z.genusVerbi == GenusVerbi::aktiv;
    return perfekt ? (aktiv ? "perfakt" : "perfpass") : (aktiv ? "prakt" : "prpass");
}

std::string schluessel(const Zellschluessel& s) {
    std::string text(seitencode(s.zelle));
    if (!text.empty()) text += ':';
    text += zellcode(s.zelle);
    if (s.stelle > 1) text += '#' + std::to_string(s.stelle);
    return text;
}

std::string schluessel(const Paradigma& seite, std::size_t block, std::size_t form) {
    const Zelle& zelle = seite.bloecke.at(block).formen.at(form).zelle;
    // A cell standing twice on one page is told apart by its place.
    int stelle = 1;
    for (std::size_t b = 0; b <= block; ++b)
        for (std::size_t f = 0; f < (b == block ? form : seite.bloecke[b].formen.size()); ++f)
            if (seite.bloecke[b].formen[f].zelle == zelle) ++stelle;
    return schluessel({zelle, stelle});
}

std::optional<Zellschluessel> schluesselAus(std::string_view text) {
    Zellschluessel s;
    if (const auto raute = text.find('#'); raute != std::string_view::npos) {
        const std::string_view zahl = text.substr(raute + 1);
        const auto [ende, fehler] =
            std::from_chars(zahl.data(), zahl.data() + zahl.size(), s.stelle);
        if (fehler != std::errc{} || ende != zahl.data() + zahl.size() || s.stelle < 2)
            return std::nullopt;
        text = text.substr(0, raute);
    }
    std::string_view seite;
    if (const auto doppelpunkt = text.find(':'); doppelpunkt != std::string_view::npos) {
        seite = text.substr(0, doppelpunkt);
        text.remove_prefix(doppelpunkt + 1);
    }
    const auto zelle = zelleAusCode(text);
    if (!zelle || seite != seitencode(*zelle)) return std::nullopt;
    s.zelle = *zelle;
    return s;
}

std::optional<Wortart> wortartDesBefehls(std::string_view text) {
    for (std::size_t i = 0; i < befehle.size(); ++i)
        if (befehle[i] == text) return static_cast<Wortart>(i);
    return std::nullopt;
}

std::string_view befehl(Wortart w) { return befehle.at(static_cast<std::size_t>(w)); }

} // namespace latiflex::grammar
