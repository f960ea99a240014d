#pragma once

#include <optional>
#include <string_view>

namespace latiflex {

/// The value of s when it reads as a number: blanks before and after, an optional sign,
/// digits with an optional decimal point, and an optional exponent ("  -2.5e3 ", "+.5").
/// The empty text, a lone point, a comma, hexadecimal and a value beyond the range of a
/// double ("1e999") are no numbers; a value too small for a double reads as 0.
std::optional<double> readNumber(std::string_view s);

/// Whether s reads as a number (the guard of every prompt that wants a word).
inline bool isNumeric(std::string_view s) { return readNumber(s).has_value(); }

/// x rounded to the nearest whole number, an exact half to the even neighbour (2.5 -> 2).
double roundHalfEven(double x);

} // namespace latiflex
