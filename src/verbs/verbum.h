// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"
#include "grammar/ergebnis.h"
#include "grammar/paradigma.h"
#include "interfaces/umgebung.h"
#include "verbs/verb.h"

#include <optional>
#include <string>
#include <vector>

namespace latiflex::verbs {

/// "VERBUM" up to its word: clears the pane and asks for the principal parts (no perfect
/// for a deponent, no participle for "sum"); nothing where a prompt took a number (the
/// prompt said so).
std::optional<Eingabe> frage(Umgebung& u);

/// The principal parts the answers give, each taken by the prompt that asks in its turn (a
/// prompt beyond them takes the empty text), or the refusal of a prompt that took a number.
Ergebnis<Stammformen> stammformen(const std::vector<std::string>& antworten);

/// Lays out the page "VERBUM" shows: a blank line, then the heading.
void druckeKopf(Umgebung& u, const grammar::Paradigma& p);

} // namespace latiflex::verbs
