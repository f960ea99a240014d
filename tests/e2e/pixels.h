// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logmodel.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QStringList>

#include <vector>

namespace latiflex::e2e {

/// A screenshot of one window with `scale` device pixels to a logical pixel.
struct Shot {
    QImage image;
    qreal scale = 1;

    QRgb at(QPointF logical) const;
    QRect device(const QRectF& logical) const;
};

/**
 * Whether the pane's text area `area` (logical, in window coordinates) shows exactly what
 * `model` says: every pixel is the background or lies on a text of the model in a shade of
 * that text's colour, and every visible text has fully inked pixels of its colour.
 */
QStringList checkPane(const Shot& shot, const QRectF& area, const PaneModel& model);

/// Whether a button stands at `rect` (logical) with `caption` in `font` drawn on it, the
/// window's colour `window` around it.
QStringList checkButton(const Shot& shot, const QRectF& rect, const QString& caption,
                        const QFont& font, QColor window);

/// Of the pixels inked in one of `colours` on `background`, the share inked fully: the
/// measure of how sharp text is drawn (an enlarged image has soft edges and a smaller share).
double fullInkShare(const QImage& image, QColor background, const std::vector<QColor>& colours);

} // namespace latiflex::e2e
