// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/urteil.h"

#include "grammar/bezeichnung.h"
#include "grammar/text.h"

namespace latiflex::drill {

namespace {

// The form in one line: the blanks that align a page's columns ("amati   sumus") as one.
std::string einzeilig(const Wortform& form) {
    std::string aus = text::einBlank(form.ganz());
    while (!aus.empty() && aus.back() == ' ')
        aus.pop_back();
    if (!aus.empty() && aus.front() == ' ') aus.erase(0, 1);
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
    std::string t = ergebnis() + (richtig ? " " : ": ") + einzeilig(form);
    // A meaning card's answer stands in no cell.
    if (!zellen.empty()) t += " (" + zellenText() + ")";
    if (!abweichung.empty()) t += ". " + abweichung;
    return t;
}

} // namespace latiflex::drill
