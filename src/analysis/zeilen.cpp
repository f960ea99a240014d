// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/zeilen.h"

#include <algorithm>
#include <charconv>

namespace latiflex::analysis {

std::vector<std::vector<std::string_view>> zeilen(std::string_view rest) {
    std::vector<std::vector<std::string_view>> ergebnis;
    while (!rest.empty()) {
        const std::size_t ende = std::min(rest.find('\n'), rest.size());
        std::string_view zeile = rest.substr(0, ende);
        rest.remove_prefix(std::min(ende + 1, rest.size()));
        if (zeile.empty() || zeile.front() == '#') continue;
        auto& felder = ergebnis.emplace_back();
        for (std::size_t tab; (tab = zeile.find('\t')) != std::string_view::npos;) {
            felder.push_back(zeile.substr(0, tab));
            zeile.remove_prefix(tab + 1);
        }
        felder.push_back(zeile);
    }
    return ergebnis;
}

int zahl(std::string_view feld) {
    int n = 0;
    std::from_chars(feld.data(), feld.data() + feld.size(), n);
    return n;
}

} // namespace latiflex::analysis
