// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/wortform.h"
#include "grammar/zelle.h"

#include <optional>
#include <string>
#include <vector>

namespace latiflex::grammar {

enum class Wortart { substantiv, adjektiv, verbum };

/// A printed form and the cell it stands in.
struct Form {
    Wortform wortform;
    Zelle zelle;

    friend bool operator==(const Form&, const Form&) = default;
};

/// One column of a page as the pane shows it, top to bottom: a noun's singular or plural,
/// an adjective's gender, a verb's tense.
struct Block {
    std::string kopf;      ///< its heading as printed; empty where it has none
    std::string bedeutung; ///< what the block holds, in German words ("Futur II Indikativ Passiv")
    std::vector<Form> formen;

    friend bool operator==(const Block&, const Block&) = default;
};

/// A dictionary form as the pupil typed it, and the cell it names where it names one (an
/// infinitive or a participle names none).
struct Stichwort {
    std::string wort;
    std::optional<Zelle> zelle;

    friend bool operator==(const Stichwort&, const Stichwort&) = default;
};

/**
 * The paradigm of one page: every form as stem and ending with its cell, in the order the
 * pane shows them. Formed without a pane, a dialog or a colour; the pane, the screen
 * reader, the clipboard, the printer and the drill all read it. Where the rules stop early,
 * it holds exactly the forms that were printed.
 */
struct Paradigma {
    Wortart wortart = Wortart::substantiv;
    /// The class the program took the word for, in its own words
    /// ("SUBSTANTIV der A - Deklination", "VERBUM der A - Konjugation").
    std::string klasse;
    /// The class alone, as the heading names it after "der" ("A - Deklination",
    /// "3. Deklination, zweiendig", "E - Konjugation"); empty where the rules found none.
    std::string klassenname;
    /// The page: the caption of the button that printed it.
    std::string seite;
    std::vector<Stichwort> stichwoerter;
    /// The heading line printed above the blocks ("   SUBSTANTIV der A - Deklination ").
    std::string ueberschrift;
    std::vector<Block> bloecke;
    /// Whole words in the pane's current colour, not stem and ending in theirs (*sum*).
    bool einfarbig = false;

    /// Whether the page holds any form at all (blank rows are none).
    bool hatFormen() const;
    /// The forms standing in `zelle`, in page order.
    std::vector<const Form*> formenIn(const Zelle& zelle) const;

    friend bool operator==(const Paradigma&, const Paradigma&) = default;
};

} // namespace latiflex::grammar
