// SPDX-License-Identifier: GPL-3.0-or-later
#include "nouns/substantiv.h"

#include "interfaces/prompt.h"
#include "nouns/deklination.h"

namespace latiflex::nouns {

namespace {

constexpr int spalteSingular = 5;
constexpr int spaltePlural = 25;
constexpr int pluralOben = 250; // twips: the plural starts beside the first singular rows

} // namespace

void drucke(Umgebung& u, const grammar::Paradigma& p) {
    write::line(u.bild1, p.ueberschrift);
    for (std::size_t b = 0; b < p.bloecke.size(); ++b) {
        const auto& formen = p.bloecke[b].formen;
        if (b == 1 && !formen.empty()) u.bild1.setY(pluralOben);
        for (std::size_t f = 0; f < formen.size(); ++f) {
            u.bild1.setBezug({int(b), int(f)});
            write::form(u.bild1, u.farben, b == 0 ? spalteSingular : spaltePlural,
                        formen[f].wortform);
        }
    }
    u.bild1.setBezug({});
}

Ergebnis<grammar::Paradigma> seite(std::string_view n, std::string_view g) {
    if (n.empty() || g.empty()) return keineFormen();
    if (n == "bos") return Ablehnung{"Unregelmäßig: nicht vorhanden", "FEHLT"};
    return paradigma(n, g);
}

std::optional<Eingabe> frage(Umgebung& u) {
    u.leeren();
    auto nom = frageWort(u.dialoge, "Substantiv im Nom. eingeben: ", "1.Sg.");
    if (!nom) return std::nullopt;
    auto gen = frageWort(u.dialoge, "Substantiv im Gen. eingeben: ", "2.Sg.");
    if (!gen) return std::nullopt;
    return Eingabe{"SUBST", {std::move(*nom), std::move(*gen)}};
}

} // namespace latiflex::nouns
