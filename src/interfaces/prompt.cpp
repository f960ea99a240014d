#include "interfaces/prompt.h"

#include "interfaces/number.h"

namespace latiflex {

void melden(Dialogs& dialoge, std::string_view text, std::string_view title) {
    dialoge.messageBox(text, exclamation, title);
}

std::optional<std::string> frageWort(Dialogs& dialoge, std::string_view message,
                                     std::string_view title) {
    std::string answer = dialoge.inputBox(message, title);
    if (isNumeric(answer)) {
        melden(dialoge, "Keine Zahlen, Du...", "EINGABEFEHLER");
        return std::nullopt;
    }
    return answer;
}

} // namespace latiflex
