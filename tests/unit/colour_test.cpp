// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfaces/colour.h"

#include <gtest/gtest.h>

namespace latiflex {
namespace {

TEST(Palette, HasSixteenColours) {
    EXPECT_EQ(qbColor(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(qbColor(2), (Rgb{0, 0x80, 0}));
    EXPECT_EQ(qbColor(9), (Rgb{0, 0, 0xFF}));
    EXPECT_EQ(qbColor(12), (Rgb{0xFF, 0, 0}));
    EXPECT_EQ(qbColor(15), (Rgb{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(qbColor(16), std::nullopt);
    EXPECT_EQ(qbColor(-1), std::nullopt);
}

} // namespace
} // namespace latiflex
