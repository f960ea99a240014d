// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace latiflex {

/// Whether s reads as a number, however large (the guard of every prompt that wants a
/// word): blanks before and after, an optional sign, digits with an optional decimal point,
/// and an optional exponent ("  -2.5e3 ", "+.5", "1e400"). The empty text, a lone point, a
/// comma and hexadecimal are no numbers.
bool isNumeric(std::string_view s);

/// The value of s when it reads as a number, else nothing. A value beyond the range of a
/// double ("1e400", 400 digits) is infinite, with its sign; one too small for it reads as 0.
std::optional<double> readNumber(std::string_view s);

/// x rounded to the nearest whole number, an exact half to the even neighbour (2.5 -> 2).
double roundHalfEven(double x);

} // namespace latiflex
