#include "drill/urteil.h"

#include "grammar/bezeichnung.h"

namespace latiflex::drill {

namespace {

// The form in one line: the blanks that align a page's columns ("amati   sumus") as one.
std::string einzeilig(const std::string& s) {
    std::string aus;
    for (const char c : s)
        if (c != ' ' || (!aus.empty() && aus.back() != ' ')) aus += c;
    while (!aus.empty() && aus.back() == ' ')
        aus.pop_back();
    return aus;
}

} // namespace

std::string Urteil::zellenText() const {
    std::string text;
    for (const auto& z : zellen) {
        if (!text.empty()) text += ", ";
        text += grammar::bezeichnung(z);
    }
    return text;
}

std::string Urteil::text() const {
    std::string t = ergebnis() + (richtig ? " " : ": ") + einzeilig(form.stamm + form.endung) +
                    " (" + zellenText() + ")";
    if (!abweichung.empty()) t += ". " + abweichung;
    return t;
}

} // namespace latiflex::drill
