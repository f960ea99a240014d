#pragma once

#include "shell/dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace latiflex::testing {

/// Dialogs answered from a list, for widget tests that need a real pane but no modal box.
class FakeDialogs final : public Dialogs {
public:
    explicit FakeDialogs(std::deque<std::string> answers) : answers_(std::move(answers)) {}

    std::vector<std::string> messages;

    void setOuterSize(int, int) override {}
    std::string inputBox(std::string_view, std::string_view) override {
        if (answers_.empty()) return {};
        std::string answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void messageBox(std::string_view text, int, std::string_view) override {
        messages.emplace_back(text);
    }
    std::optional<Rgb> chooseColour(Rgb) override { return std::nullopt; }
    void showNotes() override {}
    void setNotesText(std::string_view) override {}
    void hideNotes() override {}
    void end() override {}

private:
    std::deque<std::string> answers_;
};

} // namespace latiflex::testing
