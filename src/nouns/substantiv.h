#pragma once

#include "grammar/paradigma.h"
#include "interfaces/umgebung.h"

#include <optional>
#include <string_view>

namespace latiflex::nouns {

/// "SUBST": asks for the nominative and genitive singular and prints the heading and the
/// twelve case forms into the cleared pane, or refuses with a message. A word too short
/// for one of its cuts ends the command quietly, keeping what was printed.
void substantiv(Umgebung& u);

/// The page "SUBST" prints when its prompts take `n` and `g`, or nothing where it refuses
/// them (an empty answer, the irregular *bos*). No answer may read as a number.
std::optional<grammar::Paradigma> seite(std::string_view n, std::string_view g);

/// Lays a noun's paradigm out on the pane: the heading, the singular at column 5, the
/// plural beside it at column 25 from 250 twips.
void drucke(Umgebung& u, const grammar::Paradigma& p);

} // namespace latiflex::nouns
