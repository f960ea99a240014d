// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace latiflex::testing {

/**
 * Writes a dictionary in dictd's files from the text of `tests/woerterbuch/lat-deu.txt`:
 * `basis`.index (each index word, a tab, its entry's offset and length in dictd's base 64)
 * and `basis`.dict.dz (the entries' text, gzip-compressed). Each entry is introduced by a
 * line "@ WORD, WORD" naming its index words; `#` lines before the first entry are
 * comments. The index is sorted by word, as dictd sorts it.
 */
void schreibeWoerterbuch(const std::filesystem::path& basis, std::string_view quelle);

/// The text of the tests' dictionary (`tests/woerterbuch/lat-deu.txt`).
std::string testWoerterbuch();

/// A number in dictd's base 64: 0 is "A", 64 is "BA".
std::string basis64(std::uint64_t n);

} // namespace latiflex::testing
