#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace latiflex {

/// The pane's context menu (right button): "Üben…" with its shortcut F5. The left button
/// keeps its meaning.
class UebenMenue final : public QObject {
    Q_OBJECT

public:
    UebenMenue(QWidget* pane, QAction* ueben);
};

} // namespace latiflex
