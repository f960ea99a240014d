// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/frage.h"

#include "drill/vergleich.h"
#include "grammar/bezeichnung.h"
#include "grammar/text.h"

#include <array>
#include <vector>

namespace latiflex::drill {

namespace {

const grammar::Form& formDer(const Frage& f) {
    return f.seite->bloecke.at(f.block).formen.at(f.form);
}

// The dimensions asked of a form of `wortart`: "Kasus und Numerus".
std::string wasBestimmen(grammar::Wortart wortart) {
    std::vector<Merkmal> gesucht;
    for (const Merkmal m : alleMerkmale)
        if (gefragt(wortart, m)) gesucht.push_back(m);
    return namen(gesucht);
}

// The typed dictionary forms and the class, with a blank for any form that reads as
// `antwort`: a question never shows its own answer. An empty `antwort` hides none.
std::string woerter(const grammar::Paradigma& seite, std::string_view antwort) {
    const std::string gesucht = normiert(antwort);
    std::string text;
    for (const auto& s : seite.stichwoerter) {
        if (s.wort.empty()) continue;
        if (!text.empty()) text += ", ";
        text += !gesucht.empty() && normiert(s.wort) == gesucht ? "___" : text::kurz(s.wort);
    }
    return text + " (" + seite.klasse + ")";
}

} // namespace

std::string_view name(Merkmal merkmal) {
    // In the order of `Merkmal`.
    constexpr std::array<std::string_view, alleMerkmale.size()> namen{
        "Genus", "Kasus", "Person", "Numerus", "Tempus", "Modus", "Genus verbi"};
    static_assert(static_cast<std::size_t>(Merkmal::genusVerbi) + 1 == alleMerkmale.size());
    return namen.at(static_cast<std::size_t>(merkmal));
}

std::string namen(const std::vector<Merkmal>& merkmale) {
    std::string text;
    for (std::size_t i = 0; i < merkmale.size(); ++i) {
        if (i > 0) text += i + 1 == merkmale.size() ? " und " : ", ";
        text += name(merkmale[i]);
    }
    return text;
}

bool gefragt(grammar::Wortart wortart, Merkmal merkmal) {
    using enum Merkmal;
    switch (wortart) {
    case grammar::Wortart::substantiv:
        return merkmal == kasus || merkmal == numerus;
    case grammar::Wortart::adjektiv:
        return merkmal == genus || merkmal == kasus || merkmal == numerus;
    case grammar::Wortart::verbum:
        break;
    }
    return merkmal != genus && merkmal != kasus;
}

Wortform Frage::wortform() const {
    const Wortform& w = formDer(*this).wortform;
    if (seite->einfarbig) return {w.ganz(), ""};
    return w;
}

const grammar::Zelle& Frage::zelle() const { return formDer(*this).zelle; }

std::string Frage::wort() const { return woerter(*seite, {}); }

std::string Frage::formen() const {
    std::string aus;
    for (const grammar::Stichwort& s : seite->stichwoerter) {
        if (s.wort.empty()) continue;
        if (!aus.empty()) aus += ", ";
        aus += s.wort;
    }
    return aus;
}

std::string Frage::text() const {
    if (art == Fragenart::bedeutung) return "Was heißt " + text::kurz(formen()) + "?";
    if (art == Fragenart::lateinisch) {
        // The forms as the word's command asks them at its prompts.
        static constexpr std::array<std::string_view, 3> gefragt{
            "Substantiv: Nominativ, Genitiv", "Adjektiv: Maskulinum, Femininum, Neutrum",
            "Verb: die Stammformen"};
        return "Lateinisch für „" + text::kurz(bedeutung) + "“ (" +
               std::string(gefragt.at(static_cast<std::size_t>(seite->wortart))) + ")";
    }
    if (art == Fragenart::bilden)
        return "Bilde " + grammar::bezeichnung(zelle()) + ": " + woerter(*seite, wortform().ganz());
    const Wortform w = wortform();
    // The blanks that align the page's columns ("laudati   sumus") are one in a line of text.
    return "Bestimme " + wasBestimmen(seite->wortart) + ": " +
           text::kurz(text::einBlank(w.ganz())) + " – " + wort();
}

} // namespace latiflex::drill
