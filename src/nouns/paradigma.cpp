#include "nouns/deklination.h"

#include "grammar/bezeichnung.h"
#include "grammar/kasusendungen.h"
#include "grammar/text.h"

namespace latiflex::nouns {

namespace {

namespace endungen = grammar::endungen;

const grammar::Kasusendungen& tabelleFuer(Typ typ, bool neutrum) {
    switch (typ) {
    case Typ::iNeutrum:
        return endungen::iNeutrum;
    case Typ::a:
        return endungen::a;
    case Typ::oAufUs:
        return endungen::oUs;
    case Typ::oAufR:
        return endungen::oEr;
    case Typ::oAufUm:
        return endungen::oUm;
    case Typ::e:
        return endungen::e;
    case Typ::u:
        return endungen::u;
    case Typ::uNeutrum:
        return endungen::uNeutrum;
    case Typ::iFemininum:
        return endungen::iFemininum;
    case Typ::konsonantisch:
        break;
    }
    return neutrum ? endungen::konsonantischNeutrum : endungen::konsonantisch;
}

bool istNominativOderVokativ(int zeile) { return zeile == 1 || zeile == 5; }

// The genitive plural of the consonant declension, decided once for the whole word: -ium
// for the i-stems, but -um for iuvenis and sedes.
std::string_view genitivPluralK(std::string_view n, KMarken marken) {
    if (n == "iuvenis" || n == "sedes") return "um";
    if (marken.istamm != 0) return "ium";
    return endungen::konsonantisch[8];
}

} // namespace

bool hatPlural(std::string_view g, Typ typ) { return !(typ == Typ::konsonantisch && g == "Iovis"); }

std::optional<Wortform> form(std::string_view n, std::string_view g, Typ typ, KMarken marken,
                             int zeile) {
    using text::less;
    std::optional<std::string_view> stamm;
    std::string_view endung = tabelleFuer(typ, marken.neutrum)[zeile];

    switch (typ) {
    case Typ::a:
        stamm = less(n, 1);
        break;
    case Typ::oAufUs:
        stamm = less(n, 2);
        if (zeile == 5 && text::endsWith(n, "ius")) { // filius: fili
            stamm = less(n, 3);
            endung = "i";
        }
        break;
    case Typ::oAufR: {
        // puer, pueri: the nominative is the stem throughout, and stands alone in rows 1, 5.
        const bool nomstamm = text::letterCount(n) != text::letterCount(g);
        stamm = nomstamm ? n : less(g, 1);
        if (istNominativOderVokativ(zeile)) {
            stamm = less(n, 2);
            if (!stamm) return std::nullopt;
            if (nomstamm) {
                stamm = n;
                endung = "";
            }
        }
        break;
    }
    case Typ::oAufUm:
    case Typ::u:
        stamm = less(n, 2);
        break;
    case Typ::e:
        stamm = less(n, zeile == 6 ? 2 : 1);
        break;
    case Typ::uNeutrum:
        stamm = less(n, 1);
        break;
    case Typ::iNeutrum:
        stamm = less(g, 2);
        if (!stamm) return std::nullopt;
        if (zeile == 1 || zeile == 4 || zeile == 5) endung = "";
        if (zeile == 4 || zeile == 5 || (zeile == 1 && text::endsWith(n, "e"))) stamm = n;
        break;
    case Typ::iFemininum:
        stamm = less(n, 2);
        if (n == "vis") { // vis, -, -, vim, vis, vi; vires, virium, ...
            if (zeile == 2 || zeile == 3) {
                stamm = "";
                endung = "";
            } else if (zeile >= 7) {
                stamm = "vir";
            }
        }
        break;
    case Typ::konsonantisch:
        stamm = less(g, 2);
        if (!stamm) return std::nullopt;
        if (marken.neutrum) {
            if (zeile == 1 || zeile == 4 || zeile == 5) stamm = n;
            break;
        }
        if (zeile == 8) endung = genitivPluralK(n, marken);
        if (istNominativOderVokativ(zeile)) {
            stamm = n;
            if (marken.istamm == 1) { // urbs: urb+s
                stamm = less(n, 1);
                endung = text::lastLetters(n, 1);
            } else if (marken.istamm == 2) { // civis: civ+is
                stamm = less(n, 2);
                endung = text::lastLetters(n, 2);
            }
        }
        break;
    }
    if (!stamm) return std::nullopt;
    return Wortform{std::string(*stamm), std::string(endung)};
}

grammar::Paradigma paradigma(std::string_view n, std::string_view g) {
    using grammar::Kasus;
    using grammar::Numerus;
    const Klasse klasse = klassifizieren(n, g);
    grammar::Paradigma p;
    p.wortart = grammar::Wortart::substantiv;
    p.seite = "SUBST";
    p.ueberschrift = ueberschrift(klasse);
    p.klasse = text::trimmed(p.ueberschrift);
    p.stichwoerter = {{std::string(n), grammar::nomenZelle(Kasus::nominativ, Numerus::singular)},
                      {std::string(g), grammar::nomenZelle(Kasus::genitiv, Numerus::singular)}};
    p.bloecke = {{"", std::string(grammar::name(Numerus::singular)), {}},
                 {"", std::string(grammar::name(Numerus::plural)), {}}};

    KMarken marken;
    if (klasse.typ == Typ::konsonantisch) {
        const auto k = kMarken(n, g);
        if (!k) return p; // a genitive too short to tell: the heading stands alone
        marken = *k;
    }
    const int zeilen = hatPlural(g, klasse.typ) ? 12 : 6;
    for (int zeile = 1; zeile <= zeilen; ++zeile) {
        auto wortform = form(n, g, klasse.typ, marken, zeile);
        if (!wortform) break; // too short for its cut: the forms before it stand
        p.bloecke[zeile <= 6 ? 0 : 1].formen.push_back(
            {std::move(*wortform), grammar::zeilenZelle(zeile)});
    }
    return p;
}

} // namespace latiflex::nouns
