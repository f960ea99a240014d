// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary/woerterbuch.h"
#include "grammar/eingabe.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

/// The ready core vocabulary: the most frequent words of the installed dictionary, by the
/// frequency table of the form analysis, cut into lessons "Grundwortschatz 1", "Grundwortschatz
/// 2", … of 50 words each, the most frequent first. Built when asked, from the dictionary the
/// pupil has installed; only words a lesson can hold join (a noun, an adjective, a verb whose
/// page the rules print), each with its dictionary forms as the prompts take them.
namespace latiflex::grundwortschatz {

inline constexpr std::size_t woerterJeLektion = 50;
inline constexpr std::size_t hoechstWoerter = 1500;

/// "Grundwortschatz 3" for `nummer` 3.
std::string lektionsname(std::size_t nummer);
/// The lesson's number for its name, 0 for any other name.
std::size_t nummer(std::string_view lektionsname);

/// The words a lesson may hold for `eintrag`, to be tried in order: its own dictionary forms
/// as the prompts take them, then forms derived where the dictionary lacks one (an A-class
/// verb listed without perfect: *-avi*, *-atus*) or errs in a frequent word (*armae* for
/// *armorum*). None for a word a lesson cannot hold: a word without cells, a pronoun, an
/// irregular verb other than *sum*, an adjective with the genitive *-ius*, a verb without
/// participle, a phrase.
std::vector<Eingabe> kandidaten(const woerterbuch::Eintrag& eintrag);

/// The whole core vocabulary in order (at most `hoechstWoerter`): the dictionary's entries
/// by how often their headword occurs (the dictionary's order among equals), each as its
/// first candidate that `nimmt` (the rules form it without a warning), each word once.
std::vector<Eingabe> woerter(const woerterbuch::Woerterbuch& woerterbuch,
                             const std::function<bool(const Eingabe&)>& nimmt);

} // namespace latiflex::grundwortschatz
