#pragma once

#include "interfaces/forwardingdialogs.h"

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
class PresetDialogs final : public ForwardingDialogs {
public:
    PresetDialogs(Dialogs& wrapped, std::vector<std::string> answers)
        : ForwardingDialogs(wrapped), answers_(std::move(answers)) {}

    std::string inputBox(std::string_view, std::string_view) override {
        return next_ < answers_.size() ? answers_[next_++] : std::string();
    }

private:
    std::vector<std::string> answers_;
    std::size_t next_ = 0;
};

} // namespace latiflex
