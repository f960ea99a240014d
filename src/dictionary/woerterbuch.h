// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary/eintrag.h"
#include "grammar/eingabe.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace latiflex::woerterbuch {

/// Debian's package of the Latin-German dictionary, which the program reads where it lies.
inline constexpr std::string_view paket = "dict-freedict-lat-deu";
/// Said once where a meaning would show when the dictionary cannot be read.
inline constexpr std::string_view nichtInstalliert =
    "Das Wörterbuch ist nicht installiert, Bedeutungen fehlen daher. Installieren mit: "
    "sudo apt install dict-freedict-lat-deu";

/// Who made the dictionary and under which licence, as its own information entry says.
struct Herkunft {
    std::string titel;                ///< its short name, with its edition
    std::vector<std::string> autoren; ///< "created by" and "Maintainer", names only
    std::string urheber;              ///< the copyright line, "©" and years included
    std::string lizenz;               ///< the licence sentences, on one line
    std::string adresse;              ///< where it is published
};

/// How well an entry fits the forms the pupil typed for a word of the same class and
/// headword.
struct Passung {
    int bestaetigt = 0;    ///< typed forms the entry gives too
    int widersprochen = 0; ///< typed forms where the entry gives another in their place

    friend bool operator==(const Passung&, const Passung&) = default;
};

/// The letters a lookup compares: lower case, without vowel marks (macron, breve, accents),
/// without blanks at the ends. "Rēx " and "rex" are one key.
std::string schluessel(std::string_view form);

/// Whether `eintrag` is the dictionary's entry for `eingabe` (the command's caption and the
/// answers as typed): the class fits the command (SUBST, ADJEKTIV, VERBUM) and the headword
/// is the first answer. Then how many of the other answers it confirms or contradicts;
/// a verb's participle in -us matches the dictionary's supine in -um. Nothing otherwise.
std::optional<Passung> passung(const Eintrag& eintrag, const Eingabe& eingabe);

/**
 * The Latin-German dictionary, read from the files dictd installs: every entry parsed
 * once when it is opened, then looked up by headword or by any dictionary form.
 *
 * The dictionary gives meanings; its forms never replace what the pupil typed. Where it
 * errs (a genitive such as "armae" for *arma*, A-class verbs listed without perfect), an
 * entry still matches by its class and headword (`passung`).
 */
class Woerterbuch {
public:
    /// Reads `basis`.index and `basis`.dict.dz (as "/usr/share/dictd/freedict-lat-deu");
    /// nothing when either cannot be read or the index names no entry.
    static std::unique_ptr<const Woerterbuch> oeffnen(const std::filesystem::path& basis);
    /// Where Debian installs the dictionary, or the environment variable
    /// `LATIFLEX_WOERTERBUCH` when set (for tests).
    static std::filesystem::path standardPfad();

    /// Every entry, in the dictionary's order.
    const std::vector<Eintrag>& eintraege() const { return eintraege_; }
    /// The entries with `stichwort` as their headword (capitals and vowel marks aside), in
    /// the dictionary's order.
    std::vector<const Eintrag*> stichwort(std::string_view stichwort) const;
    /// The entries that list `form` as their headword or as one of their further dictionary
    /// forms (a genitive, a feminine, a principal part), in the dictionary's order.
    std::vector<const Eintrag*> mitForm(std::string_view form) const;
    /// The entry for the word the pupil typed (see `passung`): the one that confirms most of
    /// the typed forms, then contradicts fewest, then comes first; nullptr when none fits.
    const Eintrag* zuEingabe(const Eingabe& eingabe) const;

    const Herkunft& herkunft() const { return herkunft_; }

private:
    Woerterbuch() = default;

    std::vector<Eintrag> eintraege_;
    /// Key (`schluessel`) of every headword and form, and of every index word, to entries.
    std::unordered_map<std::string, std::vector<std::uint32_t>> nachForm_;
    Herkunft herkunft_;
};

/// The dictionary at `Woerterbuch::standardPfad()`, opened on the first call (from any
/// thread; a second caller waits for the first), or nullptr when it is not installed.
const Woerterbuch* installiertes();

} // namespace latiflex::woerterbuch
