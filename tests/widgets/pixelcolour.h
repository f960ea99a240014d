// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>

namespace latiflex::testing {

/// Whether some pixel in `area` of `image` is of `colour` give or take `tolerance`, the sum
/// of the three channels' differences: the edges of glyphs are blended with the background.
inline bool hasPixelOf(const QImage& image, const QRect& area, QColor colour, int tolerance) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green()) +
                    std::abs(p.blue() - colour.blue()) <
                tolerance)
                return true;
        }
    return false;
}

} // namespace latiflex::testing
