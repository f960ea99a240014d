// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesen/wortschatz.h"

#include "drill/vergleich.h"

#include <algorithm>
#include <map>

namespace latiflex::lesen {

std::vector<Vokabel> wortschatz(const std::vector<Wort>& woerter, Reihenfolge reihenfolge,
                                const std::function<bool(const Eingabe&)>& inLektion) {
    std::vector<Vokabel> liste;
    // An entry by its command and dictionary forms; a word without cells by its form.
    std::map<std::pair<std::string, std::string>, std::size_t> stelle;
    for (const auto& w : woerter) {
        const Lesart* l = w.lesart();
        if (!l) continue;
        const auto schluessel = std::pair{l->eingabe.befehl, drill::normiert(l->formen)};
        const auto [it, neu] = stelle.emplace(schluessel, liste.size());
        if (neu)
            liste.push_back(
                {*l, w.zeile, 0, inLektion && !l->eingabe.befehl.empty() && inLektion(l->eingabe)});
        ++liste[it->second].anzahl;
    }
    if (reihenfolge == Reihenfolge::alphabetisch)
        std::stable_sort(liste.begin(), liste.end(), [](const Vokabel& a, const Vokabel& b) {
            return drill::normiert(a.lesart.formen) < drill::normiert(b.lesart.formen);
        });
    return liste;
}

} // namespace latiflex::lesen
