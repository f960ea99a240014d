// SPDX-License-Identifier: GPL-3.0-or-later
#include "nouns/deklination.h"

#include "grammar/bezeichnung.h"
#include "grammar/kasusendungen.h"
#include "grammar/text.h"

#include <algorithm>
#include <array>

namespace latiflex::nouns {

namespace {

namespace endungen = grammar::endungen;

bool istNominativOderVokativ(int zeile) { return zeile == 1 || zeile == 5; }

// The genitive plural of the consonant declension, decided once for the whole word: -ium
// for the i-stems, but -um for iuvenis and sedes.
std::string_view genitivPluralK(std::string_view n, KMarken marken) {
    if (n == "iuvenis" || n == "sedes") return "um";
    if (marken.istamm != 0) return "ium";
    return endungen::konsonantisch[8];
}

using Stamm = std::optional<std::string_view>;

/// The word a row is formed of.
struct Wort {
    std::string_view n;
    std::string_view g;
    KMarken marken;
};

/// Where a declension cuts the stem for row `zeile`; it may change the row's ending.
using Stammregel = Stamm (*)(const Wort& wort, int zeile, std::string_view& endung);

Stamm ohneEinen(const Wort& wort, int /*zeile*/, std::string_view& /*endung*/) {
    return text::less(wort.n, 1);
}

Stamm ohneZwei(const Wort& wort, int /*zeile*/, std::string_view& /*endung*/) {
    return text::less(wort.n, 2);
}

// res: the stem re-, but the ablative cuts r+e, its ending being the e.
Stamm stammE(const Wort& wort, int zeile, std::string_view& /*endung*/) {
    return text::less(wort.n, zeile == 6 ? 2 : 1);
}

// filius: the vocative fili.
Stamm stammOAufUs(const Wort& wort, int zeile, std::string_view& endung) {
    const std::string_view n = wort.n;
    if (zeile == 5 && text::endsWith(n, "ius")) {
        endung = "i";
        return text::less(n, 3);
    }
    return text::less(n, 2);
}

// puer, pueri: the nominative is the stem throughout, and stands alone in rows 1, 5.
Stamm stammOAufR(const Wort& wort, int zeile, std::string_view& endung) {
    const std::string_view n = wort.n;
    const std::string_view g = wort.g;
    const bool nomstamm = text::letterCount(n) != text::letterCount(g);
    if (!istNominativOderVokativ(zeile)) return nomstamm ? n : text::less(g, 1);
    const Stamm kurz = text::less(n, 2);
    if (!kurz || !nomstamm) return kurz;
    endung = "";
    return n;
}

// mare, animal: the nominative stands alone in rows 1, 4, 5.
Stamm stammINeutrum(const Wort& wort, int zeile, std::string_view& endung) {
    const std::string_view n = wort.n;
    const std::string_view g = wort.g;
    const Stamm stamm = text::less(g, 2);
    if (!stamm) return std::nullopt;
    if (zeile == 1 || zeile == 4 || zeile == 5) endung = "";
    if (zeile == 4 || zeile == 5 || (zeile == 1 && text::endsWith(n, "e"))) return n;
    return stamm;
}

// vis, -, -, vim, vis, vi; vires, virium, ...
Stamm stammIFemininum(const Wort& wort, int zeile, std::string_view& endung) {
    const std::string_view n = wort.n;
    if (n != "vis") return text::less(n, 2);
    if (zeile == 2 || zeile == 3) {
        endung = "";
        return "";
    }
    return zeile >= 7 ? "vir" : text::less(n, 2);
}

// rex, regis; the neuter nomen; the i-stems urbs (urb+s) and civis (civ+is).
Stamm stammKonsonantisch(const Wort& wort, int zeile, std::string_view& endung) {
    const auto [n, g, marken] = wort;
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

/// What sets a declension apart: its endings and where it cuts the stem.
struct Deklination {
    Typ typ;
    const grammar::Kasusendungen* endungen;
    Stammregel stamm;
};

constexpr std::array deklinationen{
    Deklination{Typ::iNeutrum, &endungen::iNeutrum, stammINeutrum},
    Deklination{Typ::a, &endungen::a, ohneEinen},
    Deklination{Typ::oAufUs, &endungen::oUs, stammOAufUs},
    Deklination{Typ::oAufR, &endungen::oEr, stammOAufR},
    Deklination{Typ::oAufUm, &endungen::oUm, ohneZwei},
    Deklination{Typ::e, &endungen::e, stammE},
    Deklination{Typ::u, &endungen::u, ohneZwei},
    Deklination{Typ::uNeutrum, &endungen::uNeutrum, ohneEinen},
    Deklination{Typ::iFemininum, &endungen::iFemininum, stammIFemininum},
    Deklination{Typ::konsonantisch, &endungen::konsonantisch, stammKonsonantisch},
};

const Deklination& deklination(Typ typ) {
    return *std::ranges::find(deklinationen, typ, &Deklination::typ);
}

} // namespace

bool hatPlural(std::string_view g, Typ typ) { return !(typ == Typ::konsonantisch && g == "Iovis"); }

std::optional<Wortform> form(std::string_view n, std::string_view g, Typ typ, KMarken marken,
                             int zeile) {
    const Deklination& d = deklination(typ);
    const bool kNeutrum = typ == Typ::konsonantisch && marken.neutrum;
    std::string_view endung = (kNeutrum ? endungen::konsonantischNeutrum : *d.endungen)[zeile];
    const Stamm stamm = d.stamm({n, g, marken}, zeile, endung);
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
    p.klassenname = text::trimmed(std::string(klasse.deklname).append(klasse.kopfende));
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
