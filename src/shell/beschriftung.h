// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"
#include "interfaces/outputpane.h"

#include <optional>
#include <string>

namespace latiflex {

/// A text printed on a page and what it is, in German words: a form and its cell, or a
/// column's heading and what the column holds.
struct Beschriftung {
    std::string gedruckt;  ///< "rosarum", "PLQPF.KON.AKT."
    std::string bedeutung; ///< "Genitiv Plural", "Plusquamperfekt Konjunktiv Aktiv"

    /// Both in one line, as the tooltip and the screen reader give them:
    /// "rosarum – Genitiv Plural".
    std::string zeile() const { return gedruckt + " – " + bedeutung; }
};

/// What was printed under `bezug` on page `p`: nothing for a text outside the paradigm
/// (a class heading, a blank row, a line printed by a click into the pane).
std::optional<Beschriftung> beschriftung(const grammar::Paradigma& p, OutputPane::Bezug bezug);

} // namespace latiflex
