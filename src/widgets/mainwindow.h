#pragma once

#include "shell/form1.h"
#include "widgets/qtdialogs.h"

#include <QWidget>

namespace latiflex {

class PaneMenu;
class PaneWidget;

/// The main window `Form1` on screen: the ten buttons and the pane at their designed
/// places, each button wired to its handler.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    /// The window with its Qt dialogs, or with `dialoge` in their place (a test or a soak
    /// run that answers the prompts itself).
    explicit MainWindow(Dialogs* dialoge = nullptr);

    /// Runs the start-up dialogs, then shows the window.
    void start();

    PaneWidget* bild1() const { return bild1_; }
    /// The pane's context menu: copy and print; others add their entries to it.
    PaneMenu* paneMenu() const { return paneMenu_; }
    QtDialogs& dialoge() { return dialoge_; }
    Form1& form() { return form_; }

protected:
    /// Enter on a focused button presses it, as Space does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PaneWidget* bild1_;
    QtDialogs dialoge_;
    Form1 form_;
    PaneMenu* paneMenu_;
};

} // namespace latiflex
