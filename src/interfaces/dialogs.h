// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interfaces/colour.h"

#include <optional>
#include <string>
#include <string_view>

namespace latiflex {

/**
 * The rest of the window platform as the commands see it: the modal prompts and boxes,
 * the colour dialog, the notes window, the main window's size and the end of the program.
 * The Qt implementation shows real windows; the test driver answers from a script.
 */
class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// Sets the main window's outer size, in twips.
    virtual void setOuterSize(int widthTwips, int heightTwips) = 0;

    /// Modal input prompt with an empty field. Returns the typed text; Cancel, and OK on
    /// an empty field, both return the empty text.
    virtual std::string inputBox(std::string_view message, std::string_view title) = 0;

    /// Modal message box with a single OK button; `style` is the box's style value
    /// (48: exclamation icon). Returns when OK is pressed.
    virtual void messageBox(std::string_view text, int style, std::string_view title) = 0;

    /// Modal box asking `text` with the buttons "Ja" (the default) and "Nein". True when the
    /// user answers "Ja"; Escape and closing the box answer "Nein".
    virtual bool question(std::string_view text, std::string_view title) = 0;

    /// Modal colour dialog starting with `initial` selected. Returns the chosen colour, or
    /// nothing when the user cancels or closes it.
    virtual std::optional<Rgb> chooseColour(Rgb initial) = 0;

    /// Shows the notes window modeless (creating it the first time) and brings it to the
    /// front.
    virtual void showNotes() = 0;

    /// Replaces the text of the notes window's text box.
    virtual void setNotesText(std::string_view text) = 0;

    /// Hides the notes window; it keeps existing.
    virtual void hideNotes() = 0;

    /// Ends the program at once, closing every window. Nothing runs after the handler
    /// that called it returns.
    virtual void end() = 0;
};

/// Style value of every message box of the program: OK button, exclamation icon.
inline constexpr int exclamation = 48;

} // namespace latiflex
