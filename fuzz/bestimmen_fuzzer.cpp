// SPDX-License-Identifier: GPL-3.0-or-later
// The form analysis on any text: every reading offered for printing must be sound (the page
// of its dictionary forms prints that form in that cell), the pupil's own word
// (the input's first line, as a noun) must come first where it fits, and the same text
// must always give the same readings.
#include "analysis/bestimmung.h"
#include "engine/wort.h"
#include "require.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace latiflex;
    const std::string_view s(reinterpret_cast<const char*>(data), size);
    const auto ende = std::min(s.find('\n'), s.size());
    const std::string_view erste = s.substr(0, ende);
    const std::string_view text = s.substr(std::min(ende + 1, s.size()));
    const auto blank = std::min(erste.find(' '), erste.size());
    const std::vector<Eingabe> eigene{
        {"SUBST",
         {std::string(erste.substr(0, blank)),
          std::string(erste.substr(std::min(blank + 1, erste.size())))}}};

    const auto deutungen = analysis::bestimmen(text, eigene);
    require(deutungen == analysis::bestimmen(text, eigene));
    bool fremde = false;
    for (const auto& d : deutungen) {
        require(!(fremde && d.eigen)); // the pupil's words first
        fremde = !d.eigen;
        // A word the pages do not form (a pronoun, a preposition) offers no page to print.
        if (!d.druckbar) continue;
        bool gedruckt = false;
        for (const auto& zeiger : engine::seiten(d.eingabe))
            for (const auto& seite = *zeiger; const auto& block : seite.bloecke)
                for (const auto& form : block.formen)
                    gedruckt = gedruckt || (seite.seite == d.seite && form.zelle == d.zelle &&
                                            form.wortform == d.wortform);
        require(gedruckt);
    }
    return 0;
}
