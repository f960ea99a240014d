// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

class QApplication;

namespace latiflex {

/**
 * The desktop's style, with the keyboard focus drawn clearly: a frame two pixels wide in a
 * strong blue around the focused button, check box, list or combo box, and a solid line
 * around a list's current entry, where most styles draw a faint line or a dotted rectangle
 * a pupil does not find.
 */
class FokusStil final : public QProxyStyle {
public:
    FokusStil();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    /// The colour of the focus frame.
    static QColor farbe();
    /// The style sheet that frames a focused list or tree in that colour.
    static QString listenRahmen();
    /// Makes this the style of `app`, with that style sheet.
    static void anwenden(QApplication& app);
};

} // namespace latiflex
