// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/hinweis.h"

#include "shell/hinweisteile.h"

#include <algorithm>

namespace latiflex::hinweis {

Hinweis pruefe(const grammar::Paradigma& p) {
    for (const auto check : {mehrereFormen, zuLang, zeichenAendert, zeichenInFormen})
        if (auto h = check(p)) return std::move(*h);
    if (p.seite == "VERBUM") {
        if (auto h = keineKlasse(p)) return std::move(*h);
        return partizip(p).value_or(Hinweis{});
    }
    if (!p.hatFormen()) return keineFormen(p).value_or(Hinweis{});
    for (const auto check : {partizip, seltenesPaar, zellen})
        if (auto h = check(p)) return std::move(*h);
    return {};
}

std::string text(const Seiten& seiten) {
    const grammar::Paradigma* p = seiten.zuletzt();
    if (!p) return {};
    Hinweis h = pruefe(*p);
    if (h.warnt()) return std::move(h.text);
    return p->hatFormen() ? std::string(tipp) : std::string();
}

} // namespace latiflex::hinweis
