// SPDX-License-Identifier: GPL-3.0-or-later
// Whether each typed form stands in its cell on the printed page, compared as the drill
// compares answers.
#include "drill/vergleich.h"
#include "grammar/abkuerzung.h"
#include "grammar/text.h"
#include "shell/hinweisteile.h"

#include <algorithm>
#include <vector>

namespace latiflex::hinweis {

namespace {

using grammar::Form;
using grammar::GenusVerbi;
using grammar::Paradigma;
using grammar::Stichwort;
using grammar::Tempus;
using grammar::Zelle;

std::string gedruckt(const Form& f) { return f.wortform.ganz(); }

bool leer(const Form& f) { return f.wortform.leer(); }

bool istPerfektPassiv(const Zelle& z) {
    return z.genusVerbi == GenusVerbi::passiv &&
           (z.tempus == Tempus::perfekt || z.tempus == Tempus::plusquamperfekt ||
            z.tempus == Tempus::futur2);
}

std::string schluss(const Paradigma& p) {
    return p.klassenname.empty() ? " – passt nicht zu den Regeln, oder vertippt?"
                                 : " – andere Klasse oder vertippt?";
}

// One form the page must print where the pupil expects it: a typed form in its own cell, or
// what a typed form makes of a cell the page prints from it (beo: beor).
struct Pruefung {
    const Stichwort* stichwort;
    Zelle zelle;
    std::string erwartet;
};

bool passt(const Pruefung& pr, const Form& f) {
    const std::string t = drill::normiert(pr.erwartet);
    const std::string d = drill::normiert(gedruckt(f));
    if (t == d) return true;
    // hortatus for hortatus sum: the command reads a deponent's perfect up to its first blank.
    return istPerfektPassiv(pr.zelle) && t.find(' ') == std::string::npos &&
           d.substr(0, d.find(' ')) == t;
}

// Whether the page has a place for the cell: every cell of a noun or adjective page, a
// verb's only on the page of its tense, mood and voice.
bool hatPlatz(const Paradigma& p, const Zelle& z) {
    if (p.wortart != grammar::Wortart::verbum) return true;
    for (const auto& block : p.bloecke)
        for (const Form& f : block.formen)
            if (f.zelle.tempus == z.tempus && f.zelle.modus == z.modus &&
                f.zelle.genusVerbi == z.genusVerbi)
                return true;
    return false;
}

bool spalteLeer(const Paradigma& p, const Zelle& z) {
    for (const auto& block : p.bloecke)
        if (std::any_of(block.formen.begin(), block.formen.end(),
                        [&](const Form& f) { return f.zelle == z; }))
            return std::all_of(block.formen.begin(), block.formen.end(), leer);
    return false;
}

// The checks of page `p`: forms after the first decide the class, so they come first; an
// active verb's present and participle also stand, changed, on its passive pages.
std::vector<Pruefung> pruefungen(const Paradigma& p) {
    std::vector<Pruefung> liste;
    const auto& s = p.stichwoerter;
    for (std::size_t i = 1; i <= s.size(); ++i) {
        const Stichwort& w = s[i % s.size()];
        if (w.zelle) liste.push_back({&w, *w.zelle, w.wort});
    }
    if (p.wortart != grammar::Wortart::verbum || istDeponens(p) || s.size() < 4) return liste;
    const auto erste = [](Tempus t, GenusVerbi g) {
        return grammar::verbZelle(grammar::Person::erste, grammar::Numerus::singular, t,
                                  grammar::Modus::indikativ, g);
    };
    const std::string praesens = drill::bereinigt(s[0].wort);
    if (text::endsWith(praesens, "o"))
        liste.push_back({&s[0], erste(Tempus::praesens, GenusVerbi::passiv), praesens + "r"});
    if (!drill::bereinigt(s[3].wort).empty())
        liste.push_back(
            {&s[3], erste(Tempus::perfekt, GenusVerbi::passiv), drill::bereinigt(s[3].wort)});
    return liste;
}

Hinweis passtNicht(const Paradigma& p, const Pruefung& pr, const std::string& statt) {
    return {Art::nichtInZelle, zitat(pr.stichwort->wort) + ": als " +
                                   grammar::abkuerzung(pr.zelle) + " steht hier " + statt +
                                   schluss(p)};
}

} // namespace

std::optional<Hinweis> zellen(const Paradigma& p) {
    for (const Pruefung& pr : pruefungen(p)) {
        if (!hatPlatz(p, pr.zelle)) continue;
        const auto formen = p.formenIn(pr.zelle);
        if (formen.empty() || spalteLeer(p, pr.zelle)) return passtNicht(p, pr, "keine Form");
        const auto gefunden = std::find_if(formen.begin(), formen.end(), [&](const Form* f) {
            return !leer(*f) && passt(pr, *f);
        });
        if (gefunden != formen.end()) continue;
        const auto erste =
            std::find_if(formen.begin(), formen.end(), [](const Form* f) { return !leer(*f); });
        if (erste == formen.end()) continue; // the rules' own gap: vis has no genitive
        return passtNicht(p, pr, zitat(gedruckt(**erste)));
    }
    return std::nullopt;
}

std::optional<Hinweis> keineFormen(const Paradigma& p) {
    if (p.hatFormen()) return std::nullopt;
    std::string text;
    for (const auto& s : p.stichwoerter)
        if (s.zelle) text += (text.empty() ? "" : ", ") + zitat(s.wort);
    if (text.empty()) return std::nullopt;
    return Hinweis{Art::keineFormen, text + ": dazu bildet das Programm keine Formen" + schluss(p)};
}

} // namespace latiflex::hinweis
