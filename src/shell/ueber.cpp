// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ueber.h"

#include "dictionary/woerterbuch.h"

namespace latiflex {

namespace {

void zeile(std::string& s, const std::string& anfang, const std::string& text) {
    if (!text.empty()) s += anfang + text + "\n";
}

} // namespace

std::string ueberText(const woerterbuch::Woerterbuch* woerterbuch) {
    std::string s = "LATIFLEX " LATIFLEX_VERSION "\n"
                    "Lateinische Formen und Bedeutungen üben.\n\n"
                    "Lizenz: GNU General Public License, Version 3 oder (nach Wahl) jede spätere "
                    "Version (GPL-3.0-or-later). LATIFLEX ist freie Software und wird ohne jede "
                    "Gewährleistung weitergegeben. Den Wortlaut der Lizenz enthält die Datei "
                    "LICENSE, auf Debian auch /usr/share/common-licenses/GPL-3.\n\n";
    if (woerterbuch == nullptr) return s + std::string(woerterbuch::nichtInstalliert) + "\n";
    const auto& h = woerterbuch->herkunft();
    std::string autoren;
    for (const auto& a : h.autoren)
        autoren += (autoren.empty() ? "" : ", ") + a;
    zeile(s, "Wörterbuch: ", h.titel.empty() ? std::string(woerterbuch::paket) : h.titel);
    zeile(s, "Verfasst von: ", autoren);
    zeile(s, "", h.urheber);
    zeile(s, "", h.lizenz);
    zeile(s, "", h.adresse);
    return s + "Gelesen aus dem Debian-Paket " + std::string(woerterbuch::paket) + ".\n";
}

} // namespace latiflex
