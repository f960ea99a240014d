#include "verbs/verbum.h"

#include "grammar/text.h"
#include "shell/prompt.h"
#include "verbs/seite.h"

#include <algorithm>

namespace latiflex::verbs {

using text::endsWith;

void deponensUmformen(std::string& p, std::string& inf) {
    p = text::lessOrEmpty(p, 1);
    for (const std::string_view endung : {"ari", "iri", "eri"})
        if (endsWith(inf, endung)) inf = text::lessOrEmpty(inf, 1) + "e";
    if (endsWith(p, "io") && endsWith(inf, "i")) inf = text::lessOrEmpty(inf, 1) + "ere";
    if (endsWith(p, "o") && endsWith(inf, "i")) inf = text::lessOrEmpty(inf, 1) + "ere";
}

void klassifizieren(VerbZustand& v) {
    const std::string& p = v.stammformen[1];
    const std::string& inf = v.stammformen[2];
    const auto setze = [&v](Konjklasse klasse, std::string_view name) {
        v.konjklasse = klasse;
        v.konjname = name;
    };
    // Every rule is tested; a later one that holds wins (creo, creare is E).
    if (endsWith(inf, "are")) setze(Konjklasse::a, "A");
    if (endsWith(inf, "ire")) setze(Konjklasse::i, "I");
    if (endsWith(p, "eo")) setze(Konjklasse::e, "E");
    if (endsWith(p, "io") && endsWith(inf, "ere")) setze(Konjklasse::misch, "MISCH");
    if (!endsWith(p, "io") && !endsWith(p, "eo") && endsWith(inf, "ere"))
        setze(Konjklasse::konsonantisch, "KONSONANT.");
}

VerbZustand gelesen(const grammar::AbEins<std::string, 4>& eingegeben) {
    VerbZustand v;
    v.eingegeben = eingegeben;
    v.stammformen = eingegeben;
    auto& sf = v.stammformen;
    v.deponens = endsWith(sf[1], "r");
    if (v.deponens) sf[3].clear();
    const bool sum = sf[1] == "sum";
    if (!sum) {
        if (v.deponens) {
            deponensUmformen(sf[1], sf[2]);
            // A deponent's perfect is kept up to its first blank: hortatus sum gives hortatus.
            sf[4].erase(std::min(sf[4].find(' '), sf[4].size()));
        }
        klassifizieren(v);
    }
    // volo, nolo and malo form their future like the consonant conjugation (volam, voles),
    // whatever their infinitive said; the heading keeps the class the rules found.
    if (istVoloNoloMalo(sf[1])) v.konjklasse = Konjklasse::konsonantisch;
    v.verbgewaehlt = VerbGewaehlt::ja;
    v.istsum = sum;
    return v;
}

namespace {

// Stores an answer as typed and as the tense commands read it.
void speichern(VerbZustand& v, int zelle, std::string antwort) {
    v.eingegeben[zelle] = antwort;
    v.stammformen[zelle] = std::move(antwort);
}

} // namespace

void verbum(Umgebung& u, VerbZustand& v) {
    u.leeren();
    // Whatever an earlier verb left must not show through a failed or classless entry.
    v.verbgewaehlt = VerbGewaehlt::nein;
    v.istsum = false;
    v.deponens = false;
    v.konjklasse = Konjklasse::keine;
    v.konjname.clear();
    v.eingegeben = {};
    auto& sf = v.stammformen;

    auto antwort = frageWort(u.dialoge, "Verbum i 1.Sg.Praes. eingeben: ", "1.SG.PRAES.");
    if (!antwort) return;
    speichern(v, 1, std::move(*antwort));
    antwort = frageWort(u.dialoge, "Verbum im Infinitiv eingeben: ", "INFINITIV.");
    if (!antwort) return;
    speichern(v, 2, std::move(*antwort));

    if (endsWith(sf[1], "r")) {
        v.deponens = true;
        speichern(v, 3, {});
    } else {
        antwort = frageWort(u.dialoge, "Verbum in 1.Sg.Perf. eingeben: ", "1.SG.PERF.");
        if (!antwort) return;
        speichern(v, 3, std::move(*antwort));
    }

    if (sf[1] != "sum") {
        antwort = v.deponens
                      ? frageWort(u.dialoge, "Verbum in 1.Sg.Perf. eingeben: ", "PERFEKT")
                      : frageWort(u.dialoge, " Part.Perf.Pass.masc. eingeben: ", "P.P.P. -us");
        if (!antwort) return;
        speichern(v, 4, std::move(*antwort));
    }

    v = gelesen(v.eingegeben);
    print::blankLine(u.bild1);
    print::line(u.bild1, "   VERBUM der " + v.konjname + " - Konjugation ");
    u.seiten.zeige(stammformenSeite(v));
}

} // namespace latiflex::verbs
