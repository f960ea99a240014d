// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// Cutting a Latin text into its words, with the line each stands on.
namespace latiflex::lesen {

/// One word of a text: a run of letters (with the marks on them), as it stands.
struct Textwort {
    std::string form;      ///< the letters as typed, UTF-8
    std::size_t zeile;     ///< the line it stands on, counted from 1
    std::size_t anfang;    ///< its first byte in the (UTF-8) text
    std::size_t laenge;    ///< its length in bytes
    bool satzende = false; ///< a full stop, colon, semicolon, question or exclamation mark follows
};

/// The text as UTF-8: itself when it is valid UTF-8 throughout, else read as Latin-1 (the
/// other encoding a pupil's old text file has).
std::string alsUtf8(std::string_view bytes);

/**
 * The words of `text` (UTF-8; any bytes are safe), in order. A word is a run of letters of
 * any script; digits, punctuation, symbols and emoji part words and are no words; a tag of
 * markup (`<b>`, `</p>`) and a character reference (`&amp;`) are skipped whole. A line ends at a
 * line feed, a carriage return or both.
 */
std::vector<Textwort> zerlegen(std::string_view text);

} // namespace latiflex::lesen
