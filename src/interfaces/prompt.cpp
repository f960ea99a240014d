// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfaces/prompt.h"

#include "interfaces/number.h"

namespace latiflex {

void melden(Dialogs& dialoge, std::string_view text, std::string_view title) {
    dialoge.messageBox(text, exclamation, title);
}

void melden(Dialogs& dialoge, const Ablehnung& ablehnung) {
    melden(dialoge, ablehnung.text, ablehnung.titel);
}

Ablehnung keineZahlen() { return {"Keine Zahlen, Du...", "EINGABEFEHLER"}; }

Ablehnung keineFormen(std::string_view titel) {
    return {"Keine Formen vorhanden", std::string(titel)};
}

std::optional<std::string> frageWort(Dialogs& dialoge, std::string_view message,
                                     std::string_view title) {
    std::string answer = dialoge.inputBox(message, title);
    if (isNumeric(answer)) {
        melden(dialoge, keineZahlen());
        return std::nullopt;
    }
    return answer;
}

} // namespace latiflex
