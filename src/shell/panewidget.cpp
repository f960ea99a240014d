#include "shell/panewidget.h"

#include "shell/twips.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

namespace latiflex {

namespace {

QColor toQColor(Rgb c) { return {c.r, c.g, c.b}; }

} // namespace

PaneWidget::PaneWidget(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFont(QFont(QStringLiteral("Arial"), 12));
    setFocusPolicy(Qt::StrongFocus);
}

qreal PaneWidget::columnWidth() const { return QFontMetricsF(font()).averageCharWidth(); }

qreal PaneWidget::lineHeight() const { return QFontMetricsF(font()).height(); }

void PaneWidget::clear() {
    runs_.clear();
    position_ = {};
    update();
}

void PaneWidget::setForeground(Rgb colour) { foreground_ = toQColor(colour); }

void PaneWidget::setBackground(Rgb colour) {
    background_ = toQColor(colour);
    runs_.clear();
    update();
}

void PaneWidget::setY(int twips) { position_.setY(twipsToPixels(twips, logicalDpiY())); }

void PaneWidget::tab(int column) {
    const qreal x = std::max(column - 1, 0) * columnWidth();
    if (position_.x() > x) newline();
    position_.setX(x);
}

void PaneWidget::text(std::string_view text) {
    if (text.empty()) return;
    Run run{position_, foreground_,
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))};
    position_.rx() += QFontMetricsF(font()).horizontalAdvance(run.text);
    runs_.push_back(std::move(run));
    update();
}

void PaneWidget::newline() {
    position_.setX(0);
    position_.ry() += lineHeight();
}

QSize PaneWidget::sizeHint() const {
    return {twipsToPixels(6615, logicalDpiX()), twipsToPixels(5415, logicalDpiY())};
}

void PaneWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.fillRect(area, background_);
    painter.setClipRect(area);
    painter.setFont(font());
    const qreal ascent = QFontMetricsF(font()).ascent();
    for (const Run& run : runs_) {
        painter.setPen(run.colour);
        painter.drawText(area.topLeft() + run.topLeft + QPointF(0, ascent), run.text);
    }
}

void PaneWidget::mouseReleaseEvent(QMouseEvent* event) {
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace latiflex
