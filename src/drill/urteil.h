// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/wortform.h"
#include "grammar/zelle.h"

#include <string>
#include <vector>

namespace latiflex::drill {

/// The verdict on one answer.
struct Urteil {
    bool richtig = false;
    /// The right form (Bilden) or the form asked about (Bestimmen), stem and ending apart so
    /// that they show in the run's two colours.
    Wortform form;
    /// Every cell that form stands in on the word's pages.
    std::vector<grammar::Zelle> zellen;
    /// Where the answer differs, in German; empty when it is right, but for a meaning one
    /// letter off ("Fast richtig: König"), which counts as right.
    std::string abweichung;

    /// "Richtig!" or "Falsch".
    std::string ergebnis() const { return richtig ? "Richtig!" : "Falsch"; }
    /// The cells in German labels, joined by commas.
    std::string zellenText() const;
    /// The whole verdict in one line, as read aloud:
    /// "Falsch: rosarum (Genitiv Plural). Endung „orum“ statt „arum“."
    std::string text() const;
};

} // namespace latiflex::drill
