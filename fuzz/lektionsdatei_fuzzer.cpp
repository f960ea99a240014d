// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson file reader on any bytes: it never crashes, names every refused line by a line
// the file has, keeps a name that is valid UTF-8 without controls, and what it reads writes
// back to a file that reads the same. The words are checked by the rules as an import does.
#include "grammar/text.h"
#include "lauf.h"
#include "lessons/anki.h"
#include "lessons/lektionsdatei.h"
#include "require.h"
#include "shell/lektionen.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace latiflex;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lektionen::Lektionsdatei d = lektionen::lesen(bytes, "fuzz.txt");
    const auto zeilen = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    require(text::isValidUtf8(d.name));
    require(std::none_of(d.name.begin(), d.name.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
    for (const auto& a : d.abgelehnt)
        require(a.zeile >= 1 && a.zeile <= zeilen && text::isValidUtf8(a.text()));
    std::vector<Eingabe> darstellbar;
    std::vector<lektionen::Karte> karten;
    for (const auto& w : d.woerter) {
        require(w.zeile >= 1 && w.zeile <= zeilen && !w.eingabe.antworten.empty());
        if (!lektionen::darstellbar(w.eingabe)) continue;
        darstellbar.push_back(w.eingabe);
        karten.push_back({lektionen::zeile(w.eingabe), w.eingabe.antworten.front(), ""});
    }
    const lektionen::Lektionsdatei zurueck =
        lektionen::lesen(lektionen::schreiben(d.name, darstellbar), "x");
    require(zurueck.abgelehnt.empty() && zurueck.woerter.size() == darstellbar.size());
    for (std::size_t i = 0; i < darstellbar.size(); ++i)
        require(zurueck.woerter[i].eingabe == darstellbar[i]);
    if (!d.name.empty()) require(zurueck.name == d.name);
    const std::string anki = lektionen::ankiText(karten, "#000000", "#FF0000");
    require(static_cast<std::size_t>(std::count(anki.begin(), anki.end(), '\n')) ==
            karten.size() + 2);
    // Typed text never reaches a card as markup.
    for (std::size_t anfang = 0; anfang < anki.size();) {
        const std::size_t ende = anki.find('\n', anfang);
        const std::string_view z(anki.data() + anfang, ende - anfang);
        require(z.substr(0, z.find('\t')).find_first_of("<>") == std::string_view::npos);
        anfang = ende + 1;
    }

    if (d.woerter.size() <= 20) {
        testing::Lauf lauf;
        Lektionen lektionen(lauf.form, ":memory:");
        const auto import = lektionen.pruefenText(bytes, "fuzz.txt");
        require(import.woerter.size() + import.abgelehnt.size() ==
                    d.woerter.size() + d.abgelehnt.size() ||
                !import.fehler.empty());
    }
    return 0;
}
