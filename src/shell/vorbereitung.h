// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesen/lesart.h"

#include <string>
#include <string_view>
#include <vector>

namespace latiflex {

/// One line of a preparation sheet: its number, its text and the vocabulary of the words
/// that first stand in it ("agricola, agricolae – Bauer").
struct Blattzeile {
    std::size_t nummer = 0;
    std::string text;
    std::vector<std::string> vokabeln;

    friend bool operator==(const Blattzeile&, const Blattzeile&) = default;
};

/// The lines of `text` as a sheet prints them: each line of the text cut at blanks into
/// lines of at most `breite` letters (a longer word stands alone, cut at twice that), numbered from
/// 1; beside each, every dictionary entry of the readings shown in `woerter` (read from `text`)
/// whose first word stands in it, once in the whole text. Empty lines are left out, not counted.
std::vector<Blattzeile> blattzeilen(std::string_view text, const std::vector<lesen::Wort>& woerter,
                                    std::size_t breite = 45);

/// A preparation sheet as teachers hand it out (a whole HTML document): the title, then the
/// text with line numbers beside its vocabulary.
std::string vorbereitung(std::string_view titel, const std::vector<Blattzeile>& zeilen);

} // namespace latiflex
