// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetricsF>

namespace latiflex {

/**
 * The width of one character column of the pane: the average character width of its font
 * as the page layout was made for, the classic `xAvgCharWidth` of a TrueType font's OS/2
 * table (versions 0 to 2). That is the weighted average of the advances of the lowercase
 * letters a to z and the blank, with the weights of their frequency in English text, so a
 * column is about the width of a lowercase letter; for Arial 12 pt (Liberation Sans on
 * Debian) at 96 dpi it is about 7.07 px. Qt's own averageCharWidth() averages over every
 * glyph of the font and for Liberation Sans comes out at about 9.4 px, which puts column 45
 * at the pane's right edge.
 *
 * Everything that places text by columns (the pane, its reading for assistive technology,
 * printing) takes the column from here, measured with the metrics of its own device.
 */
qreal columnWidth(const QFontMetricsF& metrics);

} // namespace latiflex
