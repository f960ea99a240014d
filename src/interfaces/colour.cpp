// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfaces/colour.h"

#include <array>

namespace latiflex {

std::optional<Rgb> qbColor(long number) {
    static constexpr std::array<Rgb, 16> palette{{
        {0x00, 0x00, 0x00}, // 0 black
        {0x00, 0x00, 0x80}, // 1 blue
        {0x00, 0x80, 0x00}, // 2 green
        {0x00, 0x80, 0x80}, // 3 cyan
        {0x80, 0x00, 0x00}, // 4 red
        {0x80, 0x00, 0x80}, // 5 magenta
        {0x80, 0x80, 0x00}, // 6 yellow (brown)
        {0xC0, 0xC0, 0xC0}, // 7 white (light grey)
        {0x80, 0x80, 0x80}, // 8 grey
        {0x00, 0x00, 0xFF}, // 9 light blue
        {0x00, 0xFF, 0x00}, // 10 light green
        {0x00, 0xFF, 0xFF}, // 11 light cyan
        {0xFF, 0x00, 0x00}, // 12 light red
        {0xFF, 0x00, 0xFF}, // 13 light magenta
        {0xFF, 0xFF, 0x00}, // 14 light yellow
        {0xFF, 0xFF, 0xFF}, // 15 bright white
    }};
    if (number < 0 || number >= static_cast<long>(palette.size())) return std::nullopt;
    return palette[static_cast<std::size_t>(number)];
}

} // namespace latiflex
