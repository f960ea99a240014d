// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"

#include <optional>
#include <string>
#include <string_view>

/// Classifying a noun by its nominative and genitive singular, and forming its twelve
/// case forms: rows 1 to 6 nominative, genitive, dative, accusative, vocative, ablative of
/// the singular, rows 7 to 12 the same of the plural.
namespace latiflex::nouns {

/// The eleven paradigms; the consonant declension's neuter is `konsonantisch` with
/// `KMarken::neutrum` set.
enum class Typ {
    iNeutrum,     ///< mare, animal, exemplar
    a,            ///< rosa
    oAufUs,       ///< dominus
    oAufR,        ///< puer, ager, vir
    oAufUm,       ///< templum
    e,            ///< res
    u,            ///< manus
    uNeutrum,     ///< cornu
    iFemininum,   ///< turris, vis
    konsonantisch ///< rex, urbs, nomen: consonant and mixed declension
};

struct Klasse {
    Typ typ;
    std::string_view deklname; ///< as the heading names it: "A", ..., "KONS./ MISCH."
    std::string_view kopfende; ///< what follows it in the heading, gender included
};

/// The paradigm of nominative `n` with genitive `g`, by the first rule that holds.
Klasse klassifizieren(std::string_view n, std::string_view g);

/// The heading line of a noun of this class.
std::string ueberschrift(const Klasse& klasse);

/// Marks that steer the consonant declension: neuter, and the i-stem (1: two consonants
/// before the genitive's ending, 2: nominative as long as the genitive).
struct KMarken {
    bool neutrum = false;
    int istamm = 0;
};

/// The marks of a consonant-declension noun; nothing when the genitive has fewer than four
/// letters.
std::optional<KMarken> kMarken(std::string_view n, std::string_view g);

/// Row `zeile` (1 to 12) of the noun; nothing when the word is too short for its cut.
/// Each row is formed on its own: no row depends on another having been formed.
std::optional<Wortform> form(std::string_view n, std::string_view g, Typ typ, KMarken marken,
                             int zeile);

/// Whether the paradigm has a plural: Iovis (of Iuppiter) is declined in the singular only.
bool hatPlural(std::string_view g, Typ typ);

/// The whole noun: its heading and its singular and plural blocks, as far as its cuts
/// reach (a consonant-declension genitive too short to tell its marks gives no forms).
grammar::Paradigma paradigma(std::string_view n, std::string_view g);

} // namespace latiflex::nouns
