// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"
#include "grammar/ergebnis.h"
#include "grammar/paradigma.h"
#include "interfaces/umgebung.h"

#include <optional>
#include <string_view>

namespace latiflex::nouns {

/// "SUBST" up to its word: clears the pane and asks for the nominative and genitive
/// singular; nothing where a prompt took a number (the prompt said so).
std::optional<Eingabe> frage(Umgebung& u);

/// The page "SUBST" prints when its prompts take `n` and `g` (a word too short for one of
/// its cuts keeps the rows before it), or the command's refusal: an empty answer, the
/// irregular *bos*. No answer may read as a number.
Ergebnis<grammar::Paradigma> seite(std::string_view n, std::string_view g);

/// Lays a noun's paradigm out on the pane: the heading, the singular at column 5, the
/// plural beside it at column 25 from 250 twips.
void drucke(Umgebung& u, const grammar::Paradigma& p);

} // namespace latiflex::nouns
