// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/zufall.h"

namespace latiflex::drill {

std::size_t Zufall::unter(std::size_t n) {
    if (n <= 1) return 0;
    constexpr std::uint64_t spanne = std::uint64_t{1} << 32;
    if (n >= spanne) return static_cast<std::size_t>(mt_());
    // Rejects the top remainder of the 32-bit range, so that every value is equally likely.
    const std::uint64_t grenze = spanne - spanne % n;
    std::uint64_t x = 0;
    do {
        x = mt_();
    } while (x >= grenze);
    return static_cast<std::size_t>(x % n);
}

} // namespace latiflex::drill
