// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/panewidget.h"

#include "grammar/text.h"
#include "shell/beschriftung.h"
#include "shell/hinweis.h"
#include "widgets/columnwidth.h"
#include "widgets/paneaccessible.h"
#include "widgets/panereading.h"
#include "widgets/qtcolour.h"
#include "widgets/twips.h"

#include <QAccessible>

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

namespace latiflex {

namespace {

bool hasRightToLeft(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
        case QChar::DirFSI:
            return true;
        default:
            return false;
        }
    });
}

// Length of the start of `text` that reaches past `width` pixels, measured in pieces and
// ended at a character boundary; the whole text when it is shorter. Right-to-left text is
// reordered as a whole, so it is always drawn whole.
qsizetype visiblePart(const QString& text, const QFontMetricsF& metrics, qreal width) {
    constexpr qsizetype piece = 64;
    if (text.size() <= piece || hasRightToLeft(text)) return text.size();
    const qreal limit = width + 4 * metrics.maxWidth(); // room for kerning between pieces
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qreal reached = 0;
    qsizetype end = 0;
    while (end < text.size() && reached <= limit) {
        boundaries.setPosition(std::min(end + piece, text.size()));
        if (!boundaries.isAtBoundary()) boundaries.toNextBoundary();
        const qsizetype next = boundaries.position() < 0 ? text.size() : boundaries.position();
        reached += metrics.horizontalAdvance(text.mid(end, next - end));
        end = next;
    }
    return end;
}

} // namespace

PaneWidget::PaneWidget(QWidget* parent) : QFrame(parent) {
    installPaneAccessible();
    announcer_.setSingleShot(true);
    announcer_.setInterval(0);
    connect(&announcer_, &QTimer::timeout, this, &PaneWidget::announceNow);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFont(QFont(QStringLiteral("Arial"), arialPunkte));
    setFocusPolicy(Qt::StrongFocus);
}

qreal PaneWidget::columnWidth() const {
    if (column_ < 0 || columnFont_ != font()) {
        columnFont_ = font();
        column_ = latiflex::columnWidth(QFontMetricsF(font()));
    }
    return column_;
}

qreal PaneWidget::lineHeight() const { return QFontMetricsF(font()).height(); }

void PaneWidget::clear() {
    runs_.clear();
    position_ = {};
    update();
    announce();
}

void PaneWidget::setForeground(Rgb colour) { foreground_ = qcolour(colour); }

void PaneWidget::setBackground(Rgb colour) {
    background_ = qcolour(colour);
    runs_.clear();
    update();
    announce();
}

qreal PaneWidget::advanceOf(const Run& run, qsizetype length) const {
    return QFontMetricsF(font()).horizontalAdvance(run.text.left(length));
}

// A command prints a page in many pieces: a screen reader hears of it once, when the
// program is idle again, and only when one listens at all.
void PaneWidget::announce() {
    if (QAccessible::isActive()) announcer_.start();
}

void PaneWidget::announceNow() {
    const QString now = PaneReading(runs_, seite(), hinweis(), lineHeight(), columnWidth()).text();
    if (now == announced_) return;
    QAccessibleTextUpdateEvent event(this, 0, announced_, now);
    QAccessible::updateAccessibility(&event);
    announced_ = now;
}

void PaneWidget::setY(int twips) { position_.setY(twipsToPixels(twips, logicalDpiY())); }

void PaneWidget::tab(int column) {
    const qreal x = std::max(column - 1, 0) * columnWidth();
    if (position_.x() > x) newline();
    position_.setX(x);
}

void PaneWidget::text(std::string_view text) {
    if (text.empty()) return;
    const QFontMetricsF metrics(font());
    Run run{
        position_, foreground_, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
        0,         0,           bezug_};
    run.shown = visiblePart(run.text, metrics, contentsRect().width() - position_.x());
    run.advance = metrics.horizontalAdvance(run.text);
    position_.rx() += run.advance;
    runs_.push_back(std::move(run));
    update();
    announce();
}

void PaneWidget::newline() {
    position_.setX(0);
    position_.ry() += lineHeight();
}

QSize PaneWidget::sizeHint() const {
    return {twipsToPixels(6615, logicalDpiX()), twipsToPixels(5415, logicalDpiY())};
}

const grammar::Paradigma* PaneWidget::seite() const {
    return seiten_ ? seiten_->aufSicht() : nullptr;
}

QString PaneWidget::hinweis() const {
    return seiten_ ? QString::fromStdString(hinweis::text(*seiten_)) : QString();
}

// Over a printed form its cell, over a column's heading its meaning, read from the value.
bool PaneWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QFrame::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QPointF local = QPointF(help->pos() - origin());
    const grammar::Paradigma* p = seite();
    for (const Run& run : runs_) {
        const QRectF box(run.topLeft, QSizeF(run.advance, lineHeight()));
        if (!p || !box.contains(local)) continue;
        const auto label = beschriftung(*p, run.bezug);
        if (!label) continue;
        // A typed word is text, never markup; a huge one shows its beginning and its end.
        QString zeile =
            QString::fromStdString(text::kurz(label->gedruckt) + " – " + label->bedeutung);
        if (Qt::mightBeRichText(zeile)) zeile = Qt::convertFromPlainText(zeile);
        QToolTip::showText(help->globalPos(), zeile, this,
                           box.translated(origin()).toAlignedRect());
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
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
        const QPointF baseline = area.topLeft() + run.topLeft + QPointF(0, ascent);
        if (run.shown == run.text.size())
            painter.drawText(baseline, run.text);
        else
            painter.drawText(baseline, run.text.left(run.shown));
    }
}

void PaneWidget::mouseReleaseEvent(QMouseEvent* event) {
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace latiflex
