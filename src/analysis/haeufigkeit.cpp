// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/haeufigkeit.h"

#include "analysis/haeufigkeittabelle.h"
#include "analysis/schreibung.h"
#include "analysis/zeilen.h"

#include <string>
#include <unordered_map>

namespace latiflex::analysis {

int haeufigkeit(std::string_view lemma) {
    static const std::unordered_map<std::string, int> tabelle = [] {
        std::unordered_map<std::string, int> t;
        for (const auto& f : zeilen(haeufigkeitTabelle))
            if (f.size() == 2) t[schluessel(f[0])] += zahl(f[1]);
        return t;
    }();
    const auto it = tabelle.find(schluessel(lemma));
    return it == tabelle.end() ? 0 : it->second;
}

} // namespace latiflex::analysis
