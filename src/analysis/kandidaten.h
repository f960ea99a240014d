// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/bestimmung.h"

#include <string>
#include <vector>

/// What the rules of the pages say of a form, before any ranking.
namespace latiflex::analysis {

/// Every entry the patterns and the pupil's words `eigene` allow for `wort` (a compared
/// form of letters), each with its readings: the cells where its pages print `wort`,
/// compared by `schluessel`. Unranked; the pupil's words marked `eigen`.
std::vector<std::vector<Deutung>> regelEintraege(const std::string& wort,
                                                 const std::vector<Eingabe>& eigene);

/// The readings of one entry: every cell of its pages that prints `wort`.
std::vector<Deutung> lesarten(const Eingabe& eingabe, const std::string& wort);

} // namespace latiflex::analysis
