// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"
#include "grammar/ergebnis.h"
#include "grammar/paradigma.h"
#include "verbs/verb.h"

#include <array>
#include <memory>
#include <vector>

/// The one way a word is formed from the dictionary forms the pupil typed: the commands,
/// the lessons, the hint line, Bestimmen and the drill all ask here.
namespace latiflex::engine {

/// A page formed by the rules, shared by all who read it and never changed.
using Seite = std::shared_ptr<const grammar::Paradigma>;

/// A word formed by the rules: every page its commands print.
struct Wort {
    /// The command's caption and the answers, exactly as given.
    Eingabe eingabe;
    /// The page the word's command prints: a noun's or an adjective's forms (none where a
    /// genitive is too short for its rules), a verb's heading.
    Seite seite;
    /// A verb's entry, as its four tense commands read it; none for a noun or an adjective.
    std::shared_ptr<const verbs::Verb> verb;
    /// A verb's four tense pages in the order of their buttons (`verbs::Zeitseite`), each
    /// the page its command prints or the command's refusal.
    std::vector<Ergebnis<Seite>> zeitseiten;
    /// How many cells with a form the word's pages hold (blank rows are none).
    int zellen = 0;

    /// The pages with forms, in the order of their buttons.
    std::vector<Seite> seiten() const;
};

/**
 * Forms the word `eingabe` as typing it would: the command captioned `eingabe.befehl`
 * ("SUBST", "ADJEKTIV", "VERBUM") with its prompts answered from `eingabe.antworten` in
 * turn (a prompt beyond them takes the empty text, as a cancelled one does), and after
 * "VERBUM" its four tense commands. A refusal is the message box the command shows ("Keine
 * Zahlen, Du..." for a number at a prompt); another caption is refused with no box (an
 * empty title). Pure: no pane, no dialog, the same pages for the same answers.
 */
Ergebnis<Wort> bilde(const Eingabe& eingabe);

/// The same with only the tense pages `welche` (in the order of their buttons) formed, the
/// others refused with no box and `zellen` counting the pages formed: for a reader of a few
/// pages of many words (the form analysis tries dozens of candidate verbs per form).
Ergebnis<Wort> bilde(const Eingabe& eingabe, const std::array<bool, 4>& welche);

/// The pages with forms of the word `eingabe` (`bilde(eingabe)->seiten()`); none where its
/// command refuses it.
std::vector<Seite> seiten(const Eingabe& eingabe);

} // namespace latiflex::engine
