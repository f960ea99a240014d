// SPDX-License-Identifier: GPL-3.0-or-later
// The text rules and the number test on any bytes: cuts add up to the word, land on letter
// boundaries, and the number test agrees with itself.
#include "grammar/text.h"
#include "interfaces/number.h"
#include "require.h"
#include "session.h"

#include <cmath>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace latiflex;
    if (size == 0) return 0;
    const std::size_t k = data[0] % 8;
    const std::string_view s(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool valid = text::isValidUtf8(s);

    const auto rest = text::less(s, k);
    const auto last = text::lastLetters(s, k);
    if (text::letterCount(s) >= k) {
        require(rest && std::string(*rest) + std::string(last) == s);
        require(text::letterCount(last) == k);
        require(!valid || (text::isValidUtf8(*rest) && text::isValidUtf8(last)));
    } else {
        require(!rest && last == s);
    }
    if (const auto letter = text::letterFromEnd(s, k)) {
        require(k > 0 && text::letterCount(*letter) == 1);
        require(std::string(*text::less(s, k)) + std::string(*letter) +
                    std::string(text::lastLetters(s, k - 1)) ==
                s);
    }

    const auto value = readNumber(s);
    require(value.has_value() == isNumeric(s));
    require(value.has_value() == isNumeric(" " + std::string(s) + "  "));
    if (value && std::isfinite(*value)) {
        const double whole = roundHalfEven(*value);
        require(whole == std::trunc(whole) && std::fabs(whole - *value) <= 0.5);
    }
    return 0;
}
