// SPDX-License-Identifier: GPL-3.0-or-later
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

Ergebnis<grammar::Paradigma> seite(std::string_view m, std::string_view s, std::string_view n) {
    const Eingabe eingabe{m, s, n};
    const auto analyse = m.empty() || s.empty() || n.empty() ? std::nullopt : analysieren(eingabe);
    if (!analyse) return keineFormen();
    return paradigma(eingabe, *analyse);
}

std::optional<latiflex::Eingabe> frage(Umgebung& u) {
    u.leeren();
    auto m = frageWort(u.dialoge, "Adjektiv im MASK. eingeben: ", "1.Sg.m.");
    if (!m) return std::nullopt;
    auto s = fragtFeminin(*m)
                 ? frageWort(u.dialoge, "Adjektiv im FEM. eingeben: ", "1.Sg.f.")
                 : frageWort(u.dialoge, "ADJEKTIV in 2.Sg.masc. eingeben: ", "2.Sg.m.");
    if (!s) return std::nullopt;
    auto n = frageWort(u.dialoge, "Adjektiv im NEUTR. eingeben: ", "1.Sg.n.");
    if (!n) return std::nullopt;
    return latiflex::Eingabe{"ADJEKTIV", {std::move(*m), std::move(*s), std::move(*n)}};
}

} // namespace latiflex::adjectives
