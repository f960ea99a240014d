// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interfaces/colour.h"

#include <QColor>

#include <cstdint>

namespace latiflex {

/// The program's colour as Qt's.
inline QColor qcolour(Rgb c) { return {c.r, c.g, c.b}; }

/// Qt's colour as the program's; any alpha is dropped.
inline Rgb rgb(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

} // namespace latiflex
