// SPDX-License-Identifier: GPL-3.0-or-later
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

int obenIn(const QRect& platz, int y, int hoehe) {
    return std::clamp(y, platz.top(), std::max(platz.top(), platz.bottom() - hoehe));
}

// Beside the main window where the screen has room for `fenster` whole: right, left, below,
// above. False where it has none.
bool nebenHaupt(QWidget& fenster, const QWidget& haupt) {
    const QRect h = haupt.frameGeometry();
    const QRect platz = frei(haupt);
    const QSize r = rahmen(fenster);
    const std::array<QPoint, 4> stellen{QPoint(h.right() + 1 + abstand, h.top()),
                                        QPoint(h.left() - abstand - r.width(), h.top()),
                                        QPoint(h.left(), h.bottom() + 1 + abstand),
                                        QPoint(h.left(), h.top() - abstand - r.height())};
    for (const QPoint& p : stellen)
        if (platz.isEmpty() || platz.contains(QRect(p, r))) {
            fenster.move(p);
            return true;
        }
    return false;
}

// Right of the main window, narrower and with the main window moved to the screen's left
// edge as far as need be, where that leaves `fenster` usable. False where it would not.
bool rechtsSchmaler(QWidget& fenster, QWidget& haupt) {
    QRect h = haupt.frameGeometry();
    const QRect platz = frei(haupt);
    const int rand = rahmen(fenster).width() - fenster.width();
    const int hoechstens = platz.width() - h.width() - abstand - rand;
    // Usable: at least half as wide as it was made, and never below its smallest width.
    const int brauchbar = std::max(fenster.minimumSizeHint().width(), fenster.width() / 2);
    if (hoechstens < brauchbar || rahmen(fenster).height() > platz.height()) return false;
    const int breite = std::min(fenster.width(), hoechstens);
    const int rechts = platz.right() - h.right() - abstand - rand;
    if (rechts < breite) haupt.move(haupt.x() - (breite - rechts), haupt.y());
    h = haupt.frameGeometry();
    fenster.resize(breite, fenster.height());
    fenster.move(h.right() + 1 + abstand, obenIn(platz, h.top(), rahmen(fenster).height()));
    return true;
}

} // namespace

void passeEin(QWidget& fenster) {
    const QRect platz = frei(fenster);
    if (platz.isEmpty()) return;
    const QSize rand = rahmen(fenster) - fenster.size();
    const QSize hoechstens = platz.size() - rand;
    if (fenster.width() > hoechstens.width() || fenster.height() > hoechstens.height())
        fenster.resize(fenster.size().boundedTo(hoechstens));
}

void platziereNeben(QWidget& fenster, QWidget& haupt) {
    passeEin(fenster);
    if (nebenHaupt(fenster, haupt) || rechtsSchmaler(fenster, haupt)) return;
    const QRect h = haupt.frameGeometry();
    const QRect platz = frei(haupt);
    QSize r = rahmen(fenster);
    // No room beside the main window: over its pane, never over its buttons.
    int knoepfe = h.right();
    for (const QPushButton* b : haupt.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        knoepfe = std::min(knoepfe, b->mapToGlobal(QPoint(0, 0)).x());
    const int vorKnoepfen = knoepfe - abstand - platz.left() - (r.width() - fenster.width());
    if (r.width() > knoepfe - abstand - platz.left() && !platz.isEmpty())
        fenster.resize(std::max(vorKnoepfen, fenster.minimumSizeHint().width()), fenster.height());
    r = rahmen(fenster);
    QPoint p(std::max(platz.left(), knoepfe - r.width() - abstand), h.top());
    p.setY(obenIn(platz, p.y(), r.height()));
    fenster.move(p);
}

void platziereNebenBild(QWidget& fenster, QWidget& haupt) {
    const auto* bild = haupt.findChild<const QWidget*>(QStringLiteral("Bild1"));
    if (!bild) {
        platziereNeben(fenster, haupt);
        return;
    }
    passeEin(fenster);
    if (nebenHaupt(fenster, haupt) || rechtsSchmaler(fenster, haupt)) return;
    const QRect platz = frei(haupt);
    const int rand = rahmen(fenster).width() - fenster.width();
    const auto rechtsVomBild = [&] { return bild->mapToGlobal(QPoint(bild->width(), 0)).x(); };
    // The main window moves left, as far as the screen allows, until `fenster` fits right of
    // the pane; where it still does not, `fenster` is narrowed down to its smallest width.
    const int noetig = rechtsVomBild() + abstand + fenster.width() + rand - 1 - platz.right();
    if (noetig > 0) {
        const int schritt = std::min(noetig, haupt.frameGeometry().left() - platz.left());
        if (schritt > 0) haupt.move(haupt.x() - schritt, haupt.y());
    }
    const int x = rechtsVomBild() + abstand;
    const int breite = std::max(std::min(fenster.width(), platz.right() + 1 - x - rand),
                                fenster.minimumSizeHint().width());
    fenster.resize(breite, fenster.height());
    fenster.move(x, obenIn(platz, haupt.frameGeometry().top(), rahmen(fenster).height()));
    insBild(fenster);
}

void insBild(QWidget& fenster) {
    passeEin(fenster);
    const QRect platz = frei(fenster);
    if (platz.isEmpty()) return;
    const QSize r = rahmen(fenster);
    const QPoint p = fenster.pos();
    fenster.move(std::clamp(p.x(), platz.left(), std::max(platz.left(), platz.right() - r.width())),
                 obenIn(platz, p.y(), r.height()));
}

} // namespace latiflex
