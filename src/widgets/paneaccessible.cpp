// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/paneaccessible.h"

#include "widgets/panereading.h"
#include "widgets/panewidget.h"

#include <QAccessible>

#include <algorithm>

namespace latiflex {

namespace {

PaneReading readingOf(const PaneWidget& pane) {
    return {pane.runs(), pane.seite(), pane.hinweis(), pane.lineHeight(), pane.columnWidth()};
}

QAccessibleInterface* paneFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("latiflex::PaneWidget") && object && object->isWidgetType())
        return new PaneAccessible(static_cast<PaneWidget*>(object));
    return nullptr;
}

} // namespace

PaneAccessible::PaneAccessible(PaneWidget* pane)
    : QAccessibleWidget(pane, QAccessible::StaticText) {}

PaneWidget* PaneAccessible::pane() const { return static_cast<PaneWidget*>(widget()); }

QString PaneAccessible::reading() const { return readingOf(*pane()).text(); }

void* PaneAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString PaneAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return reading();
    return QAccessibleWidget::text(t);
}

QAccessible::State PaneAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.multiLine = true;
    return s;
}

void PaneAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

QString PaneAccessible::text(int startOffset, int endOffset) const {
    const QString all = reading();
    startOffset = std::clamp(startOffset, 0, int(all.size()));
    endOffset = std::clamp(endOffset, startOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int PaneAccessible::characterCount() const { return int(reading().size()); }

QRect PaneAccessible::characterRect(int offset) const {
    const auto place = readingOf(*pane()).place(offset);
    if (!place) return {};
    const PaneWidget::Run& run = pane()->runs()[place->run];
    const qreal left = pane()->advanceOf(run, place->index);
    const qreal right = pane()->advanceOf(run, place->index + 1);
    // Edges rounded to whole pixels, so that neighbouring characters neither overlap nor gap.
    const QPointF origin = QPointF(pane()->origin()) + run.topLeft;
    const QPoint topLeft(qRound(origin.x() + left), qRound(origin.y()));
    const QPoint bottomRight(qRound(origin.x() + right) - 1,
                             qRound(origin.y() + pane()->lineHeight()) - 1);
    return {pane()->mapToGlobal(topLeft), pane()->mapToGlobal(bottomRight)};
}

int PaneAccessible::offsetAtPoint(const QPoint& point) const {
    const QPointF local = QPointF(pane()->mapFromGlobal(point) - pane()->origin());
    const PaneReading reading = readingOf(*pane());
    const auto& runs = pane()->runs();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const QRectF box(runs[i].topLeft, QSizeF(runs[i].advance, pane()->lineHeight()));
        if (!box.contains(local)) continue;
        qsizetype index = 0;
        while (index + 1 < runs[i].text.size() &&
               runs[i].topLeft.x() + pane()->advanceOf(runs[i], index + 1) <= local.x())
            ++index;
        return int(reading.offsetOf({i, index}));
    }
    return -1;
}

// Each text's colour, in the form Qt's own text widgets give it.
QString PaneAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    const PaneReading reading = readingOf(*pane());
    const auto place = reading.place(offset);
    if (!place) {
        *startOffset = offset;
        *endOffset = offset + 1;
        return {};
    }
    const PaneWidget::Run& run = pane()->runs()[place->run];
    *startOffset = offset - int(place->index);
    *endOffset = *startOffset + int(run.text.size());
    return QStringLiteral("color:rgb(%1,%2,%3);")
        .arg(run.colour.red())
        .arg(run.colour.green())
        .arg(run.colour.blue());
}

void installPaneAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(paneFactory);
        return true;
    }();
    (void)installed;
}

} // namespace latiflex
