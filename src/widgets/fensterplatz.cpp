#include "widgets/fensterplatz.h"

#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>

namespace latiflex {

namespace {

constexpr int abstand = 8;

// The window's frame is not known before it is shown: room for a title bar and borders.
QSize rahmen(const QWidget& fenster) {
    return fenster.frameGeometry().size().expandedTo(fenster.size() + QSize(8, 32));
}

QRect frei(const QWidget& w) {
    const QScreen* bildschirm = w.screen();
    return bildschirm ? bildschirm->availableGeometry() : QRect();
}

} // namespace

void platziereNeben(QWidget& fenster, QWidget& haupt) {
    QRect h = haupt.frameGeometry();
    const QRect platz = frei(haupt);
    QSize r = rahmen(fenster);
    const std::array<QPoint, 4> stellen{QPoint(h.right() + 1 + abstand, h.top()),
                                        QPoint(h.left() - abstand - r.width(), h.top()),
                                        QPoint(h.left(), h.bottom() + 1 + abstand),
                                        QPoint(h.left(), h.top() - abstand - r.height())};
    for (const QPoint& p : stellen)
        if (platz.isEmpty() || platz.contains(QRect(p, r))) {
            fenster.move(p);
            return;
        }
    // Beside it on the right, narrower and with the main window moved to the screen's left
    // edge as far as need be, where that leaves the window usable.
    const int rand = r.width() - fenster.width();
    const int hoechstens = platz.width() - h.width() - abstand - rand;
    if (hoechstens >= fenster.minimumSizeHint().width() && r.height() <= platz.height()) {
        const int breite = std::min(fenster.width(), hoechstens);
        const int rechts = platz.right() - h.right() - abstand - rand;
        if (rechts < breite) haupt.move(haupt.x() - (breite - rechts), haupt.y());
        h = haupt.frameGeometry();
        fenster.resize(breite, fenster.height());
        r = rahmen(fenster);
        fenster.move(
            h.right() + 1 + abstand,
            std::clamp(h.top(), platz.top(), std::max(platz.top(), platz.bottom() - r.height())));
        return;
    }
    // No room beside the main window: over its pane, never over its buttons.
    int knoepfe = h.right();
    for (const QPushButton* b : haupt.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        knoepfe = std::min(knoepfe, b->mapToGlobal(QPoint(0, 0)).x());
    const int vorKnoepfen = knoepfe - abstand - platz.left() - (r.width() - fenster.width());
    if (r.width() > knoepfe - abstand - platz.left() && !platz.isEmpty())
        fenster.resize(std::max(vorKnoepfen, fenster.minimumSizeHint().width()), fenster.height());
    r = rahmen(fenster);
    QPoint p(std::max(platz.left(), knoepfe - r.width() - abstand), h.top());
    p.setY(std::clamp(p.y(), platz.top(), std::max(platz.top(), platz.bottom() - r.height())));
    fenster.move(p);
}

void insBild(QWidget& fenster) {
    const QRect platz = frei(fenster);
    if (platz.isEmpty()) return;
    const QSize r = rahmen(fenster);
    const QPoint p = fenster.pos();
    fenster.move(
        std::clamp(p.x(), platz.left(), std::max(platz.left(), platz.right() - r.width())),
        std::clamp(p.y(), platz.top(), std::max(platz.top(), platz.bottom() - r.height())));
}

} // namespace latiflex
