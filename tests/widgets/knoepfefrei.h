#pragma once

#include <QPushButton>
#include <QStringList>
#include <QWidget>

/// The captions of the main window's buttons that `fenster`'s frame covers.
inline QStringList verdeckteKnoepfe(const QWidget& fenster, const QWidget& haupt) {
    const QRect rahmen(fenster.pos(), fenster.frameGeometry().size());
    QStringList verdeckt;
    for (const QPushButton* b : haupt.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        if (rahmen.intersects(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())))
            verdeckt.append(b->text());
    return verdeckt;
}
