// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/zelle.h"

#include <string_view>
#include <vector>

/// The cases a preposition takes, which the reading of a text needs to rank the words
/// after it.
namespace latiflex::lesen {

/// The cases the preposition a word class names takes ("Präposition mit Akkusativ oder
/// Ablativ": the accusative, then the ablative); empty for any other class.
std::vector<grammar::Kasus> rektion(std::string_view klasse);

} // namespace latiflex::lesen
