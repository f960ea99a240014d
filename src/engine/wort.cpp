// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/wort.h"

#include "adjectives/adjektiv.h"
#include "interfaces/number.h"
#include "interfaces/prompt.h"
#include "nouns/substantiv.h"
#include "verbs/tempora.h"
#include "verbs/verbum.h"
#include "verbs/zeitseite.h"

#include <algorithm>
#include <string_view>

namespace latiflex::engine {

namespace {

constexpr std::array<verbs::Zeitseite, 4> zeitseitenFolge{
    verbs::Zeitseite::praesensAktiv, verbs::Zeitseite::praesensPassiv,
    verbs::Zeitseite::perfektAktiv, verbs::Zeitseite::perfektPassiv};

int zellenIn(const grammar::Paradigma& p) {
    int n = 0;
    for (const auto& b : p.bloecke)
        n += static_cast<int>(
            std::count_if(b.formen.begin(), b.formen.end(),
                          [](const grammar::Form& f) { return !f.wortform.leer(); }));
    return n;
}

// The answers the first `n` prompts take, the empty text beyond those given; the refusal of
// the first that reads as a number.
std::optional<Ablehnung> zahlGetippt(const std::vector<std::string>& antworten, std::size_t n) {
    for (std::size_t i = 0; i < std::min(n, antworten.size()); ++i)
        if (isNumeric(antworten[i])) return keineZahlen();
    return std::nullopt;
}

Ergebnis<Seite> geteilt(Ergebnis<grammar::Paradigma> p) {
    if (!p) return p.ablehnung();
    return Seite(std::make_shared<const grammar::Paradigma>(std::move(*p)));
}

} // namespace

std::vector<Seite> Wort::seiten() const {
    std::vector<Seite> mitFormen;
    if (seite && seite->hatFormen()) mitFormen.push_back(seite);
    for (const auto& z : zeitseiten)
        if (z && (*z)->hatFormen()) mitFormen.push_back(*z);
    return mitFormen;
}

Ergebnis<Wort> bilde(const Eingabe& eingabe) { return bilde(eingabe, {true, true, true, true}); }

Ergebnis<Wort> bilde(const Eingabe& eingabe, const std::array<bool, 4>& welche) {
    const auto& a = eingabe.antworten;
    const auto antwort = [&a](std::size_t i) -> std::string_view {
        return i < a.size() ? std::string_view(a[i]) : std::string_view();
    };
    Wort w{eingabe, nullptr, nullptr, {}, 0};
    if (eingabe.befehl == "SUBST" || eingabe.befehl == "ADJEKTIV") {
        const bool nomen = eingabe.befehl == "SUBST";
        if (auto zahl = zahlGetippt(a, nomen ? 2 : 3)) return *zahl;
        auto p = geteilt(nomen ? nouns::seite(antwort(0), antwort(1))
                               : adjectives::seite(antwort(0), antwort(1), antwort(2)));
        if (!p) return p.ablehnung();
        w.seite = *p;
    } else if (eingabe.befehl == "VERBUM") {
        const auto stammformen = verbs::stammformen(a);
        if (!stammformen) return stammformen.ablehnung();
        w.verb = std::make_shared<const verbs::Verb>(verbs::verb(*stammformen));
        w.seite = std::make_shared<const grammar::Paradigma>(verbs::kopfseite(*w.verb));
        for (std::size_t i = 0; i < zeitseitenFolge.size(); ++i)
            w.zeitseiten.push_back(welche[i] ? geteilt(verbs::seite(*w.verb, zeitseitenFolge[i]))
                                             : Ergebnis<Seite>(Ablehnung{}));
    } else {
        return Ablehnung{};
    }
    for (const auto& s : w.seiten())
        w.zellen += zellenIn(*s);
    return w;
}

std::vector<Seite> seiten(const Eingabe& eingabe) {
    const auto wort = bilde(eingabe);
    return wort ? wort->seiten() : std::vector<Seite>{};
}

} // namespace latiflex::engine
