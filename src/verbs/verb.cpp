// SPDX-License-Identifier: GPL-3.0-or-later
#include "verbs/verb.h"

#include "grammar/text.h"

#include <algorithm>

namespace latiflex::verbs {

namespace {

using text::endsWith;

// The deponent's 1st singular and infinitive in the shape of an active verb
// (hortor, hortari: horto, hortare; patior, pati: patio, patere).
void inAktivForm(std::string& p, std::string& inf) {
    p = text::lessOrEmpty(p, 1);
    for (const std::string_view endung : {"ari", "iri", "eri"})
        if (endsWith(inf, endung)) inf = text::lessOrEmpty(inf, 1) + "e";
    if (endsWith(p, "io") && endsWith(inf, "i")) inf = text::lessOrEmpty(inf, 1) + "ere";
    if (endsWith(p, "o") && endsWith(inf, "i")) inf = text::lessOrEmpty(inf, 1) + "ere";
}

// The class of the 1st singular `p` and the infinitive `inf`, with its name; every rule is
// tested and a later one that holds wins (creo, creare is E).
void klassifizieren(std::string_view p, std::string_view inf, Verb& v) {
    const auto setze = [&v](Konjklasse klasse, std::string_view name) {
        v.konjklasse = klasse;
        v.konjname = name;
    };
    if (endsWith(inf, "are")) setze(Konjklasse::a, "A");
    if (endsWith(inf, "ire")) setze(Konjklasse::i, "I");
    if (endsWith(p, "eo")) setze(Konjklasse::e, "E");
    if (endsWith(p, "io") && endsWith(inf, "ere")) setze(Konjklasse::misch, "MISCH");
    if (!endsWith(p, "io") && !endsWith(p, "eo") && endsWith(inf, "ere"))
        setze(Konjklasse::konsonantisch, "KONSONANT.");
}

} // namespace

Verb verb(const Stammformen& eingegeben) {
    Verb v;
    v.eingegeben = eingegeben;
    v.stammformen = eingegeben;
    auto& sf = v.stammformen;
    v.deponens = istDeponens(sf[1]);
    v.istsum = istSum(sf[1]);
    if (!v.istsum) {
        if (v.deponens) {
            inAktivForm(sf[1], sf[2]);
            sf[4].erase(std::min(sf[4].find(' '), sf[4].size()));
        }
        klassifizieren(sf[1], sf[2], v);
    }
    if (istVoloNoloMalo(sf[1])) v.konjklasse = Konjklasse::konsonantisch;
    return v;
}

std::string ueberschrift(const Verb& v) {
    return "   VERBUM der " + v.konjname + " - Konjugation ";
}

std::string klassenname(const Verb& v) {
    return v.konjname.empty() ? std::string() : v.konjname + " - Konjugation";
}

std::string klasse(const Verb& v) {
    if (v.konjname.empty()) return "VERBUM";
    return std::string(text::trimmed(ueberschrift(v)));
}

std::vector<grammar::Stichwort> stichwoerter(const Verb& v) {
    using grammar::GenusVerbi;
    using grammar::Modus;
    using grammar::Numerus;
    using grammar::Person;
    using grammar::Tempus;
    const GenusVerbi praesens = v.deponens ? GenusVerbi::passiv : GenusVerbi::aktiv;
    const auto erstePerson = [](Tempus t, GenusVerbi g) {
        return grammar::verbZelle(Person::erste, Numerus::singular, t, Modus::indikativ, g);
    };
    std::vector<grammar::Stichwort> s{{v.eingegeben[1], erstePerson(Tempus::praesens, praesens)},
                                      {v.eingegeben[2], std::nullopt}};
    if (v.deponens) {
        s.push_back({v.eingegeben[4], erstePerson(Tempus::perfekt, GenusVerbi::passiv)});
    } else {
        s.push_back({v.eingegeben[3], erstePerson(Tempus::perfekt, GenusVerbi::aktiv)});
        if (!v.istsum) s.push_back({v.eingegeben[4], std::nullopt});
    }
    return s;
}

grammar::Paradigma kopfseite(const Verb& v) {
    grammar::Paradigma p;
    p.wortart = grammar::Wortart::verbum;
    p.seite = "VERBUM";
    p.klasse = klasse(v);
    p.klassenname = klassenname(v);
    p.ueberschrift = ueberschrift(v);
    p.stichwoerter = stichwoerter(v);
    return p;
}

} // namespace latiflex::verbs
