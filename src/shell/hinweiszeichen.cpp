// SPDX-License-Identifier: GPL-3.0-or-later
// Vowel marks, blanks and invisible characters in the typed forms: where they made the rules
// read a form into another page, and where a long mark went on into forms whose vowel is
// short.
#include "analysis/bestimmung.h"
#include "drill/vergleich.h"
#include "engine/wort.h"
#include "grammar/laenge.h"
#include "grammar/text.h"
#include "shell/hinweisteile.h"
#include "verbs/zeitseite.h"

#include <algorithm>
#include <vector>

namespace latiflex::hinweis {

namespace {

using grammar::Form;
using grammar::Paradigma;
using grammar::Stichwort;

// The word the commands form from the dictionary forms `s` in place of the typed forms of
// `p`; nothing where the command refuses them.
std::optional<engine::Wort> gebildet(const Paradigma& p, const std::vector<Stichwort>& s) {
    Eingabe e = analysis::eingabe(p);
    e.antworten.clear();
    for (const Stichwort& w : s)
        e.antworten.push_back(w.wort);
    auto wort = engine::bilde(e);
    if (!wort) return std::nullopt;
    return std::move(*wort);
}

// The page captioned `knopf` of the word; nothing where its command refuses it.
const Paradigma* seiteVon(const engine::Wort& w, std::string_view knopf) {
    if (w.seite->seite == knopf) return w.seite.get();
    for (std::size_t i = 0; i < w.zeitseiten.size(); ++i)
        if (verbs::seitenKnoepfe[i] == knopf && w.zeitseiten[i]) return w.zeitseiten[i]->get();
    return nullptr;
}

// The pages the pupil sees of the word after the command of `knopf`: after "VERBUM" its
// tense pages, which the heading stands for (nothing for a page a command refuses).
std::vector<const Paradigma*> gezeigt(const engine::Wort& w, std::string_view knopf) {
    if (knopf != "VERBUM") return {seiteVon(w, knopf)};
    std::vector<const Paradigma*> seiten;
    for (const auto& z : w.zeitseiten)
        seiten.push_back(z ? z->get() : nullptr);
    return seiten;
}

// Whether two pages print the same, as the pupil reads them: heading, column heads, forms.
bool gleicheSeite(const Paradigma* a, const Paradigma* b) {
    if (!a || !b) return a == b;
    const auto gelesen = [](const std::string& s) { return drill::normiert(s); };
    if (gelesen(a->ueberschrift) != gelesen(b->ueberschrift) ||
        a->bloecke.size() != b->bloecke.size())
        return false;
    for (std::size_t i = 0; i < a->bloecke.size(); ++i) {
        const auto& x = a->bloecke[i].formen;
        const auto& y = b->bloecke[i].formen;
        if (a->bloecke[i].kopf != b->bloecke[i].kopf ||
            !std::equal(x.begin(), x.end(), y.begin(), y.end(), [&](const Form& f, const Form& g) {
                return gelesen(f.wortform.ganz()) == gelesen(g.wortform.ganz());
            }))
            return false;
    }
    return true;
}

// The first printed form of the pages whose long mark stands on a short vowel.
std::optional<std::string> falscheLaenge(const std::vector<const Paradigma*>& seiten) {
    for (const Paradigma* p : seiten)
        if (p)
            for (const auto& b : p->bloecke)
                for (const Form& f : b.formen)
                    if (grammar::laengeFalsch(f.wortform.ganz()))
                        return text::einBlank(f.wortform.ganz());
    return std::nullopt;
}

// How many faults the pupil meets on the pages: a page refused or without forms, a page of
// no class, a typed form not in its cell, a long mark on a short vowel.
int fehler(const std::vector<const Paradigma*>& seiten) {
    int n = 0;
    for (const Paradigma* p : seiten) {
        if (!p || !p->hatFormen()) {
            ++n;
            continue;
        }
        n += p->klassenname.empty() + zellen(*p).has_value();
    }
    return n + falscheLaenge(seiten).has_value();
}

// What to type instead of the typed form, and how the rules read it.
struct Rat {
    std::string_view tippen;
    std::string_view gelesen;
};

Rat rat(drill::Unsichtbar u) {
    switch (u) {
    case drill::Unsichtbar::laengenzeichen:
        return {"ohne Längenzeichen tippen", "mit Längenzeichen"};
    case drill::Unsichtbar::kuerzezeichen:
        return {"ohne Kürzezeichen tippen", "mit Kürzezeichen"};
    case drill::Unsichtbar::akzent:
        return {"ohne Akzente tippen", "mit Akzent"};
    case drill::Unsichtbar::blankAmRand:
        return {"Leerzeichen am Rand weglassen", "mit Leerzeichen am Rand"};
    case drill::Unsichtbar::blanks:
        return {"nur ein Leerzeichen tippen", "mit mehreren Leerzeichen"};
    case drill::Unsichtbar::zeichen:
    case drill::Unsichtbar::nichts:
        break;
    }
    return {"unsichtbares Zeichen löschen", "mit unsichtbarem Zeichen"};
}

bool zuLangZumBilden(const Paradigma& p) {
    return std::ranges::any_of(p.stichwoerter, [](const Stichwort& w) {
        return text::letterCount(w.wort) > laengstesWort;
    });
}

} // namespace

std::optional<Hinweis> zeichenAendert(const Paradigma& p) {
    std::vector<Stichwort> sauber = p.stichwoerter;
    std::vector<std::size_t> anders;
    for (std::size_t i = 0; i < sauber.size(); ++i) {
        sauber[i].wort = drill::bereinigt(sauber[i].wort);
        if (sauber[i].wort != p.stichwoerter[i].wort) anders.push_back(i);
    }
    // Forming a huge word's pages again would only stall the line (zuLang names it first).
    if (anders.empty() || zuLangZumBilden(p)) return std::nullopt;
    const auto getippt = gebildet(p, p.stichwoerter);
    if (!getippt) return std::nullopt;
    const auto vorher = gezeigt(*getippt, p.seite);
    // Whether the rules read `s` into other pages than the typed forms.
    const auto aendert = [&](const std::vector<Stichwort>& s) {
        const auto w = gebildet(p, s);
        if (!w) return true;
        const auto nachher = gezeigt(*w, p.seite);
        return !gleicheSeite(seiteVon(*getippt, p.seite), seiteVon(*w, p.seite)) ||
               !std::equal(vorher.begin(), vorher.end(), nachher.begin(), nachher.end(),
                           gleicheSeite);
    };
    if (!aendert(sauber)) return std::nullopt;
    // Name the form whose cleaning alone changes the pages, else the first one cleaned.
    std::size_t schuld = anders.front();
    for (const std::size_t i : anders) {
        std::vector<Stichwort> einzeln = p.stichwoerter;
        einzeln[i].wort = sauber[i].wort;
        if (aendert(einzeln)) {
            schuld = i;
            break;
        }
    }
    const std::string& typed = p.stichwoerter[schuld].wort;
    const drill::Unsichtbar was = drill::unsichtbar(typed);
    const auto w = gebildet(p, sauber);
    const Paradigma* q = w ? seiteVon(*w, p.seite) : nullptr;
    const int typedFehler = fehler(vorher);
    const int sauberFehler = w ? fehler(gezeigt(*w, p.seite)) : typedFehler + 1;
    // The typed forms fit better: the page on view is the one to keep.
    if (q && typedFehler < sauberFehler) return std::nullopt;
    // Advice to type the form otherwise only where that fits better; where it fits as well,
    // the line says what the mark or blank does, not which to type.
    const bool besser = sauberFehler < typedFehler;
    std::string text =
        zitat(typed) + ": " +
        (besser ? std::string(rat(was).tippen) : std::string(rat(was).gelesen) + " gelesen") +
        " – " + zitat(sauber[schuld].wort) + " ";
    if (!q) return Hinweis{Art::zeichenAendert, text + "hat hier keine Formen."};
    text += besser ? "gibt " : "gäbe ";
    if (q->klassenname != p.klassenname && !q->klassenname.empty())
        return Hinweis{Art::zeichenAendert, text + "die " + q->klassenname + "."};
    return Hinweis{Art::zeichenAendert,
                   text + (!besser || zellen(*q) ? "andere Formen." : "die richtigen Formen.")};
}

std::optional<Hinweis> zeichenInFormen(const Paradigma& p) {
    std::vector<std::size_t> markiert;
    for (std::size_t i = 0; i < p.stichwoerter.size(); ++i)
        if (grammar::hatLaengenzeichen(p.stichwoerter[i].wort)) markiert.push_back(i);
    if (markiert.empty() || zuLangZumBilden(p)) return std::nullopt;
    const auto getippt = gebildet(p, p.stichwoerter);
    if (!getippt) return std::nullopt;
    const auto falsch = falscheLaenge(gezeigt(*getippt, p.seite));
    if (!falsch) return std::nullopt;
    // Name the form whose long mark alone the page carries on, else the first with one.
    std::size_t schuld = markiert.front();
    for (const std::size_t i : markiert) {
        std::vector<Stichwort> einzeln = p.stichwoerter;
        einzeln[i].wort = drill::bereinigt(einzeln[i].wort);
        const auto w = gebildet(p, einzeln);
        if (w && !falscheLaenge(gezeigt(*w, p.seite))) {
            schuld = i;
            break;
        }
    }
    return Hinweis{Art::zeichenInFormen, zitat(p.stichwoerter[schuld].wort) +
                                             ": ohne Längenzeichen tippen – sonst falsch in " +
                                             zitat(*falsch) + "."};
}

} // namespace latiflex::hinweis
