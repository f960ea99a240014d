#pragma once

#include "interfaces/dialogs.h"

namespace latiflex {

/// Dialogs that hand every call to the dialogs they wrap; a subclass overrides only what it
/// does differently (answering or writing down the prompts).
class ForwardingDialogs : public Dialogs {
public:
    explicit ForwardingDialogs(Dialogs& wrapped) : wrapped_(wrapped) {}

    void setOuterSize(int widthTwips, int heightTwips) override {
        wrapped_.setOuterSize(widthTwips, heightTwips);
    }
    std::string inputBox(std::string_view message, std::string_view title) override {
        return wrapped_.inputBox(message, title);
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
};

} // namespace latiflex
