// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/grundwortschatz.h"

#include "adjectives/deklination.h"
#include "analysis/festewoerter.h"
#include "analysis/haeufigkeit.h"
#include "grammar/text.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <string_view>

namespace latiflex::grundwortschatz {

namespace {

using woerterbuch::Eintrag;
using woerterbuch::Formart;
using woerterbuch::Wortart;

constexpr std::string_view praefix = "Grundwortschatz ";

// Frequent words the dictionary lists wrongly (*armae*, *iudecis*, *sternerere*) or without
// the forms a lesson needs (an A-class verb with an irregular perfect, which the dictionary
// lists as a regular one, by its infinitive alone; *audio* without perfect), as textbooks
// give them; found by comparing the core vocabulary with a lexicon (bench/grundwortschatz.sh).
// A headword alone: a word no lesson can hold (*vis*, irregular; *arma*, a plural the
// dictionary lists as a singular; a verb without participle, or one the dictionary gives a
// participle it does not have, as *iaceo, iactus*).
constexpr std::string_view berichtigt[] = {
    "SUBST iudex, iudicis",
    "SUBST silva, silvae",
    "SUBST pulvis, pulveris",
    "SUBST frux, frugis",
    "SUBST salus, salutis",
    "SUBST venus, veneris",
    "SUBST natio, nationis",
    "SUBST reditus, reditus",
    "SUBST dedecus, dedecoris",
    "VERBUM do, dare, dedi, datus",
    "VERBUM circumdo, circumdare, circumdedi, circumdatus",
    "VERBUM iuvo, iuvare, iuvi, iutus",
    "VERBUM adiuvo, adiuvare, adiuvi, adiutus",
    "VERBUM lavo, lavare, lavi, lautus",
    "VERBUM seco, secare, secui, sectus",
    "VERBUM veto, vetare, vetui, vetitus",
    "VERBUM domo, domare, domui, domitus",
    "VERBUM crepo, crepare, crepui, crepitus",
    "VERBUM cubo, cubare, cubui, cubitus",
    "VERBUM frico, fricare, fricui, frictus",
    "VERBUM audio, audire, audivi, auditus",
    "VERBUM punio, punire, punivi, punitus",
    "VERBUM restituo, restituere, restitui, restitutus",
    "VERBUM abduco, abducere, abduxi, abductus",
    "VERBUM traduco, traducere, traduxi, traductus",
    "VERBUM coerceo, coercere, coercui, coercitus",
    "VERBUM addo, addere, addidi, additus",
    "VERBUM adimo, adimere, ademi, ademptus",
    "VERBUM cano, canere, cecini, cantus",
    "VERBUM desino, desinere, desii, desitus",
    "VERBUM sterno, sternere, stravi, stratus",
    "vis",
    "arma",
    "hiberna",
    "plus",
    "coepio",
    "iaceo",
    "posco",
    "consisto",
    "incido",
    "concido",
    "mico",
    "tono",
    "disto",
};

// Adjectives with the genitive *-ius* and the dative *-i*: their page would print *nulli*.
constexpr std::string_view pronominal[] = {"alius", "alter", "nullus", "ullus",   "solus",
                                           "totus", "uter",  "neuter", "uterque", "unus"};

// A line of `berichtigt` as the prompts take it.
Eingabe ausZeile(std::string_view zeile) {
    const auto blank = zeile.find(' ');
    Eingabe e{std::string(zeile.substr(0, blank)), {}};
    for (std::string_view rest = zeile.substr(blank + 1);;) {
        const auto komma = rest.find(", ");
        e.antworten.emplace_back(rest.substr(0, komma));
        if (komma == std::string_view::npos) return e;
        rest.remove_prefix(komma + 2);
    }
}

std::string_view befehl(Wortart art) {
    switch (art) {
    case Wortart::substantiv:
        return "SUBST";
    case Wortart::adjektiv:
        return "ADJEKTIV";
    case Wortart::verb:
        return "VERBUM";
    default:
        return "";
    }
}

bool buchstaben(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

bool endet(std::string_view s, std::string_view e) { return text::endsWith(s, e); }
std::string ohne(std::string_view s, std::size_t k) { return text::lessOrEmpty(s, k); }

// The words whose forms the program's own table gives (pronouns, numerals, irregular
// verbs): their pages would print forms the rules make up. *sum* has the tables of *esse*.
bool ausTabelle(std::string_view stichwort) {
    static const std::set<std::string, std::less<>> woerter = [] {
        std::set<std::string, std::less<>> s;
        for (const auto& w : analysis::festeWoerter())
            if (!w.formen.empty() && w.formen.front().first)
                s.insert(w.woerter.substr(0, w.woerter.find(',')));
        s.erase("sum");
        return s;
    }();
    return woerter.contains(stichwort);
}

void dazu(std::vector<Eingabe>& k, Eingabe e) {
    if (std::find(k.begin(), k.end(), e) == k.end()) k.push_back(std::move(e));
}

std::vector<Eingabe> substantiv(const Eintrag& e) {
    // The page takes the second form as a genitive singular: a plural alone (*castra*) warns.
    if (e.plural) return {};
    const std::string& n = e.stichwort;
    std::vector<Eingabe> k;
    if (const auto g = e.form(Formart::genitiv); g && buchstaben(*g))
        k.push_back({"SUBST", {n, *g}});
    // The genitive the nominative's ending gives, where the dictionary's is missing or refused.
    const std::string g = endet(n, "a")                      ? n + "e"
                          : endet(n, "us") || endet(n, "um") ? ohne(n, 2) + "i"
                                                             : "";
    if (!g.empty()) dazu(k, {"SUBST", {n, g}});
    return k;
}

std::vector<Eingabe> adjektiv(const Eintrag& e) {
    const std::string& m = e.stichwort;
    const bool feminin = adjectives::fragtFeminin(m);
    // bonus, bona, bonum: the endings are the rule's, whatever the dictionary prints.
    if (feminin && endet(m, "us")) return {{"ADJEKTIV", {m, ohne(m, 2) + "a", ohne(m, 2) + "um"}}};
    const auto zweite = e.form(feminin ? Formart::femininum : Formart::genitiv);
    const std::string s = zweite.value_or(!feminin && endet(m, "is") ? m : "");
    std::vector<Eingabe> k;
    if (const auto n = e.form(Formart::neutrum); n && buchstaben(s) && buchstaben(*n))
        k.push_back({"ADJEKTIV", {m, s, *n}});
    // The neuter the other forms give, where the dictionary's is missing or refused: fortis,
    // forte; acer, acris, acre; liber, libera, liberum; felix, felicis, felix.
    std::string n;
    if (endet(s, "is") && (feminin || s == m))
        n = ohne(s, 2) + "e";
    else if (feminin && endet(s, "a"))
        n = ohne(s, 1) + "um";
    else if (!feminin && !endet(m, "or"))
        n = m;
    if (buchstaben(s) && buchstaben(n)) dazu(k, {"ADJEKTIV", {m, s, n}});
    return k;
}

std::vector<Eingabe> verb(const Eintrag& e) {
    const std::string& p = e.stichwort;
    const auto inf = e.form(Formart::infinitiv);
    const auto perf = e.form(Formart::perfekt);
    auto ppp = e.form(Formart::supinum);
    if (ppp && endet(*ppp, "um")) ppp = ohne(*ppp, 2) + "us";
    if (!inf || !buchstaben(*inf)) return {};
    if (p == "sum")
        return perf ? std::vector<Eingabe>{{"VERBUM", {p, *inf, *perf}}} : std::vector<Eingabe>{};
    // The dictionary lists a regular A-class verb by its infinitive alone.
    const bool aKlasse = endet(p, "o") && endet(*inf, "are") && ohne(p, 1) == ohne(*inf, 3);
    if (endet(p, "r")) {
        if (!ppp && endet(*inf, "ari") && ohne(p, 2) == ohne(*inf, 3)) ppp = ohne(p, 2) + "atus";
        if (!ppp || !buchstaben(*ppp)) return {};
        return {{"VERBUM", {p, *inf, *ppp + " sum"}}};
    }
    if (perf && ppp && buchstaben(*perf) && buchstaben(*ppp))
        return {{"VERBUM", {p, *inf, *perf, *ppp}}};
    if (!perf && !ppp && aKlasse)
        return {{"VERBUM", {p, *inf, ohne(p, 1) + "avi", ohne(p, 1) + "atus"}}};
    return {}; // no participle: the page of the perfect passive has nothing to print
}

} // namespace

std::string lektionsname(std::size_t nummer) {
    return std::string(praefix) + std::to_string(nummer);
}

std::size_t nummer(std::string_view lektionsname) {
    if (!lektionsname.starts_with(praefix)) return 0;
    const std::string_view zahl = lektionsname.substr(praefix.size());
    std::size_t n = 0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), n);
    if (fehler != std::errc{} || ende != zahl.data() + zahl.size() || zahl.front() == '0') return 0;
    return n;
}

