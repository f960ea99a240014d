// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>

namespace latiflex::grammar {

/// A table counted from 1, as grammars count rows of a declension (1 to 12) and persons
/// (1 to 6): `tabelle[1]` is its first entry. Indexing outside throws.
template <typename T, std::size_t N> struct AbEins {
    std::array<T, N> werte;

    constexpr const T& operator[](int i) const { return werte.at(index(i)); }
    constexpr T& operator[](int i) { return werte.at(index(i)); }
    static constexpr int groesse() { return static_cast<int>(N); }

private:
    static constexpr std::size_t index(int i) {
        if (i < 1) throw std::out_of_range("AbEins: index below 1");
        return static_cast<std::size_t>(i - 1);
    }
};

} // namespace latiflex::grammar
