// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

/// Cards for Anki's text import: one card a line, the question, a tab, the answer.
namespace latiflex::lektionen {

/// One card: the question in plain text, the answer as stem and ending (or, for a card of
/// meanings, as plain text in `stamm`).
struct Karte {
    std::string frage;
    std::string stamm;
    std::string endung;
    bool nurText = false; ///< the answer is `stamm` as it is, without colours
};

/**
 * The cards as text for Anki's import with HTML allowed: the stem and the ending as spans in
 * `stammfarbe` and `endfarbe` ("#RRGGBB"). Every typed text is escaped as HTML, and tabs,
 * line breaks and other control characters in it become blanks, so no card breaks the lines
 * or the columns.
 */
std::string ankiText(const std::vector<Karte>& karten, const std::string& stammfarbe,
                     const std::string& endfarbe);

} // namespace latiflex::lektionen
