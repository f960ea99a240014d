// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace latiflex::analysis {

/// How often the lemma (a word's first dictionary form) occurs in a corpus of classical
/// texts (haeufigkeit.tsv); 0 for a word the table does not know, which is no real word as
/// far as the program knows. Compared by `schluessel`.
int haeufigkeit(std::string_view lemma);

} // namespace latiflex::analysis
