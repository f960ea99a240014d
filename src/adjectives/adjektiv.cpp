#include "adjectives/adjektiv.h"

#include "adjectives/deklination.h"
#include "shell/prompt.h"

#include <array>

namespace latiflex::adjectives {

namespace {

constexpr std::array<int, 3> spalten{5, 25, 45};
constexpr int spaltenOben = 250; // twips: the feminine and neuter columns start here

} // namespace

void adjektiv(Umgebung& u) {
    u.bild1.clear();

    const auto m = frageWort(u.dialoge, "Adjektiv im MASK. eingeben: ", "1.Sg.m.");
    if (!m) return;
    const auto s = fragtFeminin(*m)
                       ? frageWort(u.dialoge, "Adjektiv im FEM. eingeben: ", "1.Sg.f.")
                       : frageWort(u.dialoge, "ADJEKTIV in 2.Sg.masc. eingeben: ", "2.Sg.m.");
    if (!s) return;
    const auto n = frageWort(u.dialoge, "Adjektiv im NEUTR. eingeben: ", "1.Sg.n.");
    if (!n) return;

    const Eingabe eingabe{*m, *s, *n};
    const auto analyse =
        m->empty() || s->empty() || n->empty() ? std::nullopt : analysieren(eingabe);
    if (!analyse) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }

    const auto formen = paradigma(eingabe, *analyse);
    print::threeColumns(u.bild1, spalten[0], "MASKULIN", spalten[1], "FEMININ", spalten[2],
                        "NEUTRUM");
    for (std::size_t g = 0; g < formen.size(); ++g) {
        if (g > 0) u.bild1.setY(spaltenOben);
        for (std::size_t zeile = 0; zeile < formen[g].size(); ++zeile) {
            if (zeile == 6) print::blankLine(u.bild1);
            print::form(u.bild1, u.farben, spalten[g], formen[g][zeile]);
        }
    }
}

} // namespace latiflex::adjectives
