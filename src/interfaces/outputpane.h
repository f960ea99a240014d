// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interfaces/colour.h"

#include <string_view>

namespace latiflex {

/**
 * The output pane `Bild1`: a text canvas with a print position, a foreground colour for
 * what is printed next and a background colour. Every command prints through these
 * primitives only; printer.h builds the line, column and form prints on top of them.
 */
class OutputPane {
public:
    virtual ~OutputPane() = default;

    /// The pane prints in Arial of this size, the font every page's columns were laid out for.
    static constexpr int arialPunkte = 12;

    /// Erases everything printed and puts the print position at the top left. The
    /// background colour stays.
    virtual void clear() = 0;

    /// Colour of the text printed from now on; what is printed keeps its colour.
    virtual void setForeground(Rgb colour) = 0;

    /// New background colour. Like the picture box it stands for, the pane is repainted
    /// empty in it; the print position stays.
    virtual void setBackground(Rgb colour) = 0;

    /// Moves the print position to `twips` from the top; the horizontal position stays.
    virtual void setY(int twips) = 0;

    /// Moves the print position to character column `column` (1 is the left edge) of the
    /// current line, or of the next line when the position already lies beyond it.
    virtual void tab(int column) = 0;

    /// Draws `text` at the print position and moves the position past it.
    virtual void text(std::string_view text) = 0;

    /// Ends the line: the print position goes to the left edge of the next line.
    virtual void newline() = 0;

    /// Where on the page on view the text printed from now on belongs: a form of one of its
    /// blocks, a block's heading, or nothing. Drawing does not change; a pane that shows
    /// labels under the mouse keeps it with each text.
    struct Bezug {
        int block = -1; ///< index into the paradigm's blocks; -1: no block
        int form = -1;  ///< index into the block's forms; -1: its heading

        friend bool operator==(const Bezug&, const Bezug&) = default;
    };
    virtual void setBezug(Bezug) {}
};

} // namespace latiflex
