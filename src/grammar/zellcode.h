// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"
#include "grammar/zelle.h"

#include <optional>
#include <string>
#include <string_view>

/**
 * The codes the lessons store for the grammar's values: short ASCII words that never change
 * with the wording of a label ("gen", "pl", "fut2", "pass"). Labels are derived from the
 * values when shown; a store written once is read by every later version of the program.
 */
namespace latiflex::grammar {

std::string_view code(Kasus kasus);           ///< "nom", "gen", "dat", "akk", "vok", "abl"
std::string_view code(Numerus numerus);       ///< "sg", "pl"
std::string_view code(Genus genus);           ///< "m", "f", "n"
std::string_view code(Person person);         ///< "1", "2", "3"
std::string_view code(Tempus tempus);         ///< "praes", "impf", "fut1", "perf", "plqpf", "fut2"
std::string_view code(Modus modus);           ///< "ind", "konj"
std::string_view code(GenusVerbi genusVerbi); ///< "akt", "pass"
std::string_view code(Wortart wortart);       ///< "subst", "adj", "verb"

/// The value a code names, or nothing.
template <typename E> std::optional<E> ausCode(std::string_view text);

/// A cell as its values' codes joined by dots, in the order of its label: "gen.pl",
/// "f.gen.sg", "2.pl.fut1.ind.pass".
std::string zellcode(const Zelle& zelle);
/// The cell a code names, or nothing (each dimension at most once, the number always).
std::optional<Zelle> zelleAusCode(std::string_view text);

/// A verb's page as a code, named by its tense system and voice ("prakt", "prpass",
/// "perfakt", "perfpass"); empty for a noun's or adjective's cell.
std::string_view seitencode(const Zelle& zelle);

/// Where a form stands in a word: its cell and, for a cell that stands more than once on
/// its page, which of them (1 for the first).
struct Zellschluessel {
    Zelle zelle;
    int stelle = 1;

    friend bool operator==(const Zellschluessel&, const Zellschluessel&) = default;
};

/// The stored key: the page's code for a verb, the cell's code, the place after '#' from the
/// second on: "gen.pl", "prakt:1.sg.praes.ind.akt", "abl.sg#2".
std::string schluessel(const Zellschluessel& s);
/// The key of the form `form` of block `block` of `seite`.
std::string schluessel(const Paradigma& seite, std::size_t block, std::size_t form);
/// The place a stored key names, or nothing for any other text.
std::optional<Zellschluessel> schluesselAus(std::string_view text);

/// The stored keys of a word's two meaning cards: its dictionary forms asked for the German
/// meaning, and the meaning asked for the dictionary forms. No cell's key looks like them.
inline constexpr std::string_view bedeutungDeutsch = "bed:de";
inline constexpr std::string_view bedeutungLatein = "bed:la";

/// The word class a command's caption names ("SUBST", "ADJEKTIV", "VERBUM"), or nothing.
std::optional<Wortart> wortartDesBefehls(std::string_view befehl);
/// The caption of the command that forms `wortart`.
std::string_view befehl(Wortart wortart);

} // namespace latiflex::grammar
