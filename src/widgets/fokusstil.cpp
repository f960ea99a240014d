// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/fokusstil.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace latiflex {

namespace {

constexpr int breite = 2;

// The focus frame just inside `rahmen`.
void zeichne(QPainter* maler, QRect rahmen) {
    maler->save();
    maler->setRenderHint(QPainter::Antialiasing, false);
    maler->setBrush(Qt::NoBrush);
    maler->setPen(QPen(FokusStil::farbe(), breite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    // A pen of two pixels is centred on the line: half a pen inside each edge.
    maler->drawRect(rahmen.adjusted(breite / 2, breite / 2, -breite / 2 - 1, -breite / 2 - 1));
    maler->restore();
}

bool imFokus(const QStyleOption* option) { return option->state & QStyle::State_HasFocus; }

} // namespace

FokusStil::FokusStil() = default;

QColor FokusStil::farbe() { return {0, 70, 200}; }

QString FokusStil::listenRahmen() {
    return QStringLiteral("QAbstractItemView:focus { border: 2px solid %1; }").arg(farbe().name());
}

void FokusStil::anwenden(QApplication& app) {
    // The application owns the style, as its child.
    auto* stil = new FokusStil;
    stil->setParent(&app);
    QApplication::setStyle(stil);
    // A list repaints its frame when the focus comes or goes only where a style sheet says
    // how the frame looks then.
    app.setStyleSheet(listenRahmen());
}

void FokusStil::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    // A list's current item, a check box's text: a solid line, not a dotted one.
    if (element == PE_FrameFocusRect) {
        painter->save();
        painter->setPen(farbe());
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FokusStil::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if ((element == CE_PushButton || element == CE_CheckBox) && imFokus(option))
        zeichne(painter, option->rect);
}

void FokusStil::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && imFokus(option)) zeichne(painter, option->rect);
}

} // namespace latiflex
