// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/tabelle.h"

#include "grammar/bezeichnung.h"
#include "grammar/text.h"

#include <array>
#include <cstdio>
#include <optional>

namespace latiflex {

std::string escaped(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

namespace {

using grammar::Kasus;
using grammar::Numerus;
using grammar::Person;

// What a row holds in every column: the parts of a cell that the columns do not tell apart.
struct Schluessel {
    std::optional<Kasus> kasus;
    std::optional<Numerus> numerus;
    std::optional<Person> person;

    bool passt(const grammar::Zelle& z) const {
        return (!kasus || z.kasus == kasus) && (!numerus || z.numerus == *numerus) &&
               (!person || z.person == person);
    }
};

struct Reihe {
    std::string bezeichnung;
    Schluessel schluessel;
};

std::string paar(std::string_view a, std::string_view b) {
    return std::string(a).append(" ").append(b);
}

std::vector<Reihe> reihenFuer(grammar::Wortart wortart) {
    std::vector<Reihe> reihen;
    constexpr std::array kasus{Kasus::nominativ, Kasus::genitiv, Kasus::dativ,
                               Kasus::akkusativ, Kasus::vokativ, Kasus::ablativ};
    constexpr std::array numeri{Numerus::singular, Numerus::plural};
    switch (wortart) {
    case grammar::Wortart::substantiv:
        for (Kasus k : kasus)
            reihen.push_back({std::string(grammar::name(k)), {k, {}, {}}});
        break;
    case grammar::Wortart::adjektiv:
        for (Numerus n : numeri)
            for (Kasus k : kasus)
                reihen.push_back({paar(grammar::name(k), grammar::name(n)), {k, n, {}}});
        break;
    case grammar::Wortart::verbum:
        for (Numerus n : numeri)
            for (Person p : {Person::erste, Person::zweite, Person::dritte})
                reihen.push_back({paar(grammar::name(p), grammar::name(n)), {{}, n, p}});
        break;
    }
    return reihen;
}

// A tab or a line break typed into a word would split the table: it shows as a blank.
std::string sauber(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return out;
}

std::string gekuerzt(std::string_view s) { return sauber(text::kurz(s)); }

std::string hex(Rgb c) {
    std::array<char, 8> buf{};
    std::snprintf(buf.data(), buf.size(), "#%02x%02x%02x", c.r, c.g, c.b);
    return buf.data();
}

std::string farbig(std::string_view text, Rgb farbe) {
    if (text.empty()) return {};
    return "<span style=\"color:" + hex(farbe) + "\">" + escaped(text) + "</span>";
}

// Long enough to write any ending in, and the same for all, so it tells nothing.
constexpr std::string_view lueckeEndung = "________";
constexpr std::string_view lueckeWort = "______________";
// Where a line may break if it must (a zero-width space).
constexpr std::string_view umbruch = "\u200b";

std::string kopf(std::string_view tag, std::string_view text, bool neueSeite = false) {
    std::string out = "<";
    out.append(tag);
    if (neueSeite) out += " style=\"page-break-before: always\"";
    return out.append(">").append(escaped(text)).append("</").append(tag).append(">\n");
}

constexpr std::string_view dokumentAnfang = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">";

} // namespace

Tabelle::Tabelle(const grammar::Paradigma& p) : einfarbig_(p.einfarbig) {
    for (const grammar::Stichwort& s : p.stichwoerter) {
        if (s.wort.empty()) continue;
        if (!woerter_.empty()) woerter_ += ", ";
        woerter_ += gekuerzt(s.wort);
    }
    klasse_ = sauber(p.klasse); // the program's own words: never long
    if (p.wortart == grammar::Wortart::verbum && !p.seite.empty())
        klasse_.append(", ").append(p.seite);

    for (const grammar::Block& b : p.bloecke)
        koepfe_.push_back(b.bedeutung);
    for (const Reihe& r : reihenFuer(p.wortart)) {
        Zeile zeile{r.bezeichnung, {}};
        for (const grammar::Block& b : p.bloecke) {
            Feld feld;
            for (const grammar::Form& f : b.formen) {
                if (!r.schluessel.passt(f.zelle)) continue;
                if (!f.wortform.stamm.empty() || !f.wortform.endung.empty())
                    feld = {{gekuerzt(f.wortform.stamm), gekuerzt(f.wortform.endung)}, false};
                break;
            }
            zeile.felder.push_back(std::move(feld));
        }
        zeilen_.push_back(std::move(zeile));
    }
}

std::string Tabelle::text() const {
    std::string out = woerter_ + ": " + klasse_ + "\n";
    for (const std::string& k : koepfe_)
        out.append("\t").append(k);
    out += "\n";
    for (const Zeile& z : zeilen_) {
        out += z.bezeichnung;
        for (const Feld& f : z.felder)
            out.append("\t").append(f.wortform.stamm).append(f.wortform.endung);
        out += "\n";
    }
    return out;
}

std::string Tabelle::htmlTabelle(const Farben& farben, Endungen endungen, bool seitenbreit,
                                 bool dicht) const {
    std::string out = "<table";
    // On paper the table spans its room, each tense or number a column of the same width,
    // with room to write the endings in by hand; a verb's five tenses stand closer, so that a
    // stem and its blank fit their cell; a lesson's answer key needs no room to write in.
    const bool eng = koepfe_.size() > 3;
    if (seitenbreit) out += eng ? R"( class="eng" width="100%")" : R"( width="100%")";
    out += R"( border="1" cellspacing="0" cellpadding=")";
    out += dicht ? "2" : !seitenbreit || eng ? "4" : "6";
    out += "\" style=\"border-collapse: collapse\">\n";
    // The head row is repeated on the next page where a table goes on there.
    const int vorne = eng ? 18 : 28;
    out += seitenbreit ? "<thead><tr><th width=\"" + std::to_string(vorne) + "%\"></th>"
                       : "<thead><tr><th></th>";
    const std::string breite =
        koepfe_.empty() ? "" : " width=\"" + std::to_string((100 - vorne) / koepfe_.size()) + "%\"";
    for (const std::string& k : koepfe_)
        out += (seitenbreit ? "<th" + breite + ">" : "<th>") + escaped(k) + "</th>";
    out += "</tr></thead>\n";
    for (const Zeile& z : zeilen_) {
        // On paper a row's label stays on one line, so that no row breaks across two pages.
        out += seitenbreit ? R"(<tr><th align="left" style="white-space: nowrap">)"
                           : R"(<tr><th align="left">)";
        out += escaped(z.bezeichnung) + "</th>";
        for (const Feld& f : z.felder) {
            out += "<td>";
            const Wortform& w = f.wortform;
            if (f.leer) {
                // a blank row stays blank
            } else if (einfarbig_) {
                out += endungen == Endungen::luecken ? std::string(lueckeWort) : escaped(w.ganz());
            } else {
                out += farbig(w.stamm, farben.stammfarbe);
                // A form without an ending is given whole; a narrow column puts the blank
                // below the stem rather than past the cell's edge.
                if (endungen == Endungen::zeigen)
                    out += farbig(w.endung, farben.endfarbe);
                else if (!w.endung.empty())
                    out.append(umbruch).append(eng ? lueckeEndung.substr(2) : lueckeEndung);
            }
            out += "</td>";
        }
        out += "</tr>\n";
    }
    return out + "</table>\n";
}

std::string Tabelle::html(const Farben& farben) const {
    return std::string(dokumentAnfang) + "</head><body>\n<p><b>" + escaped(woerter_) +
           "</b>: " + escaped(klasse_) + "</p>\n" + htmlTabelle(farben, Endungen::zeigen, false) +
           "</body></html>\n";
}

std::string Tabelle::druckseite(const Farben& farben) const {
    return std::string(dokumentAnfang) + kopf("title", woerter_) + "</head><body>\n" +
           kopf("h2", woerter_) + kopf("p", klasse_) + htmlTabelle(farben, Endungen::zeigen, true) +
           "</body></html>\n";
}

std::string Tabelle::arbeitsblatt(const Farben& farben) const {
    return std::string(dokumentAnfang) + kopf("title", "Arbeitsblatt " + woerter_) +
           "</head><body>\n" + kopf("h2", "Arbeitsblatt: " + woerter_) + kopf("p", klasse_) +
           kopf("p", einfarbig_ ? "Trage die Formen ein." : "Trage die Endungen ein.") +
           htmlTabelle(farben, Endungen::luecken, true) + kopf("h2", "Lösung: " + woerter_, true) +
           kopf("p", klasse_) + htmlTabelle(farben, Endungen::zeigen, true) + "</body></html>\n";
}

std::string Tabelle::lektionsblatt(std::string_view name,
                                   const std::vector<const grammar::Paradigma*>& seiten,
                                   const Farben& farben) {
    const std::string titel = gekuerzt(name);
    std::string aufgaben;
    std::string loesung;
    // A noun's two columns stand beside the next noun's, where the first of them stood; an
    // adjective's three and a verb's five tenses take the width.
    std::vector<Tabelle> tabellen;
    for (const grammar::Paradigma* p : seiten)
        if (!p->bloecke.empty()) tabellen.emplace_back(*p); // a verb's heading has no table
    const auto schmal = [](const Tabelle& t) { return t.koepfe_.size() <= 2; };
    std::vector<bool> gesetzt(tabellen.size(), false);
    for (std::size_t i = 0; i < tabellen.size(); ++i) {
        if (gesetzt[i]) continue;
        std::vector<const Tabelle*> zeile{&tabellen[i]};
        if (schmal(tabellen[i]))
            for (std::size_t n = i + 1; n < tabellen.size(); ++n)
                if (!gesetzt[n] && schmal(tabellen[n])) {
                    zeile.push_back(&tabellen[n]);
                    gesetzt[n] = true;
                    break;
                }
        for (const Endungen e : {Endungen::luecken, Endungen::zeigen}) {
            std::string& ziel = e == Endungen::luecken ? aufgaben : loesung;
            const auto mit = [&](const Tabelle& t) {
                return kopf("h3", t.woerter_ + ": " + t.klasse_) +
                       t.htmlTabelle(farben, e, true, e == Endungen::zeigen);
            };
            if (zeile.size() == 1 && !schmal(*zeile.front())) {
                ziel += mit(*zeile.front());
                continue;
            }
            ziel += R"(<table width="100%" cellspacing="0" cellpadding="4"><tr>)";
            for (const Tabelle* t : zeile)
                ziel += R"(<td width="50%" valign="top">)" + mit(*t) + "</td>";
            ziel += "</tr></table>\n";
        }
    }
    return std::string(dokumentAnfang) + kopf("title", "Arbeitsblatt " + titel) +
           "<style>th { font-size: 9pt; } td { font-size: 9pt; } h3 { font-size: 11pt; } "
           "table.eng th, table.eng td { font-size: 8pt; }</style></head><body>\n" +
           kopf("h2", "Arbeitsblatt: " + titel) +
           kopf("p", "Name: " + std::string(lueckeWort) + std::string(lueckeWort) +
                         "    Datum: " + std::string(lueckeWort)) +
           kopf("p", "Trage die Endungen ein.") + aufgaben + kopf("h2", "Lösung: " + titel, true) +
           loesung + "</body></html>\n";
}

std::string Tabelle::vokabeltest(std::string_view name, const std::vector<Vokabelzeile>& woerter,
                                 bool deutschGefragt) {
    const std::string titel = gekuerzt(name);
    const auto tabelle = [&](bool luecken) {
        std::string out = R"(<table width="100%" border="1" cellspacing="0" cellpadding="6">)"
                          "<thead><tr><th>Latein</th><th>Deutsch</th></tr></thead>\n";
        for (const Vokabelzeile& w : woerter) {
            const auto zelle = [&](const std::string& text, bool leer) {
                return "<td width=\"50%\">" +
                       (leer ? std::string(lueckeWort) + std::string(lueckeWort)
                             : escaped(gekuerzt(text))) +
                       "</td>";
            };
            out += "<tr>" + zelle(w.latein, luecken && !deutschGefragt) +
                   zelle(w.deutsch, luecken && deutschGefragt) + "</tr>\n";
        }
        return out + "</table>\n";
    };
    return std::string(dokumentAnfang) + kopf("title", "Vokabeltest " + titel) + "</head><body>\n" +
           kopf("h2", "Vokabeltest: " + titel) +
           kopf("p", "Name: " + std::string(lueckeWort) + std::string(lueckeWort) +
                         "    Datum: " + std::string(lueckeWort)) +
           kopf("p", deutschGefragt ? "Trage die deutsche Bedeutung ein."
                                    : "Trage die lateinischen Wörterbuchformen ein.") +
           tabelle(true) + kopf("h2", "Lösung: " + titel, true) + tabelle(false) +
           "</body></html>\n";
}

} // namespace latiflex
