// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/bestimmung.h"
#include "shell/form1.h"
#include "widgets/qtdialogs.h"

#include <QWidget>

#include <optional>
#include <vector>

#include <memory>

class QKeySequence;
class QLabel;

namespace latiflex {

class Lektionen;
class LektionenWindow;
class PaneMenu;
class PaneWidget;
class BestimmenWindow;
class TextLesenWindow;
class UebenWindow;
class UeberWindow;

/// The main window `Form1` on screen: the ten buttons and the pane at their designed
/// places, each button wired to its handler, and the hint line in the free band below them.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    /// The window with its Qt dialogs, or with `dialoge` in their place (a test or a soak
    /// run that answers the prompts itself).
    explicit MainWindow(Dialogs* dialoge = nullptr);
    /// The drill goes first: it reads the run's pages, which `form()` holds.
    ~MainWindow() override;

    /// Runs the start-up dialogs, then shows the window.
    void start();

    PaneWidget* bild1() const { return bild1_; }
    /// The pane's context menu: copy and print; others add their entries to it.
    PaneMenu* paneMenu() const { return paneMenu_; }
    QtDialogs& dialoge() { return dialoge_; }
    Form1& form() { return form_; }
    /// The line below the pane and the buttons (shell/hinweis.h).
    QLabel* hinweis() const { return hinweis_; }

    /// F5 or "Üben…": opens the window "Üben" over the words of this run, or says that
    /// there is none yet.
    void ueben();
    /// F6: the drill over the current lesson (before the first lesson, as F5).
    void lektionUeben();
    /// The window "Üben" once opened, else nullptr.
    UebenWindow* uebenWindow() const { return ueben_; }

    /// Ctrl+L or "Lektionen…": opens the window "Lektionen".
    void lektionenZeigen();
    /// The window "Lektionen" once opened, else nullptr.
    LektionenWindow* lektionenWindow() const { return lektionenFenster_; }
    /// The pupil's lessons, kept in the data folder (`QStandardPaths::AppDataLocation`); the
    /// database is opened on its first use, never while the program starts.
    Lektionen& lektionen() { return *lektionen_; }
    /// "Zur Lektion hinzufügen": the word on view joins the current lesson on purpose, also
    /// when the hint line warns that its forms do not fit.
    void hinzufuegen();
    /// F7 or "Bestimmen…": opens the window "Bestimmen", also before the first word.
    void bestimmen();
    /// Opens the window "Über LATIFLEX" (the pane's menu), opening the dictionary for its
    /// authors' names.
    void ueber();
    UeberWindow* ueberWindow() const { return ueber_; }
    /// The window "Bestimmen" once opened, else nullptr.
    BestimmenWindow* bestimmenWindow() const { return bestimmen_; }
    /// F8 or "Text lesen…": opens the window "Text lesen".
    void textLesen();
    /// The window "Text lesen" once opened, else nullptr.
    TextLesenWindow* textLesenWindow() const { return textLesen_; }
    /// Prints the paradigm of a reading as typing its dictionary forms would: the word's
    /// command, and for a verb the tense page that shows the cell.
    void zeige(const analysis::Deutung& d);
    /// The pupil's own words: those of this run's pages and of every lesson.
    const std::vector<Eingabe>& eigeneWoerter();

protected:
    /// Enter on a focused button presses it, as Space does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void zeigeHinweis();
    /// A window's entry in the pane's menu, with its shortcut anywhere in the main window.
    void fensterAktion(const QString& text, const QString& name, const QKeySequence& taste,
                       void (MainWindow::*oeffnen)());
    /// Runs a control's handler; every name given comes from the controls table, so each
    /// has one.
    void klick(std::string_view name) { static_cast<void>(form_.click(name)); }
    /// Shows the lessons' message (a damaged or read-only database), if there is one.
    void zeigeMeldung();

    PaneWidget* bild1_;
    QLabel* hinweis_;
    QtDialogs dialoge_;
    Form1 form_;
    Dialogs& meldungen_; // the dialogs the commands use
    PaneMenu* paneMenu_;
    std::unique_ptr<Lektionen> lektionen_;
    UebenWindow* ueben_ = nullptr;
    LektionenWindow* lektionenFenster_ = nullptr;
    BestimmenWindow* bestimmen_ = nullptr;
    TextLesenWindow* textLesen_ = nullptr;
    UeberWindow* ueber_ = nullptr;
    std::optional<std::vector<Eingabe>> eigene_; // formed again after a change of either
};

} // namespace latiflex
