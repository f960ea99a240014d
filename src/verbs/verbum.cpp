#include "verbs/verbum.h"

#include "shell/prompt.h"
#include "grammar/text.h"

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
    const auto setze = [&v](int klasse, std::string_view name) {
        v.konjklasse = klasse;
        v.konjname = name;
    };
    // Every rule is tested; a later one that holds wins (creo, creare is E).
    if (endsWith(inf, "are")) setze(a, "A");
    if (endsWith(inf, "ire")) setze(i, "I");
    if (endsWith(p, "eo")) setze(e, "E");
    if (endsWith(p, "io") && endsWith(inf, "ere")) setze(misch, "MISCH");
    if (!endsWith(p, "io") && !endsWith(p, "eo") && endsWith(inf, "ere"))
        setze(konsonantisch, "KONSONANT.");
}

void verbum(Umgebung& u, VerbZustand& v) {
    u.bild1.clear();
    // Whatever an earlier verb left must not show through a failed or classless entry.
    v.verbgewaehlt = 0;
    v.istsum = false;
    v.deponens = false;
    v.konjklasse = keine;
    v.konjname.clear();
    auto& sf = v.stammformen;

    auto antwort = frageWort(u.dialoge, "Verbum i 1.Sg.Praes. eingeben: ", "1.SG.PRAES.");
    if (!antwort) return;
    sf[1] = std::move(*antwort);
    antwort = frageWort(u.dialoge, "Verbum im Infinitiv eingeben: ", "INFINITIV.");
    if (!antwort) return;
    sf[2] = std::move(*antwort);

    if (endsWith(sf[1], "r")) {
        v.deponens = true;
        sf[3].clear();
    } else {
        antwort = frageWort(u.dialoge, "Verbum in 1.Sg.Perf. eingeben: ", "1.SG.PERF.");
        if (!antwort) return;
        sf[3] = std::move(*antwort);
    }

    const bool sum = sf[1] == "sum";
    if (!sum) {
        antwort = v.deponens
                      ? frageWort(u.dialoge, "Verbum in 1.Sg.Perf. eingeben: ", "PERFEKT")
                      : frageWort(u.dialoge, " Part.Perf.Pass.masc. eingeben: ", "P.P.P. -us");
        if (!antwort) return;
        sf[4] = std::move(*antwort);
        if (v.deponens) deponensUmformen(sf[1], sf[2]);
        klassifizieren(v);
    }

    print::blankLine(u.bild1);
    print::line(u.bild1, "   VERBUM der " + v.konjname + " - Konjugation ");
    v.verbgewaehlt = 1;
    v.istsum = sum;
}

} // namespace latiflex::verbs
