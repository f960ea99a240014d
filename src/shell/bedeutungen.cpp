// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/bedeutungen.h"

#include "dictionary/woerterbuch.h"

namespace latiflex {

std::optional<Woerterbuchbedeutung> ausWoerterbuch(const Eingabe& eingabe) {
    const auto* w = woerterbuch::installiertes();
    const auto* e = w ? w->zuEingabe(eingabe) : nullptr;
    if (!e || e->bedeutungen.empty()) return std::nullopt;
    return Woerterbuchbedeutung{e->bedeutungText(), e->wortart == woerterbuch::Wortart::substantiv
                                                        ? std::string(kuerzel(e->genus))
                                                        : ""};
}

std::optional<std::string> woerterbuchFehlt() {
    static bool gesagt = false;
    if (gesagt || woerterbuch::installiertes() != nullptr) return std::nullopt;
    gesagt = true;
    return std::string(woerterbuch::nichtInstalliert);
}

} // namespace latiflex
