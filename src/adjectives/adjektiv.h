#pragma once

#include "shell/umgebung.h"

namespace latiflex::adjectives {

/// "ADJEKTIV": asks for the masculine, the feminine or genitive, and the neuter, and prints
/// the three gender columns into the cleared pane, or refuses with a message before
/// anything is printed.
void adjektiv(Umgebung& u);

} // namespace latiflex::adjectives
