// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfaces/number.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace latiflex {
namespace {

struct Reading {
    const char* name;
    std::string_view text;
    std::optional<double> value;
};

// 400 nines: beyond a double without any exponent.
const std::string fourHundredDigits(400, '9');

class NumberTest : public ::testing::TestWithParam<Reading> {};

TEST_P(NumberTest, ReadsAsNumberOrNot) {
    EXPECT_EQ(readNumber(GetParam().text), GetParam().value);
    EXPECT_EQ(isNumeric(GetParam().text), GetParam().value.has_value());
}

constexpr double infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Answers, NumberTest,
    ::testing::Values(
        Reading{"plain", "12", 12}, Reading{"blanksAround", "  9  ", 9},
        Reading{"minusZero", "-0", 0}, Reading{"signedFraction", "+.5e-3", 0.0005},
        Reading{"exponent", "2.5E2", 250}, Reading{"trailingPoint", "3.", 3},
        Reading{"negative", "-4", -4}, Reading{"empty", "", std::nullopt},
        Reading{"blanksOnly", "   ", std::nullopt}, Reading{"lonePoint", ".", std::nullopt},
        Reading{"comma", "1,5", std::nullopt}, Reading{"hex", "0x10", std::nullopt},
        Reading{"bareExponent", "1e", std::nullopt}, Reading{"signOnly", "-", std::nullopt},
        Reading{"innerBlank", "1 2", std::nullopt}, Reading{"tab", "\t5", std::nullopt},
        Reading{"word", "abc", std::nullopt}, Reading{"tooLarge", "1e999", infinity},
        Reading{"tooLargeNegative", " -1e400 ", -infinity},
        Reading{"fourHundredDigits", std::string_view(fourHundredDigits), infinity},
        Reading{"hugeFraction", "9.9e308", infinity}, Reading{"largest", "1.7e308", 1.7e308},
        Reading{"tooSmall", "1e-999", 0},
        Reading{"tinyWithoutExponent",
                "0.0000000000000000000000000000000000000000000000000000000000000000000000"
                "0000000000000000000000000000000000000000000000000000000000000000000000"
                "0000000000000000000000000000000000000000000000000000000000000000000000"
                "0000000000000000000000000000000000000000000000000000000000000000000000"
                "0000000000000000000000000000000000000000000000000000000000000000000001",
                0},
        Reading{"doubleSign", "--1", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Number, RoundsHalfToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4), 2);
    EXPECT_EQ(roundHalfEven(2.6), 3);
    EXPECT_EQ(roundHalfEven(15.49), 15);
}

} // namespace
} // namespace latiflex
