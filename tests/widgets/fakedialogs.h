#pragma once

#include "interfaces/dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace latiflex::testing {

/// Dialogs answered from a list, for widget tests that need a real pane but no modal box.
class FakeDialogs final : public Dialogs {
public:
    explicit FakeDialogs(std::deque<std::string> answers) : answers_(std::move(answers)) {}

    std::vector<std::string> messages;
    /// Every dialog asked for, by its kind: "prompt", "message", "colour", "notes", "end".
    std::vector<std::string> calls;

    void setOuterSize(int, int) override {}
    std::string inputBox(std::string_view, std::string_view) override {
        calls.emplace_back("prompt");
        if (answers_.empty()) return {};
        std::string answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void messageBox(std::string_view text, int, std::string_view) override {
        messages.emplace_back(text);
        calls.emplace_back("message");
    }
    std::optional<Rgb> chooseColour(Rgb) override {
        calls.emplace_back("colour");
        return std::nullopt;
    }
    void showNotes() override { calls.emplace_back("notes"); }
    void setNotesText(std::string_view) override {}
    void hideNotes() override {}
    void end() override { calls.emplace_back("end"); }

private:
    std::deque<std::string> answers_;
};

} // namespace latiflex::testing
