#pragma once

#include "shell/form1.h"
#include "shell/qtdialogs.h"

#include <QWidget>

namespace latiflex {

class PaneWidget;

/// The main window `Form1` on screen: the ten buttons and the pane at their designed
/// places, each button wired to its handler.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    MainWindow();

    /// Runs the start-up dialogs, then shows the window.
    void start();

    PaneWidget* bild1() const { return bild1_; }
    QtDialogs& dialoge() { return dialoge_; }
    Form1& form() { return form_; }

private:
    PaneWidget* bild1_;
    QtDialogs dialoge_;
    Form1 form_;
};

} // namespace latiflex
