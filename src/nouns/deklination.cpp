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

using Stamm = std::optional<std::string_view>;

// filius: the vocative fili.
Stamm stammOAufUs(std::string_view n, int zeile, std::string_view& endung) {
    if (zeile == 5 && text::endsWith(n, "ius")) {
        endung = "i";
        return text::less(n, 3);
    }
    return text::less(n, 2);
}

// puer, pueri: the nominative is the stem throughout, and stands alone in rows 1, 5.
Stamm stammOAufR(std::string_view n, std::string_view g, int zeile, std::string_view& endung) {
    const bool nomstamm = text::letterCount(n) != text::letterCount(g);
    if (!istNominativOderVokativ(zeile)) return nomstamm ? n : text::less(g, 1);
    const Stamm kurz = text::less(n, 2);
    if (!kurz || !nomstamm) return kurz;
    endung = "";
    return n;
}

// mare, animal: the nominative stands alone in rows 1, 4, 5.
Stamm stammINeutrum(std::string_view n, std::string_view g, int zeile, std::string_view& endung) {
    const Stamm stamm = text::less(g, 2);
    if (!stamm) return std::nullopt;
    if (zeile == 1 || zeile == 4 || zeile == 5) endung = "";
    if (zeile == 4 || zeile == 5 || (zeile == 1 && text::endsWith(n, "e"))) return n;
    return stamm;
}

// vis, -, -, vim, vis, vi; vires, virium, ...
Stamm stammIFemininum(std::string_view n, int zeile, std::string_view& endung) {
    if (n != "vis") return text::less(n, 2);
    if (zeile == 2 || zeile == 3) {
        endung = "";
        return "";
    }
    return zeile >= 7 ? "vir" : text::less(n, 2);
}

// rex, regis; the neuter nomen; the i-stems urbs (urb+s) and civis (civ+is).
Stamm stammKonsonantisch(std::string_view n, std::string_view g, KMarken marken, int zeile,
                         std::string_view& endung) {
    const Stamm stamm = text::less(g, 2);
    if (!stamm) return std::nullopt;
    if (marken.neutrum) return zeile == 1 || zeile == 4 || zeile == 5 ? n : stamm;
    if (zeile == 8) endung = genitivPluralK(n, marken);
    if (!istNominativOderVokativ(zeile)) return stamm;
    if (marken.istamm == 1) {
        endung = text::lastLetters(n, 1);
        return text::less(n, 1);
    }
    if (marken.istamm == 2) {
        endung = text::lastLetters(n, 2);
        return text::less(n, 2);
    }
    return n;
}

} // namespace

bool hatPlural(std::string_view g, Typ typ) { return !(typ == Typ::konsonantisch && g == "Iovis"); }

std::optional<Wortform> form(std::string_view n, std::string_view g, Typ typ, KMarken marken,
                             int zeile) {
    std::string_view endung = tabelleFuer(typ, marken.neutrum)[zeile];
    const Stamm stamm = [&]() -> Stamm {
        switch (typ) {
        case Typ::a:
        case Typ::uNeutrum:
            return text::less(n, 1);
        case Typ::oAufUs:
            return stammOAufUs(n, zeile, endung);
        case Typ::oAufR:
            return stammOAufR(n, g, zeile, endung);
        case Typ::oAufUm:
        case Typ::u:
            return text::less(n, 2);
        case Typ::e:
            return text::less(n, zeile == 6 ? 2 : 1);
        case Typ::iNeutrum:
            return stammINeutrum(n, g, zeile, endung);
        case Typ::iFemininum:
            return stammIFemininum(n, zeile, endung);
        case Typ::konsonantisch:
            return stammKonsonantisch(n, g, marken, zeile, endung);
        }
        return std::nullopt;
    }();
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
