#include "verbs/seite.h"

#include "shell/prompt.h"

namespace latiflex::verbs {

namespace {

struct Platz {
    int spalte;
    int oben; // twips; -1: where the cleared pane starts
};

constexpr std::array<Platz, 5> plaetze{{{5, -1}, {25, 0}, {45, 0}, {5, 1900}, {25, 1900}}};

} // namespace

void druckeSeite(Umgebung& u, const std::array<Tempus, 5>& tempora, Farbe farbe) {
    for (std::size_t t = 0; t < tempora.size(); ++t) {
        const auto [spalte, oben] = plaetze[t];
        if (oben >= 0) u.bild1.setY(oben);
        print::columnLine(u.bild1, spalte, tempora[t].kopf);
        for (const Wortform& form : tempora[t].formen) {
            if (farbe == Farbe::ohne)
                print::columnLine(u.bild1, spalte, form.stamm + form.endung);
            else
                print::form(u.bild1, u.farben, spalte, form);
        }
    }
}

bool verbGewaehlt(Umgebung& u, const VerbZustand& v) {
    if (v.verbgewaehlt == 1) return true;
    melden(u.dialoge, "Zuerst VERBUM wählen", "FEHLER");
    return false;
}

bool aktivBereit(Umgebung& u, const VerbZustand& v) {
    if (!verbGewaehlt(u, v)) return false;
    u.bild1.clear();
    if (!v.deponens) return true;
    melden(u.dialoge, "Kein Eintrag", "DEPONENS");
    return false;
}

} // namespace latiflex::verbs
