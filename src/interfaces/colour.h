// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace latiflex {

/// A 24-bit RGB colour, as the pane draws it.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// The two colours of a word form, chosen at start-up.
struct Farben {
    Rgb stammfarbe;
    Rgb endfarbe;
};

/// The 16-colour palette of early PC text displays (QBColor): 0 black ... 15 bright white.
/// Any other number has no colour.
std::optional<Rgb> qbColor(long number);

} // namespace latiflex
