// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <QTreeWidget>

#include <functional>

namespace latiflex {

/// A list of readings on which Enter chooses the current one.
class EnterListe final : public QTreeWidget {
public:
    EnterListe(QWidget* parent, std::function<void(QTreeWidgetItem*)> enter)
        : QTreeWidget(parent), enter_(std::move(enter)) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && currentItem())
            return enter_(currentItem());
        QTreeWidget::keyPressEvent(e);
    }

private:
    std::function<void(QTreeWidgetItem*)> enter_;
};

} // namespace latiflex
