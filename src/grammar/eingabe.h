// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace latiflex {

/// A word as the pupil enters it: the caption of its command ("SUBST", "ADJEKTIV",
/// "VERBUM") and the answers typed at the command's prompts, in order, exactly as typed.
/// A lesson keeps its words so, and forms them again by the rules whenever it reads them.
struct Eingabe {
    std::string befehl;
    std::vector<std::string> antworten;

    friend bool operator==(const Eingabe&, const Eingabe&) = default;
};

} // namespace latiflex
