// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>
#include <QtNumeric>

namespace latiflex {

/// Twips (1440 to the inch) in pixels at `dpi` logical dots per inch, halves rounded up.
/// Rounded inline: the main window is laid out at start-up, before any other code needs the
/// maths library's pages.
inline int twipsToPixels(int twips, double dpi) { return qRound(twips * dpi / 1440.0); }

/// A rectangle given in twips, in pixels at the logical resolution of `w`'s screen.
inline QRect twipsRect(const QWidget& w, int left, int top, int width, int height) {
    const double dx = w.logicalDpiX();
    const double dy = w.logicalDpiY();
    return {twipsToPixels(left, dx), twipsToPixels(top, dy), twipsToPixels(width, dx),
            twipsToPixels(height, dy)};
}

} // namespace latiflex
