// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/bezeichnungen.h"

#include "grammar/bezeichnung.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace latiflex::drill {

namespace {

using namespace grammar;

// One label and what it means, for the reading below.
template <typename Ziel> struct Wort {
    std::string text;
    std::function<bool(Ziel&)> setze; // false when its dimension was named already
};

template <typename E, typename Ziel, typename Feld>
void alle(std::vector<Wort<Ziel>>& woerter, Feld feld) {
    for (int i = 0; i < anzahl<E>; ++i) {
        const auto wert = static_cast<E>(i);
        woerter.push_back(
            {std::string(name(wert)), [wert, feld](Ziel& z) { return feld(z, wert); }});
    }
}

// Reads `text` as labels separated by blanks, always the longest that fits ("Futur II" before
// "Futur I").
template <typename Ziel>
bool lies(std::string_view text, const std::vector<Wort<Ziel>>& woerter, Ziel& ziel) {
    while (true) {
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        if (text.empty()) return true;
        const Wort<Ziel>* bestes = nullptr;
        for (const auto& w : woerter)
            if (text.starts_with(w.text) &&
                (text.size() == w.text.size() || text[w.text.size()] == ' ') &&
                (!bestes || w.text.size() > bestes->text.size()))
                bestes = &w;
        if (!bestes || !bestes->setze(ziel)) return false;
        text.remove_prefix(bestes->text.size());
    }
}

template <typename T> bool einmal(std::optional<T>& feld, T wert) {
    if (feld) return false;
    feld = wert;
    return true;
}

template <typename T> bool dazu(std::vector<T>& liste, T wert) {
    liste.push_back(wert);
    return true;
}

struct Gelesen {
    Zelle zelle;
    std::optional<Numerus> numerus;
};

} // namespace

std::optional<Zelle> zelleAus(std::string_view text) {
    static const auto woerter = [] {
        std::vector<Wort<Gelesen>> w;
        alle<Kasus>(w, [](Gelesen& g, Kasus k) { return einmal(g.zelle.kasus, k); });
        alle<Numerus>(w, [](Gelesen& g, Numerus n) { return einmal(g.numerus, n); });
        alle<Genus>(w, [](Gelesen& g, Genus x) { return einmal(g.zelle.genus, x); });
        alle<Person>(w, [](Gelesen& g, Person p) { return einmal(g.zelle.person, p); });
        alle<Tempus>(w, [](Gelesen& g, Tempus t) { return einmal(g.zelle.tempus, t); });
        alle<Modus>(w, [](Gelesen& g, Modus m) { return einmal(g.zelle.modus, m); });
        alle<GenusVerbi>(w, [](Gelesen& g, GenusVerbi v) { return einmal(g.zelle.genusVerbi, v); });
        return w;
    }();
    Gelesen g;
    if (!lies(text, woerter, g) || !g.numerus) return std::nullopt;
    g.zelle.numerus = *g.numerus;
    return g.zelle;
}

std::optional<Eingrenzung> eingrenzungAus(std::string_view text) {
    static const auto woerter = [] {
        std::vector<Wort<Eingrenzung>> w;
        alle<Numerus>(w, [](Eingrenzung& e, Numerus n) { return dazu(e.numeri, n); });
        alle<Tempus>(w, [](Eingrenzung& e, Tempus t) { return dazu(e.tempora, t); });
        alle<GenusVerbi>(w, [](Eingrenzung& e, GenusVerbi v) { return dazu(e.genera, v); });
        alle<Modus>(w, [](Eingrenzung& e, Modus m) { return dazu(e.modi, m); });
        w.push_back({"letztes Wort",
                     [](Eingrenzung& e) { return !std::exchange(e.nurLetztesWort, true); }});
        return w;
    }();
    Eingrenzung e;
    if (!lies(text, woerter, e)) return std::nullopt;
    return e;
}

} // namespace latiflex::drill
