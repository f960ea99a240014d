// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interfaces/dialogs.h"
#include "interfaces/outputpane.h"

#include <deque>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace latiflex::testing {

/// A log text in double quotes, with backslash, quote and control characters escaped.
std::string quoted(std::string_view text);

/// "#RRGGBB".
std::string hex(Rgb colour);

/// The output pane of the test driver: logs every primitive, one line each.
class RecordingPane final : public OutputPane {
public:
    explicit RecordingPane(std::ostream& log) : log_(log) {}

    void clear() override;
    void setForeground(Rgb colour) override;
    void setBackground(Rgb colour) override;
    void setY(int twips) override;
    void tab(int column) override;
    void text(std::string_view text) override;
    void newline() override;

private:
    std::ostream& log_;
};

/// What a script says to the next prompt or colour dialog.
struct Answer {
    std::string text;
};
struct Cancel {};
struct ColourChoice {
    Rgb colour;
};
using Response = std::variant<Answer, Cancel, ColourChoice>;

/// Dialogs answered from a queue of responses, each shown and logged: the one stand-in for
/// the dialogs in every test, the transcript driver's and the widget tests'. A prompt takes
/// the next response: an answer is typed, anything else is taken as Cancel. A colour dialog
/// likewise takes a colour or is cancelled. With the queue empty, both are cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    explicit ScriptedDialogs(std::ostream& log) : log_(log) {}
    /// Answers the prompts with `antworten` in turn, logging nowhere (for widget tests).
    explicit ScriptedDialogs(std::deque<std::string> antworten = {}) : log_(stumm_) {
        for (std::string& a : antworten)
            push(Answer{std::move(a)});
    }

    /// The text of every message box shown, in order.
    std::vector<std::string> messages;
    /// Every dialog asked for, by its kind: "prompt", "message", "question", "colour",
    /// "notes", "end".
    std::vector<std::string> calls;

    void push(Response response) { responses_.push_back(std::move(response)); }
    /// Drops the responses not taken yet.
    void forget() { responses_.clear(); }
    bool ended() const { return ended_; }

    void setOuterSize(int widthTwips, int heightTwips) override;
    std::string inputBox(std::string_view message, std::string_view title) override;
    void messageBox(std::string_view text, int style, std::string_view title) override;
    /// Takes the next response: the answer "Ja" is yes, anything else (or none) no.
    bool question(std::string_view text, std::string_view title) override;
    std::optional<Rgb> chooseColour(Rgb initial) override;
    void showNotes() override;
    void setNotesText(std::string_view text) override;
    void hideNotes() override;
    void end() override;

private:
    Response next();

    std::ostringstream stumm_;
    std::ostream& log_;
    std::deque<Response> responses_;
    bool ended_ = false;
};

} // namespace latiflex::testing
