#include "adjectives/deklination.h"

#include "grammar/bezeichnung.h"
#include "grammar/text.h"

#include <string>

namespace latiflex::adjectives {

namespace {

using Tabelle = std::array<std::string_view, 12>;

constexpr Tabelle aTabelle{"a", "ae", "ae", "am", "a", "a", "ae", "arum", "is", "as", "ae", "is"};
constexpr Tabelle usTabelle{"us", "i", "o", "um", "e", "o", "i", "orum", "is", "os", "i", "is"};
constexpr Tabelle erTabelle{"er", "i", "o", "um", "er", "o", "i", "orum", "is", "os", "i", "is"};
constexpr Tabelle umTabelle{"um", "i", "o", "um", "um", "o", "a", "orum", "is", "a", "a", "is"};
constexpr Tabelle drittMF{"is", "is",  "i",    "em", "is", "i",
                          "es", "ium", "ibus", "es", "es", "ibus"};
constexpr Tabelle drittN{"e", "is", "i", "e", "e", "i", "ia", "ium", "ibus", "ia", "ia", "ibus"};
// dives, pauper, vetus, victor: ablative in -e, genitive plural in -um, neuter plural in -a.
constexpr Tabelle drittMFAusnahme{"is", "is", "i",    "em", "is", "e",
                                  "es", "um", "ibus", "es", "es", "ibus"};
constexpr Tabelle drittNAusnahme{"e", "is", "i",    "e", "e", "e",
                                 "a", "um", "ibus", "a", "a", "ibus"};

bool istAusnahme(std::string_view m) {
    return m == "dives" || m == "pauper" || m == "vetus" || m == "victor";
}

Wortform ganz(std::string_view wort) { return {std::string(wort), ""}; }

std::array<Spalte, 3> dritte(const Eingabe& e, int adjklasse) {
    const bool ausnahme = istAusnahme(e.m);
    const Tabelle& mf = ausnahme ? drittMFAusnahme : drittMF;
    const Tabelle& nt = ausnahme ? drittNAusnahme : drittN;
    const std::string g = text::lessOrEmpty(e.s, 2);
    std::array<Spalte, 3> spalten;
    auto& [mask, fem, neutr] = spalten;
    for (std::size_t i = 0; i < 12; ++i) {
        const bool nomVok = i == 0 || i == 4;
        mask[i] = fem[i] = {g, std::string(mf[i])};
        neutr[i] = {g, std::string(nt[i])};
        if (adjklasse == 1 && nomVok)
            mask[i] = {text::lessOrEmpty(e.m, 2), std::string(text::lastLetters(e.m, 2))};
        if (adjklasse == 3) {
            if (nomVok) mask[i] = fem[i] = ganz(e.m);
            if (nomVok || i == 3) neutr[i] = ganz(e.n);
            if (i >= 6 && (e.m == "dives" || e.m == "pauper")) neutr[i] = {}; // no neuter plural
        }
    }
    return spalten;
}

std::array<Spalte, 3> ao(const Eingabe& e) {
    std::array<Spalte, 3> spalten;
    auto& [mask, fem, neutr] = spalten;
    bool erFlag = false;
    for (std::size_t i = 0; i < 12; ++i) {
        const bool nomVok = i == 0 || i == 4;
        // A masculine in neither -us nor -er has no stem and no ending: its rows stay empty.
        Wortform m;
        if (text::lastLetters(e.m, 2) == "er") {
            m = {text::letterCount(e.m) + 1 == text::letterCount(e.s) ? std::string(e.m)
                                                                      : text::lessOrEmpty(e.s, 1),
                 std::string(erTabelle[i])};
            erFlag = true;
        }
        if (text::lastLetters(e.m, 2) == "us")
            m = {text::lessOrEmpty(e.m, 2), std::string(usTabelle[i])};
        if (e.m == "meus" && i == 4) m = ganz("mi");
        if (erFlag && nomVok) m = ganz(e.m);
        mask[i] = m;
        fem[i] = {text::lessOrEmpty(e.s, 1), std::string(aTabelle[i])};
        neutr[i] = {text::lessOrEmpty(e.n, 2), std::string(umTabelle[i])};
    }
    return spalten;
}

} // namespace

std::array<Spalte, 3> spalten(const Eingabe& e, const Analyse& a) {
    return a.familie == Familie::dritte ? dritte(e, a.adjklasse) : ao(e);
}

grammar::Paradigma paradigma(const Eingabe& e, const Analyse& a) {
    using grammar::Genus;
    using grammar::Kasus;
    using grammar::Numerus;
    grammar::Paradigma p;
    p.wortart = grammar::Wortart::adjektiv;
    p.seite = "ADJEKTIV";
    p.klasse = a.familie == Familie::ao ? "ADJEKTIV der A/O - Deklination"
               : a.adjklasse == 1       ? "ADJEKTIV der 3. Deklination, dreiendig"
               : a.adjklasse == 2       ? "ADJEKTIV der 3. Deklination, zweiendig"
                                        : "ADJEKTIV der 3. Deklination, einendig";
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
    const auto formen = spalten(e, a);
    for (std::size_t g = 0; g < formen.size(); ++g) {
        const auto genus = static_cast<Genus>(g);
        grammar::Block block{std::string(koepfe[g]), std::string(grammar::name(genus)), {}};
        for (int zeile = 1; zeile <= 12; ++zeile)
            block.formen.push_back({formen[g][static_cast<std::size_t>(zeile - 1)],
                                    grammar::zeilenZelle(zeile, genus)});
        p.bloecke.push_back(std::move(block));
    }
    return p;
}

} // namespace latiflex::adjectives
