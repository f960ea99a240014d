// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace latiflex::nouns {

/**
 * Whether real Latin almost never pairs the nominative `n` with the genitive `g` (*amicus,
 * amicis*: a slip of the ending; both in lower case without vowel marks), and if so the
 * genitives such a nominative usually has, formed from `wie` (the nominative as the pupil
 * should read it back, capitals kept): *amici* or *amicus* for *amicus*. Empty where only
 * the ending can be told (a genitive in -is). Nothing for a usual pair.
 */
std::optional<std::vector<std::string>> seltenesPaar(std::string_view n, std::string_view g,
                                                     std::string_view wie);

} // namespace latiflex::nouns
