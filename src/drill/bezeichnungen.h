// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/eingrenzung.h"
#include "grammar/zelle.h"

#include <optional>
#include <string_view>

/// Reading the German labels back: what a pupil or a script names a cell or a narrowing
/// with, in the words the drill shows ("Genitiv Plural", "Futur I Passiv").
namespace latiflex::drill {

/// The cell a label names: the words of `grammar::bezeichnung` in any order, each dimension
/// at most once, the number always. Nothing for any other text.
std::optional<grammar::Zelle> zelleAus(std::string_view text);

/// The narrowing a list of labels names: numbers, tenses, voices, moods, and "letztes Wort";
/// the empty text narrows nothing. Nothing for a word the drill does not know.
std::optional<Eingrenzung> eingrenzungAus(std::string_view text);

} // namespace latiflex::drill
