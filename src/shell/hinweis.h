// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"
#include "interfaces/seiten.h"

#include <string>
#include <string_view>

/// The hint line below the pane: a warning when the forms the pupil typed are not where the
/// printed paradigm has them, else a tip on what the pane offers besides the forms.
namespace latiflex::hinweis {

/// Shown below a page whose typed forms all stand in their cells.
inline constexpr std::string_view tipp =
    "Tipp: Zeiger auf Form nennt sie; Rechtsklick: Menü; F5 Üben, F7 Bestimmen, Strg+L Lektionen";

/// What the hint line found on a page, the first that applies in this order.
enum class Art {
    keine,            ///< the typed forms fit the page: the tip
    mehrereFormen,    ///< several dictionary forms typed into one prompt
    zuLang,           ///< a typed form longer than any Latin word
    zeichenAendert,   ///< a vowel mark, a blank or an invisible character changed the page
    zeichenInFormen,  ///< a typed long mark carried into forms whose vowel is short there
    keinInfinitiv,    ///< no infinitive typed
    keineKonjugation, ///< an infinitive from which the rules find no class
    supinum,          ///< the participle typed as textbooks list the supine
    keineFormen,      ///< the rules print no form for the typed forms
    seltenesPaar,     ///< a nominative and genitive real Latin almost never pairs
    nichtInZelle,     ///< a typed form not where the page has it
};

/// The hint line's finding on a page: its kind and, for a warning, its text.
struct Hinweis {
    Art art = Art::keine;
    std::string text; ///< the warning as the line shows it; empty for `Art::keine`

    /// Whether the typed forms do not fit the page (the page joins no lesson by itself).
    bool warnt() const { return art != Art::keine; }
};

/**
 * The finding for page `p`. First, answers that cannot be one dictionary form (several in
 * one prompt, longer than any Latin word). Then a vowel mark, an outer blank, a run of
 * blanks or an invisible character that made the rules read a typed form into another page
 * (after "VERBUM": another tense page): the line names the form and what to type only
 * where the forms as the pupil sees them fit better than the typed ones; and a typed long
 * mark the page carries into forms where the vowel is short (*monēre*: *monēo*). Then an
 * answer that does not fit its prompt (no infinitive, an infinitive without a class, a
 * supine for the participle, a nominative and genitive real Latin almost never pairs).
 * Then a typed form not in its cell, compared as the drill compares answers; forms after
 * the first are checked first, they decide the class; an active verb's present is checked
 * on the passive page as *-or*, its participle on the perfect passive page with *sum*; a
 * deponent's perfect may be typed as its participle alone. A single empty row is the
 * rules' own gap (*vis* has no genitive) and fits; an empty column, or a page that printed
 * no form at all (a genitive too short for the rules), does not. Every warning fits the
 * line for words of up to 15 letters.
 */
Hinweis pruefe(const grammar::Paradigma& p);

/// The text of the hint line: the warning for the page the last command formed, the tip
/// when it fits, nothing while the pane shows no paradigm.
std::string text(const Seiten& seiten);

} // namespace latiflex::hinweis
