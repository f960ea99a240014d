// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/vorbereitung.h"

#include "grammar/text.h"
#include "shell/tabelle.h"

#include <optional>
#include <set>

namespace latiflex {

namespace {

struct Stueck {
    std::size_t anfang; // bytes of the text
    std::size_t ende;
};

// The text cut into lines of at most `breite` letters at blanks.
std::vector<Stueck> umbrechen(std::string_view text, std::size_t breite) {
    std::vector<Stueck> stuecke;
    std::size_t zeile = 0;
    while (zeile <= text.size()) {
        std::size_t zeilenende = text.find('\n', zeile);
        if (zeilenende == std::string_view::npos) zeilenende = text.size();
        std::optional<Stueck> offen;
        std::size_t i = zeile;
        while (i < zeilenende) {
            const std::size_t wort = text.find_first_not_of(" \t\r", i);
            if (wort == std::string_view::npos || wort >= zeilenende) break;
            std::size_t ende = text.find_first_of(" \t\r", wort);
            if (ende == std::string_view::npos || ende > zeilenende) ende = zeilenende;
            if (offen &&
                text::letterCount(text.substr(offen->anfang, ende - offen->anfang)) > breite) {
                stuecke.push_back(*offen);
                offen.reset();
            }
            if (!offen) offen = Stueck{wort, ende};
            offen->ende = ende;
            i = ende;
        }
        if (offen) stuecke.push_back(*offen);
        zeile = zeilenende + 1;
    }
    return stuecke;
}

std::string vokabel(const lesen::Lesart& l) {
    const std::string formen = text::kurz(l.formen, 60);
    return l.bedeutung.empty() ? formen : formen + " – " + text::kurz(l.bedeutung, 80);
}

} // namespace

std::vector<Blattzeile> blattzeilen(std::string_view text, const std::vector<lesen::Wort>& woerter,
                                    std::size_t breite) {
    std::vector<Blattzeile> zeilen;
    std::set<std::pair<std::string, std::string>> gesehen;
    std::size_t w = 0;
    for (const Stueck& s : umbrechen(text, breite)) {
        // A word longer than two lines is cut visibly, as the worksheets cut it.
        Blattzeile z{zeilen.size() + 1,
                     text::kurz(text.substr(s.anfang, s.ende - s.anfang), 2 * breite),
                     {}};
        for (; w < woerter.size() && woerter[w].anfang < s.ende; ++w) {
            const lesen::Lesart* l = woerter[w].lesart();
            if (l && gesehen.emplace(l->eingabe.befehl, l->formen).second)
                z.vokabeln.push_back(vokabel(*l));
        }
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

std::string vorbereitung(std::string_view titel, const std::vector<Blattzeile>& zeilen) {
    std::string out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n";
    out += "<h2>" + escaped(text::kurz(titel, 80)) + "</h2>\n";
    out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">\n<tr><th width=\"6%\" "
           "align=\"right\">Z.</th><th width=\"54%\" align=\"left\">Text</th><th width=\"40%\" "
           "align=\"left\">Wortschatz</th></tr>\n";
    for (const auto& z : zeilen) {
        out += R"(<tr><td align="right" valign="top">)" + std::to_string(z.nummer) +
               R"(</td><td valign="top">)" + escaped(z.text) + R"(</td><td valign="top">)";
        for (std::size_t i = 0; i < z.vokabeln.size(); ++i)
            out += (i ? "<br>" : "") + escaped(z.vokabeln[i]);
        out += "</td></tr>\n";
    }
    return out + "</table>\n</body></html>\n";
}

} // namespace latiflex
