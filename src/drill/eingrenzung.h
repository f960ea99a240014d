// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/zelle.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace latiflex::drill {

/**
 * Which questions the pupil wants: each list names the values allowed in its dimension, and
 * an empty list allows all. A narrowed dimension leaves out the cells that do not have it
 * (narrowed to a tense, the drill asks only verbs).
 */
struct Eingrenzung {
    std::vector<grammar::Numerus> numeri;
    std::vector<grammar::Tempus> tempora;
    std::vector<grammar::GenusVerbi> genera;
    std::vector<grammar::Modus> modi;
    /// Only the forms of the word entered last (all its pages).
    bool nurLetztesWort = false;

    /// Whether a question on `zelle` is allowed.
    bool passt(const grammar::Zelle& zelle) const;

    friend bool operator==(const Eingrenzung&, const Eingrenzung&) = default;
};

/// The narrowing as the lessons store it: the codes of its values (`grammar::code`) separated
/// by blanks, numbers, tenses, voices and moods in that order ("pl fut1 pass"); empty for
/// none. "Only the last word" belongs to one drill and is not stored.
std::string code(const Eingrenzung& eingrenzung);
/// The narrowing a stored text names, or nothing for a code the program does not know.
std::optional<Eingrenzung> eingrenzungAusCode(std::string_view text);

} // namespace latiflex::drill
