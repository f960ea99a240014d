// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>
#include <QStringList>
#include <QWidget>

/// Whether `fenster`'s frame covers any part of `teil`, a widget of another window.
inline bool bedeckt(const QWidget& fenster, const QWidget& teil) {
    const QRect rahmen(fenster.pos(), fenster.frameGeometry().size());
    return rahmen.intersects(QRect(teil.mapToGlobal(QPoint(0, 0)), teil.size()));
}

/// The captions of the main window's buttons that `fenster`'s frame covers.
inline QStringList verdeckteKnoepfe(const QWidget& fenster, const QWidget& haupt) {
    QStringList verdeckt;
    for (const QPushButton* b : haupt.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        if (bedeckt(fenster, *b)) verdeckt.append(b->text());
    return verdeckt;
}
