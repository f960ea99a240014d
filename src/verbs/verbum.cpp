#include "verbs/verbum.h"

#include "interfaces/prompt.h"

#include <optional>

namespace latiflex::verbs {

namespace {

// The principal parts as typed; nothing when a prompt was answered with a number.
std::optional<Stammformen> frageStammformen(Dialogs& d) {
    Stammformen e;
    const auto frage = [&d, &e](int teil, std::string_view text, std::string_view titel) {
        auto antwort = frageWort(d, text, titel);
        if (antwort) e[teil] = std::move(*antwort);
        return antwort.has_value();
    };
    if (!frage(1, "Verbum i 1.Sg.Praes. eingeben: ", "1.SG.PRAES.")) return std::nullopt;
    if (!frage(2, "Verbum im Infinitiv eingeben: ", "INFINITIV.")) return std::nullopt;
    const bool deponens = istDeponens(e[1]);
    if (!deponens && !frage(3, "Verbum in 1.Sg.Perf. eingeben: ", "1.SG.PERF."))
        return std::nullopt;
    if (istSum(e[1])) return e;
    const bool gefragt = deponens ? frage(4, "Verbum in 1.Sg.Perf. eingeben: ", "PERFEKT")
                                  : frage(4, " Part.Perf.Pass.masc. eingeben: ", "P.P.P. -us");
    if (!gefragt) return std::nullopt;
    return e;
}

void drucke(Umgebung& u, const grammar::Paradigma& p) {
    write::blankLine(u.bild1);
    write::line(u.bild1, p.ueberschrift);
}

} // namespace

std::shared_ptr<const Verb> verbum(Umgebung& u) {
    u.leeren();
    const auto eingegeben = frageStammformen(u.dialoge);
    if (!eingegeben) return nullptr;
    auto v = std::make_shared<const Verb>(verb(*eingegeben));
    grammar::Paradigma p = kopfseite(*v);
    drucke(u, p);
    u.seiten.zeige(std::move(p));
    return v;
}

} // namespace latiflex::verbs
