// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

/// Vowel length as the pupil marks it: the long mark (macron) over a vowel.
namespace latiflex::grammar {

/// Whether the text carries a long mark, precomposed (ā) or combining.
bool hatLaengenzeichen(std::string_view text);

/// Whether a long mark in the form stands on a vowel Latin keeps short there: before another
/// vowel (*moneo*; not the e of *diei*, nor a diphthong's first letter), before *nt* or *nd*,
/// before a final *m*, *t*, *r* or *l* of a word of more than one syllable (*amat*, *monet*).
bool laengeFalsch(std::string_view form);

} // namespace latiflex::grammar
