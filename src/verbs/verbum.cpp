// SPDX-License-Identifier: GPL-3.0-or-later
#include "verbs/verbum.h"

#include "interfaces/number.h"
#include "interfaces/prompt.h"

namespace latiflex::verbs {

std::optional<Eingabe> frage(Umgebung& u) {
    u.leeren();
    Eingabe e{"VERBUM", {}};
    const auto frage = [&u, &e](std::string_view text, std::string_view titel) {
        auto antwort = frageWort(u.dialoge, text, titel);
        if (antwort) e.antworten.push_back(std::move(*antwort));
        return antwort.has_value();
    };
    if (!frage("Verbum i 1.Sg.Praes. eingeben: ", "1.SG.PRAES.")) return std::nullopt;
    if (!frage("Verbum im Infinitiv eingeben: ", "INFINITIV.")) return std::nullopt;
    const bool deponens = istDeponens(e.antworten[0]);
    if (!deponens && !frage("Verbum in 1.Sg.Perf. eingeben: ", "1.SG.PERF.")) return std::nullopt;
    if (istSum(e.antworten[0])) return e;
    const bool gefragt = deponens ? frage("Verbum in 1.Sg.Perf. eingeben: ", "PERFEKT")
                                  : frage(" Part.Perf.Pass.masc. eingeben: ", "P.P.P. -us");
    if (!gefragt) return std::nullopt;
    return e;
}

Ergebnis<Stammformen> stammformen(const std::vector<std::string>& antworten) {
    Stammformen s;
    std::size_t i = 0;
    // The next answer for part `teil`; false where it reads as a number.
    const auto naechste = [&](int teil) {
        s[teil] = i < antworten.size() ? antworten[i++] : std::string();
        return !isNumeric(s[teil]);
    };
    if (!naechste(1) || !naechste(2)) return keineZahlen();
    if (!istDeponens(s[1]) && !naechste(3)) return keineZahlen();
    if (!istSum(s[1]) && !naechste(4)) return keineZahlen();
    return s;
}

void druckeKopf(Umgebung& u, const grammar::Paradigma& p) {
    write::blankLine(u.bild1);
    write::line(u.bild1, p.ueberschrift);
}

} // namespace latiflex::verbs