std::vector<Eingabe> kandidaten(const Eintrag& eintrag) {
    const std::string_view b = befehl(eintrag.wortart);
    const std::string& wort = eintrag.stichwort;
    if (b.empty() || !buchstaben(wort) || ausTabelle(wort) ||
        std::find(std::begin(pronominal), std::end(pronominal), wort) != std::end(pronominal))
        return {};
    for (const std::string_view zeile : berichtigt) {
        const Eingabe e = ausZeile(zeile);
        if (e.antworten.front() != wort) continue;
        if (e.antworten.size() == 1) return {};
        if (e.befehl == b) return {e};
    }
    if (b == "SUBST") return substantiv(eintrag);
    if (b == "ADJEKTIV") return adjektiv(eintrag);
    return verb(eintrag);
}

std::vector<Eingabe> woerter(const woerterbuch::Woerterbuch& woerterbuch,
                             const std::function<bool(const Eingabe&)>& nimmt) {
    struct Rang {
        int haeufigkeit;
        const Eintrag* eintrag;
    };
    std::vector<Rang> raenge;
    for (const auto& e : woerterbuch.eintraege())
        if (!befehl(e.wortart).empty() && buchstaben(e.stichwort))
            if (const int h = analysis::haeufigkeit(e.stichwort); h > 0) raenge.push_back({h, &e});
    std::stable_sort(raenge.begin(), raenge.end(),
                     [](const Rang& a, const Rang& b) { return a.haeufigkeit > b.haeufigkeit; });
    std::vector<Eingabe> liste;
    for (const auto& r : raenge) {
        if (liste.size() == hoechstWoerter) break;
        for (const Eingabe& k : kandidaten(*r.eintrag)) {
            if (!nimmt(k)) continue;
            if (std::find(liste.begin(), liste.end(), k) == liste.end()) liste.push_back(k);
            break;
        }
    }
    return liste;
}

} // namespace latiflex::grundwortschatz
