// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/muster.h"

#include "analysis/mustertabelle.h"
#include "analysis/zeilen.h"

#include <vector>

namespace latiflex::analysis {

namespace {

// The rows of muster.tsv; each text a view into the compiled-in table.
std::vector<Muster> lesen() {
    std::vector<Muster> muster;
    for (const auto& f : zeilen(musterTabelle)) {
        if (f.size() < 6) continue;
        Muster m{f[0], f[1].empty() ? char(0) : f[1].front(), zahl(f[2]), zahl(f[3]), f[4], {}};
        for (std::size_t i = 5; i < f.size() && i - 5 < m.endungen.size(); ++i)
            m.endungen[i - 5] = f[i];
        muster.push_back(m);
    }
    return muster;
}

} // namespace

std::span<const Muster> alleMuster() {
    static const std::vector<Muster> muster = lesen();
    return muster;
}

std::size_t antwortenZahl(const Muster& m) {
    if (m.befehl == "SUBST") return 2;
    if (m.befehl == "ADJEKTIV") return 3;
    // A deponent's third answer is its perfect ("hortatus sum"); sum, volo, nolo and malo
    // are given without a participle.
    const bool deponens = m.endungen[2].find(' ') != std::string_view::npos;
    return deponens || m.letzter == 0 ? 3 : 4;
}

} // namespace latiflex::analysis
