// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfaces/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace latiflex {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Counts the digits at s[pos...], advancing pos past them.
std::size_t skipDigits(std::string_view s, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < s.size() && isDigit(s[pos]))
        ++pos;
    return pos - start;
}

// Power of ten of the leading digit of a mantissa with its exponent part ("e-7"), saturated;
// only its sign matters.
long decimalMagnitude(std::string_view mantissa, std::size_t intDigits, std::string_view exponent) {
    const auto firstNonZero = mantissa.find_first_of("123456789");
    if (firstNonZero == std::string_view::npos) return -1;
    // The point, if any, stands right after the integer digits.
    long lead = static_cast<long>(intDigits) - 1 - static_cast<long>(firstNonZero);
    if (firstNonZero > intDigits) ++lead;
    long e = 0;
    if (!exponent.empty()) {
        std::size_t pos = 1;
        bool negative = false;
        if (exponent[pos] == '+' || exponent[pos] == '-') negative = exponent[pos++] == '-';
        for (; pos < exponent.size(); ++pos)
            e = std::min(e * 10 + (exponent[pos] - '0'), 1'000'000L);
        if (negative) e = -e;
    }
    return lead + e;
}

// The text of s between its blanks when it reads as a number, else nothing.
std::optional<std::string_view> numberText(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);

    std::size_t pos = 0;
    if (s[pos] == '+' || s[pos] == '-') ++pos;
    const std::size_t intDigits = skipDigits(s, pos);
    std::size_t fracDigits = 0;
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        fracDigits = skipDigits(s, pos);
    }
    if (intDigits + fracDigits == 0) return std::nullopt;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        ++pos;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
        if (skipDigits(s, pos) == 0) return std::nullopt;
    }
    if (pos != s.size()) return std::nullopt;
    return s;
}

} // namespace

bool isNumeric(std::string_view s) { return numberText(s).has_value(); }

std::optional<double> readNumber(std::string_view s) {
    const auto number = numberText(s);
    if (!number) return std::nullopt;
    s = *number;
    std::size_t pos = 0;
    bool negative = false;
    if (s[pos] == '+' || s[pos] == '-') negative = s[pos++] == '-';
    const std::size_t body = pos;
    const std::size_t intDigits = skipDigits(s, pos);
    const std::size_t mantissaEnd = s.find_first_of("eE", pos);

    double value = 0;
    const auto text = s.substr(body);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large is infinite, too small is zero.
        const auto mantissa = s.substr(body, std::min(mantissaEnd, s.size()) - body);
        const auto exponent =
            mantissaEnd == std::string_view::npos ? std::string_view{} : s.substr(mantissaEnd);
        value = decimalMagnitude(mantissa, intDigits, exponent) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double roundHalfEven(double x) {
    const double nearest = std::round(x); // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5) return 2.0 * std::round(x / 2.0);
    return nearest;
}

} // namespace latiflex
