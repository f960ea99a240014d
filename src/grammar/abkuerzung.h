// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/zelle.h"

#include <string>

namespace latiflex::grammar {

/// The cell as a teacher abbreviates it in a short line: "Gen. Sg.", "Fem. Nom. Sg.",
/// "1. Sg. Perf. Pass.", "3. Pl. Präs. Konj. Akt.".
std::string abkuerzung(const Zelle& zelle);

} // namespace latiflex::grammar
