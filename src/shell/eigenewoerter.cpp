// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/eigenewoerter.h"

#include "analysis/bestimmung.h"
#include "shell/hinweis.h"
#include "shell/lektionen.h"

#include <algorithm>

namespace latiflex {

std::vector<Eingabe> eigeneWoerter(const Seiten& seiten, Lektionen* lektionen) {
    std::vector<Eingabe> woerter;
    const auto dazu = [&woerter](Eingabe e) {
        if (std::find(woerter.begin(), woerter.end(), e) == woerter.end())
            woerter.push_back(std::move(e));
    };
    for (const auto& p : seiten.alle())
        if (!hinweis::pruefe(*p).warnt()) dazu(analysis::eingabe(*p));
    if (lektionen)
        for (const auto& lektion : lektionen->lektionen())
            for (const auto& wort : lektionen->woerter(lektion.id))
                dazu(Lektionen::zumBilden(wort.eingabe));
    return woerter;
}

} // namespace latiflex
