// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesen/lesart.h"

#include "grammar/zellcode.h"

namespace latiflex::lesen {

std::string schluessel(const Lesart& l) {
    return l.formen + "|" + (l.zelle ? grammar::zellcode(*l.zelle) : std::string());
}

const Lesart* Wort::lesart() const {
    if (lesarten.empty()) return nullptr;
    return &lesarten[gewaehlt && *gewaehlt < lesarten.size() ? *gewaehlt : 0];
}

Sicherheit Wort::sicherheit() const {
    const Lesart* l = lesart();
    if (!l) return Sicherheit::unbekannt;
    return l->bekannt ? Sicherheit::bekannt : Sicherheit::vermutet;
}

Lesart lesart(const analysis::Deutung& d) {
    return Lesart{d.klasse,
                  d.eingabe,
                  analysis::woerter(d.eingabe),
                  d.mitZelle ? std::optional(d.zelle) : std::nullopt,
                  d.seite,
                  d.wortform,
                  d.bedeutung,
                  d.eigen,
                  d.herkunft != analysis::Herkunft::regeln,
                  d.genus,
                  d.druckbar};
}

} // namespace latiflex::lesen
