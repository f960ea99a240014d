// SPDX-License-Identifier: GPL-3.0-or-later
#include "adjectives/deklination.h"

#include "grammar/text.h"

namespace latiflex::adjectives {

using text::lastLetters;
using text::letterCount;

bool fragtFeminin(std::string_view m) {
    return (lastLetters(m, 2) == "us" && m != "vetus") || lastLetters(m, 2) == "er";
}

std::optional<Analyse> analysieren(const Eingabe& e) {
    Analyse a{lastLetters(e.s, 1) != "a" ? Familie::dritte : Familie::ao};
    if (a.familie == Familie::ao) {
        if (letterCount(e.n) < 2) return std::nullopt;
        return a;
    }
    if (e.n == e.m) a.adjklasse = 3;
    if (e.s == e.m) a.adjklasse = 2;
    if (a.adjklasse < 2) a.adjklasse = 1;
    if (letterCount(e.s) < 2) return std::nullopt;
    if (a.adjklasse == 1 && letterCount(e.m) < 2) return std::nullopt;
    return a;
}

} // namespace latiflex::adjectives
