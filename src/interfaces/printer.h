#pragma once

#include "grammar/wortform.h"
#include "interfaces/colour.h"
#include "interfaces/outputpane.h"

#include <string_view>

/// The print statements every command uses, built on the pane's primitives. An empty
/// text prints nothing but still moves to its column and, for a line print, ends the line.
namespace latiflex::print {

/// The two colours of a word form, chosen at start-up.
struct Farben {
    Rgb stammfarbe;
    Rgb endfarbe;
};

/// Prints `text` at the print position and ends the line.
void line(OutputPane& pane, std::string_view text);

/// Prints `text` at the print position, staying on the line.
void plain(OutputPane& pane, std::string_view text);

/// Prints `text` at `column`, staying on the line.
void column(OutputPane& pane, int column, std::string_view text);

/// Prints `text` at `column` and ends the line.
void columnLine(OutputPane& pane, int column, std::string_view text);

/// Prints x, y and z at the columns a, b and c of one line, then ends it.
void threeColumns(OutputPane& pane, int a, std::string_view x, int b, std::string_view y, int c,
                  std::string_view z);

/// The line that holds a single blank.
void blankLine(OutputPane& pane);

/// Whether a form print ends its line after the ending.
enum class LineEnd { end, stay };

/// A word form: the stem in `stammfarbe` at `column`, the ending right after it in
/// `endfarbe`.
void form(OutputPane& pane, const Farben& farben, int column, const Wortform& form,
          LineEnd lineEnd = LineEnd::end);

} // namespace latiflex::print
