#pragma once

#include "grammar/eingabe.h"
#include "grammar/paradigma.h"
#include "grammar/wortform.h"
#include "grammar/zelle.h"

#include <string>
#include <string_view>
#include <vector>

/// Naming every reading of a typed form: the dictionary entries and cells in which the
/// program's own pages print it.
namespace latiflex::analysis {

/// One reading: a dictionary entry and one cell of one of its pages that prints the form.
struct Deutung {
    Eingabe eingabe;      ///< the command and the dictionary forms as typed at its prompts
    std::string seite;    ///< the caption of the button whose page prints the cell
    std::string klasse;   ///< the class as the page names it ("SUBSTANTIV der A - Deklination")
    grammar::Zelle zelle; ///< the cell, named in German by `grammar::bezeichnung`
    Wortform wortform;    ///< the form as the page prints it, stem and ending
    bool eigen = false;   ///< the entry is one of the pupil's own words
    double gewicht = 0;   ///< how common the entry's pattern is among Latin words

    friend bool operator==(const Deutung&, const Deutung&) = default;
};

/**
 * Every reading of `getippt`, compared as leniently as the drill compares (capitals,
 * blanks, vowel marks). Candidates come from inverting the endings of the patterns in
 * `muster.h` and of `eigene`, the pupil's own words; each is kept only where the forward
 * rules, given its dictionary forms, print the typed form in that cell. Ranked: the
 * pupil's words first, then the most common patterns; the readings of one entry stand
 * together, in the order its pages print them. Entries that differ only in forms the typed
 * one does not show are offered twice at most, and at most five entries beside the pupil's
 * own, unless `alle` asks for every one. Empty when the rules allow none.
 */
std::vector<Deutung> bestimmen(std::string_view getippt, const std::vector<Eingabe>& eigene = {},
                               bool alle = false);

/// The word of a page as the pupil entered it: its command and typed dictionary forms.
Eingabe eingabe(const grammar::Paradigma& seite);

/// The dictionary forms as the pupil would type them, joined by ", " ("rosa, rosae"); a
/// prompt left empty at the end is left out.
std::string woerter(const Eingabe& eingabe);

} // namespace latiflex::analysis
