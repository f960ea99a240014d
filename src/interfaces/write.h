// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/wortform.h"
#include "interfaces/colour.h"
#include "interfaces/outputpane.h"

#include <string_view>

/// The write statements every command uses, built on the pane's primitives. An empty
/// text prints nothing but still moves to its column and, for a line print, ends the line.
namespace latiflex::write {

/// Writes `text` at the write position and ends the line.
void line(OutputPane& pane, std::string_view text);

/// Prints `text` at `column`, staying on the line.
void column(OutputPane& pane, int column, std::string_view text);

/// Prints `text` at `column` and ends the line.
void columnLine(OutputPane& pane, int column, std::string_view text);

/// The line that holds a single blank.
void blankLine(OutputPane& pane);

/// A word form on a line of its own: the stem in `stammfarbe` at `column`, the ending right
/// after it in `endfarbe`.
void form(OutputPane& pane, const Farben& farben, int column, const Wortform& form);

} // namespace latiflex::write
