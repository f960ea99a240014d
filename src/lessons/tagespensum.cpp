// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/tagespensum.h"

#include <algorithm>
#include <tuple>

namespace latiflex::lektionen {

std::map<LektionId, int> tagespensum(const std::vector<Lernstand>& lektionen,
                                     std::optional<LektionId> aktuelle) {
    std::vector<const Lernstand*> offen;
    for (const Lernstand& l : lektionen)
        if (l.neu > 0) offen.push_back(&l);
    const auto rang = [&](const Lernstand* l) {
        return std::tuple(!l->begonnen, l->begonnen.value_or(Datum{}), l->lektion != aktuelle,
                          l->lektion);
    };
    std::sort(offen.begin(), offen.end(),
              [&](const Lernstand* a, const Lernstand* b) { return rang(a) < rang(b); });
    std::map<LektionId, int> aus;
    for (std::size_t i = 0; i < offen.size() && i < static_cast<std::size_t>(lektionenZugleich);
         ++i) {
        const Lernstand& l = *offen[i];
        const int proTag = std::max(mindestensNeue, (l.zellen + tageJeLektion - 1) / tageJeLektion);
        const int heute = std::min(l.neu, proTag - l.heuteNeu);
        if (heute > 0) aus.emplace(l.lektion, heute);
    }
    return aus;
}

} // namespace latiflex::lektionen
