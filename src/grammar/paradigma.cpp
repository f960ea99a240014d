// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammar/paradigma.h"

#include <algorithm>

namespace latiflex::grammar {

bool Paradigma::hatFormen() const {
    return std::any_of(bloecke.begin(), bloecke.end(), [](const Block& b) {
        return std::any_of(b.formen.begin(), b.formen.end(),
                           [](const Form& f) { return !f.wortform.leer(); });
    });
}

std::vector<const Form*> Paradigma::formenIn(const Zelle& zelle) const {
    std::vector<const Form*> gefunden;
    for (const Block& block : bloecke)
        for (const Form& form : block.formen)
            if (form.zelle == zelle) gefunden.push_back(&form);
    return gefunden;
}

} // namespace latiflex::grammar
