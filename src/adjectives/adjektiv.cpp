#include "adjectives/adjektiv.h"

#include "adjectives/deklination.h"
#include "interfaces/prompt.h"

#include <array>

namespace latiflex::adjectives {

namespace {

constexpr std::array<int, 3> tabs{5, 25, 45};
constexpr int spaltenOben = 250; // twips: the feminine and neuter columns start here

} // namespace

void drucke(Umgebung& u, const grammar::Paradigma& p) {
    // The three gender heads on one line, then each gender's column top to bottom.
    for (std::size_t g = 0; g < p.bloecke.size(); ++g) {
        u.bild1.setBezug({int(g), -1});
        if (g + 1 < p.bloecke.size())
            write::column(u.bild1, tabs[g], p.bloecke[g].kopf);
        else
            write::columnLine(u.bild1, tabs[g], p.bloecke[g].kopf);
    }
    for (std::size_t g = 0; g < p.bloecke.size(); ++g) {
        if (g > 0) u.bild1.setY(spaltenOben);
        const auto& formen = p.bloecke[g].formen;
        for (std::size_t zeile = 0; zeile < formen.size(); ++zeile) {
            if (zeile == 6) {
                u.bild1.setBezug({});
                write::blankLine(u.bild1);
            }
            u.bild1.setBezug({int(g), int(zeile)});
            write::form(u.bild1, u.farben, tabs[g], formen[zeile].wortform);
        }
    }
    u.bild1.setBezug({});
}

std::optional<grammar::Paradigma> seite(std::string_view m, std::string_view s,
                                        std::string_view n) {
    const Eingabe eingabe{m, s, n};
    const auto analyse = m.empty() || s.empty() || n.empty() ? std::nullopt : analysieren(eingabe);
    if (!analyse) return std::nullopt;
    return paradigma(eingabe, *analyse);
}

void adjektiv(Umgebung& u) {
    u.leeren();

    const auto m = frageWort(u.dialoge, "Adjektiv im MASK. eingeben: ", "1.Sg.m.");
    if (!m) return;
    const auto s = fragtFeminin(*m)
                       ? frageWort(u.dialoge, "Adjektiv im FEM. eingeben: ", "1.Sg.f.")
                       : frageWort(u.dialoge, "ADJEKTIV in 2.Sg.masc. eingeben: ", "2.Sg.m.");
    if (!s) return;
    const auto n = frageWort(u.dialoge, "Adjektiv im NEUTR. eingeben: ", "1.Sg.n.");
    if (!n) return;

    auto p = seite(*m, *s, *n);
    if (!p) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }

    drucke(u, *p);
    u.seiten.zeige(std::move(*p));
}

} // namespace latiflex::adjectives
