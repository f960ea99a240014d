// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"
#include "grammar/ergebnis.h"
#include "grammar/paradigma.h"
#include "interfaces/umgebung.h"

#include <optional>
#include <string_view>

namespace latiflex::adjectives {

/// "ADJEKTIV" up to its word: clears the pane and asks for the masculine, the feminine or
/// genitive, and the neuter; nothing where a prompt took a number (the prompt said so).
std::optional<latiflex::Eingabe> frage(Umgebung& u);

/// The page "ADJEKTIV" prints when its prompts take `m`, `s` and `n`, or the command's
/// refusal ("Keine Formen vorhanden"). No answer may read as a number.
Ergebnis<grammar::Paradigma> seite(std::string_view m, std::string_view s, std::string_view n);

/// Lays an adjective's paradigm out on the pane: the three gender heads on one line, then
/// the masculine at column 5, the feminine at 25 and the neuter at 45, each from 250 twips
/// but the first, with a blank line between singular and plural.
void drucke(Umgebung& u, const grammar::Paradigma& p);

} // namespace latiflex::adjectives
