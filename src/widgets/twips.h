// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

#include <cmath>

namespace latiflex {

/// Twips (1440 to the inch) in pixels at `dpi` logical dots per inch.
inline int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

/// A rectangle given in twips, in pixels at the logical resolution of `w`'s screen.
inline QRect twipsRect(const QWidget& w, int left, int top, int width, int height) {
    const double dx = w.logicalDpiX();
    const double dy = w.logicalDpiY();
    return {twipsToPixels(left, dx), twipsToPixels(top, dy), twipsToPixels(width, dx),
            twipsToPixels(height, dy)};
}

} // namespace latiflex
