// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/anki.h"

namespace latiflex::lektionen {

namespace {

// Typed text as HTML that shows it as it is, on one line and in one column.
std::string html(std::string_view text) {
    std::string aus;
    aus.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            aus += "&amp;";
            break;
        case '<':
            aus += "&lt;";
            break;
        case '>':
            aus += "&gt;";
            break;
        case '"':
            aus += "&quot;";
            break;
        default:
            aus += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
        }
    }
    return aus;
}

} // namespace

std::string ankiText(const std::vector<Karte>& karten, const std::string& stammfarbe,
                     const std::string& endfarbe) {
    std::string aus = "#separator:tab\n#html:true\n";
    for (const Karte& k : karten) {
        aus += html(k.frage);
        aus += '\t';
        if (k.nurText)
            aus += html(k.stamm);
        else if (!k.stamm.empty())
            aus += "<span style=\"color:" + html(stammfarbe) + "\">" + html(k.stamm) + "</span>";
        if (!k.endung.empty())
            aus += "<span style=\"color:" + html(endfarbe) + "\">" + html(k.endung) + "</span>";
        aus += '\n';
    }
    return aus;
}

} // namespace latiflex::lektionen
