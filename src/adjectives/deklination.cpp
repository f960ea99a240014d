// SPDX-License-Identifier: GPL-3.0-or-later
#include "adjectives/deklination.h"

#include "grammar/bezeichnung.h"
#include "grammar/kasusendungen.h"
#include "grammar/text.h"

#include <string>

namespace latiflex::adjectives {

namespace {

namespace endungen = grammar::endungen;

// One gender's rows 1 to 12.
using Spalte = grammar::AbEins<Wortform, 12>;

bool istNomVok(int zeile) { return zeile == 1 || zeile == 5; }

bool istAusnahme(std::string_view m) {
    return m == "dives" || m == "pauper" || m == "vetus" || m == "victor";
}

Wortform ganz(std::string_view wort) { return {std::string(wort), ""}; }

std::array<Spalte, 3> dritte(const Eingabe& e, int adjklasse) {
    const bool ausnahme = istAusnahme(e.m);
    const auto& mf = ausnahme ? endungen::dritteMFOhneI : endungen::dritteMF;
    const auto& nt = ausnahme ? endungen::dritteNeutrumOhneI : endungen::iNeutrum;
    const std::string g = text::lessOrEmpty(e.s, 2);
    std::array<Spalte, 3> spalten;
    auto& [mask, fem, neutr] = spalten;
    for (int i = 1; i <= 12; ++i) {
        const bool nomVok = istNomVok(i);
        mask[i] = fem[i] = {g, std::string(mf[i])};
        neutr[i] = {g, std::string(nt[i])};
        if (adjklasse == 1 && nomVok)
            mask[i] = {text::lessOrEmpty(e.m, 2), std::string(text::lastLetters(e.m, 2))};
        if (adjklasse == 3) {
            if (nomVok) mask[i] = fem[i] = ganz(e.m);
            if (nomVok || i == 4) neutr[i] = ganz(e.n);
            if (i >= 7 && (e.m == "dives" || e.m == "pauper")) neutr[i] = {}; // no neuter plural
        }
    }
    return spalten;
}

std::array<Spalte, 3> ao(const Eingabe& e) {
    std::array<Spalte, 3> spalten;
    auto& [mask, fem, neutr] = spalten;
    bool erFlag = false;
    for (int i = 1; i <= 12; ++i) {
        const bool nomVok = istNomVok(i);
        // A masculine in neither -us nor -er has no stem and no ending: its rows stay empty.
        Wortform m;
        if (text::lastLetters(e.m, 2) == "er") {
            m = {text::letterCount(e.m) + 1 == text::letterCount(e.s) ? std::string(e.m)
                                                                      : text::lessOrEmpty(e.s, 1),
                 std::string(endungen::oEr[i])};
            erFlag = true;
        }
        if (text::lastLetters(e.m, 2) == "us")
            m = {text::lessOrEmpty(e.m, 2), std::string(endungen::oUs[i])};
        if (e.m == "meus" && i == 5) m = ganz("mi");
        if (erFlag && nomVok) m = ganz(e.m);
        mask[i] = m;
        fem[i] = {text::lessOrEmpty(e.s, 1), std::string(endungen::a[i])};
        neutr[i] = {text::lessOrEmpty(e.n, 2), std::string(endungen::oUm[i])};
    }
    return spalten;
}

} // namespace

grammar::Paradigma paradigma(const Eingabe& e, const Analyse& a) {
    using grammar::Genus;
    using grammar::Kasus;
    using grammar::Numerus;
    grammar::Paradigma p;
    p.wortart = grammar::Wortart::adjektiv;
    p.seite = "ADJEKTIV";
    p.klassenname = a.familie == Familie::ao ? "A/O - Deklination"
                    : a.adjklasse == 1       ? "3. Deklination, dreiendig"
                    : a.adjklasse == 2       ? "3. Deklination, zweiendig"
                                             : "3. Deklination, einendig";
    p.klasse = "ADJEKTIV der " + p.klassenname;
    p.stichwoerter = {
        {std::string(e.m),
         grammar::nomenZelle(Kasus::nominativ, Numerus::singular, Genus::maskulinum)},
        {std::string(e.s),
         fragtFeminin(e.m)
             ? grammar::nomenZelle(Kasus::nominativ, Numerus::singular, Genus::femininum)
             : grammar::nomenZelle(Kasus::genitiv, Numerus::singular, Genus::maskulinum)},
        {std::string(e.n),
         grammar::nomenZelle(Kasus::nominativ, Numerus::singular, Genus::neutrum)}};
    constexpr std::array<std::string_view, 3> koepfe{"MASKULIN", "FEMININ", "NEUTRUM"};
    static_assert(static_cast<int>(Genus::maskulinum) == 0 &&
                  static_cast<int>(Genus::femininum) == 1 && grammar::anzahl<Genus> == 3);
    const auto formen = a.familie == Familie::dritte ? dritte(e, a.adjklasse) : ao(e);
    for (std::size_t g = 0; g < formen.size(); ++g) {
        const auto genus = static_cast<Genus>(g);
        grammar::Block block{std::string(koepfe[g]), std::string(grammar::name(genus)), {}};
        for (int zeile = 1; zeile <= 12; ++zeile)
            block.formen.push_back({formen[g][zeile], grammar::zeilenZelle(zeile, genus)});
        p.bloecke.push_back(std::move(block));
    }
    return p;
}

} // namespace latiflex::adjectives
