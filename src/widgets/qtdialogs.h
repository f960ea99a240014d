// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interfaces/dialogs.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace latiflex {

class NotesWindow;

/// How wide a window must be for a window manager to show `title` whole.
int titleBarWidth(const QString& title);

/// The dialogs as real Qt windows, modal to the window the pupil works in once the main window
/// is shown: the main window, or a window of its own ("Lektionen", "Üben") that had the focus
/// last, so closing a box gives the focus back to where the pupil was.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* mainWindow);
    ~QtDialogs() override;

    void setOuterSize(int widthTwips, int heightTwips) override;
    std::string inputBox(std::string_view message, std::string_view title) override;
    void messageBox(std::string_view text, int style, std::string_view title) override;
    bool question(std::string_view text, std::string_view title) override;
    std::optional<Rgb> chooseColour(Rgb initial) override;
    void showNotes() override;
    void setNotesText(std::string_view text) override;
    void hideNotes() override;
    void end() override;

    /// Runs when "ZURÜCK" on the notes window is clicked.
    void onCommand1(std::function<void()> handler) { command1_ = std::move(handler); }

    /// The notes window, once the first "?" has created it.
    NotesWindow* notes() const { return notes_.get(); }

private:
    /// Dialogs during start-up have no parent: the main window is not shown yet.
    QWidget* parent() const;
    /// Remembers `fenster` when it is the main window or a modeless window of its own.
    void fokusIn(QWidget* fenster);

    QWidget* mainWindow_;
    QPointer<QWidget> arbeitsfenster_;
    QMetaObject::Connection fokus_;
    std::unique_ptr<NotesWindow> notes_;
    std::function<void()> command1_;
};

} // namespace latiflex
