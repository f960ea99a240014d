#pragma once

#include "interfaces/dialogs.h"

#include <cstddef>
#include <string>
#include <vector>

namespace latiflex {

/**
 * Dialogs that answer the input prompts from a list given beforehand, as if the pupil had
 * typed each answer, and hand everything else (message boxes, the colour dialog, the notes
 * window) to the dialogs they wrap. A prompt beyond the list is answered with the empty
 * text, as a cancelled prompt is, so a replayed command never waits for the pupil.
 */
class PresetDialogs final : public Dialogs {
public:
    PresetDialogs(Dialogs& wrapped, std::vector<std::string> answers)
        : wrapped_(wrapped), answers_(std::move(answers)) {}

    void setOuterSize(int widthTwips, int heightTwips) override {
        wrapped_.setOuterSize(widthTwips, heightTwips);
    }
    std::string inputBox(std::string_view, std::string_view) override {
        return next_ < answers_.size() ? answers_[next_++] : std::string();
    }
    void messageBox(std::string_view text, int style, std::string_view title) override {
        wrapped_.messageBox(text, style, title);
    }
    std::optional<Rgb> chooseColour(Rgb initial) override { return wrapped_.chooseColour(initial); }
    void showNotes() override { wrapped_.showNotes(); }
    void setNotesText(std::string_view text) override { wrapped_.setNotesText(text); }
    void hideNotes() override { wrapped_.hideNotes(); }
    void end() override { wrapped_.end(); }

private:
    Dialogs& wrapped_;
    std::vector<std::string> answers_;
    std::size_t next_ = 0;
};

} // namespace latiflex
