#pragma once

#include "grammar/paradigma.h"
#include "interfaces/umgebung.h"

#include <optional>
#include <string_view>

namespace latiflex::adjectives {

/// "ADJEKTIV": asks for the masculine, the feminine or genitive, and the neuter, and prints
/// the three gender columns into the cleared pane, or refuses with a message before
/// anything is printed.
void adjektiv(Umgebung& u);

/// The page "ADJEKTIV" prints when its prompts take `m`, `s` and `n`, or nothing where it
/// refuses them. No answer may read as a number.
std::optional<grammar::Paradigma> seite(std::string_view m, std::string_view s, std::string_view n);

/// Lays an adjective's paradigm out on the pane: the three gender heads on one line, then
/// the masculine at column 5, the feminine at 25 and the neuter at 45, each from 250 twips
/// but the first, with a blank line between singular and plural.
void drucke(Umgebung& u, const grammar::Paradigma& p);

} // namespace latiflex::adjectives
