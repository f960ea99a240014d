#pragma once

#include "shell/umgebung.h"

namespace latiflex::nouns {

/// "SUBST": asks for the nominative and genitive singular and prints the heading and the
/// twelve case forms into the cleared pane, or refuses with a message. A word too short
/// for one of its cuts ends the command quietly, keeping what was printed.
void substantiv(Umgebung& u);

} // namespace latiflex::nouns
