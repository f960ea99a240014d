// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"
#include "grammar/paradigma.h"
#include "grammar/wortform.h"
#include "grammar/zelle.h"

#include <string>
#include <string_view>
#include <vector>

namespace latiflex::analysis {
class Woerterbuch;
}

/// Naming every reading of a typed form: the dictionary entries and cells in which the
/// program's own pages print it.
namespace latiflex::analysis {

/// Where a reading's entry comes from, in the order the readings are ranked.
enum class Herkunft {
    eigen,   ///< one of the pupil's own words (a lesson, a page of this run)
    bekannt, ///< a real word: in the dictionary, the frequency table or the program's own table
    regeln,  ///< a guess of the rules alone: no word the program knows
};

/// One reading: a dictionary entry and one cell of one of its pages that prints the form;
/// for a word the pages do not form (a pronoun, *fero*, a preposition) the entry as a
/// vocabulary lists it, its cell, or none.
struct Deutung {
    Eingabe eingabe;      ///< the command and the dictionary forms as typed at its prompts
    std::string seite;    ///< the caption of the button whose page prints the cell
    std::string klasse;   ///< the class as the page names it ("SUBSTANTIV der A - Deklination")
    grammar::Zelle zelle; ///< the cell, named in German by `grammar::bezeichnung`
    Wortform wortform;    ///< the form as the page prints it, stem and ending
    bool eigen = false;   ///< the entry is one of the pupil's own words
    double gewicht = 0;   ///< how common the entry's pattern is among Latin words
    Herkunft herkunft = Herkunft::regeln;
    int haeufigkeit = 0;   ///< how often the word occurs in classical texts, where known
    std::string bedeutung; ///< its German meaning, where known
    std::string genus;     ///< a noun's gender as a dictionary gives it ("m."), where known
    bool mitZelle = true;  ///< false for a word without cells (a preposition, a conjunction)
    /// Whether choosing it prints its page: not for a word the pages do not form, nor where
    /// the program's page of these dictionary forms would print the cell otherwise.
    bool druckbar = true;

    friend bool operator==(const Deutung&, const Deutung&) = default;
};

/**
 * Every reading of `getippt`, compared as leniently as the drill compares (capitals,
 * blanks, vowel marks), spelt as texts spell it (j or i, u or v, a contracted perfect, an
 * enclitic -que, -ne, -ve). Candidates come from inverting the endings of the patterns in
 * `muster.h` and of `eigene`, the pupil's own words; each is kept only where the forward
 * rules, given its dictionary forms, print the typed form in that cell. The program's own
 * table (`festewoerter.h`) adds the pronouns, irregular verbs and words without cells.
 * Ranked by `Herkunft`: the pupil's words, then real words (in `umfang.woerterbuch` where one is
 * given, or in the frequency table) the most frequent first, then the rules' guesses, the
 * most common patterns first; the readings of one entry stand together, in the order its
 * pages print them. Guesses that differ only in forms the typed one does not show are
 * offered twice at most, and at most twelve guesses, unless `umfang.alle` asks for every
 * one. Empty when nothing allows a reading.
 */
struct Umfang {
    bool alle = false;     ///< every guess of the rules, not only the twelve most common
    bool enklitika = true; ///< a form with no real reading is read as word and enclitic
    const Woerterbuch* woerterbuch = nullptr; ///< the dictionary, where one is at hand
};
std::vector<Deutung> bestimmen(std::string_view getippt, const std::vector<Eingabe>& eigene = {},
                               const Umfang& umfang = {});

/// The word of a page as the pupil entered it: its command and typed dictionary forms.
Eingabe eingabe(const grammar::Paradigma& seite);

/// The dictionary forms as the pupil would type them, joined by ", " ("rosa, rosae"); a
/// prompt left empty at the end is left out.
std::string woerter(const Eingabe& eingabe);

} // namespace latiflex::analysis
