#include "analysis/muster.h"

#include "analysis/mustertabelle.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace latiflex::analysis {

namespace {

std::vector<std::string_view> felder(std::string_view zeile) {
    std::vector<std::string_view> f;
    for (std::size_t tab; (tab = zeile.find('\t')) != std::string_view::npos;) {
        f.push_back(zeile.substr(0, tab));
        zeile.remove_prefix(tab + 1);
    }
    f.push_back(zeile);
    return f;
}

int zahl(std::string_view feld) {
    int n = 0;
    std::from_chars(feld.data(), feld.data() + feld.size(), n);
    return n;
}

// The rows of muster.tsv; each text a view into the compiled-in table.
std::vector<Muster> lesen() {
    std::vector<Muster> muster;
    std::string_view rest = musterTabelle;
    while (!rest.empty()) {
        const std::size_t ende = std::min(rest.find('\n'), rest.size());
        const std::string_view zeile = rest.substr(0, ende);
        rest.remove_prefix(std::min(ende + 1, rest.size()));
        if (zeile.empty() || zeile.front() == '#') continue;
        const auto f = felder(zeile);
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
