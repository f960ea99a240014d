#include "widgets/uebenmenue.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace latiflex {

UebenMenue::UebenMenue(QWidget* pane, QAction* ueben) : QObject(pane) {
    pane->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pane, &QWidget::customContextMenuRequested, this, [pane, ueben](const QPoint& at) {
        QMenu menue(pane);
        menue.addAction(ueben);
        menue.exec(pane->mapToGlobal(at));
    });
}

} // namespace latiflex
