#pragma once

#include "interfaces/dialogs.h"

#include <functional>
#include <memory>

class QWidget;

namespace latiflex {

class NotesWindow;

/// The dialogs as real Qt windows, modal to the main window once it is shown.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* mainWindow);
    ~QtDialogs() override;

    void setOuterSize(int widthTwips, int heightTwips) override;
    std::string inputBox(std::string_view message, std::string_view title) override;
    void messageBox(std::string_view text, int style, std::string_view title) override;
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

    QWidget* mainWindow_;
    std::unique_ptr<NotesWindow> notes_;
    std::function<void()> command1_;
};

} // namespace latiflex
