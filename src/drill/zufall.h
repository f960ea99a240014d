// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

namespace latiflex::drill {

/**
 * The drill's source of chance: a Mersenne Twister with an explicit seed and a bounded draw
 * of its own, so that one seed asks the same questions on every platform (the standard
 * distributions may differ between libraries).
 */
class Zufall {
public:
    explicit Zufall(std::uint32_t seed) : mt_(seed) {}

    /// A number from 0 to n - 1, each equally likely; 0 when n is 0.
    std::size_t unter(std::size_t n);

private:
    std::mt19937 mt_;
};

} // namespace latiflex::drill
