// SPDX-License-Identifier: GPL-3.0-or-later
// The drill on any answers: the input's first line is a noun's two dictionary forms, the
// rest one answer a line, some of them kind, narrowing or restart steps. Every answer must
// get a verdict on an open question, the verdict and the question must be valid UTF-8, and
// a form must always count as equal to itself. With bit 6 of the first byte set, the two
// nouns are stored in a lesson and drilled over the cells due today: a cell answered right
// is not asked again, and the number due never grows.
#include "drill/bezeichnungen.h"
#include "drill/uebung.h"
#include "drill/vergleich.h"
#include "grammar/text.h"
#include "lauf.h"
#include "nouns/deklination.h"
#include "require.h"
#include "session.h"
#include "shell/lektionen.h"

#include <cstdlib>
#include <set>
#include <string>
#include <tuple>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace latiflex;
    if (size < 2) return 0;
    std::string_view s(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto zeile = [&s] {
        const auto ende = std::min(s.find('\n'), s.size());
        const std::string_view z = s.substr(0, ende);
        s.remove_prefix(std::min(ende + 1, s.size()));
        return z;
    };
    const std::string_view wort = zeile();
    const auto blank = std::min(wort.find(' '), wort.size());

    const std::string nom(wort.substr(0, blank));
    const std::string gen(wort.substr(std::min(blank + 1, wort.size())));
    const bool faellig = (data[0] & 0x40) != 0;
    Seiten seiten;
    seiten.zeige(nouns::paradigma("rosa", "rosae"));
    seiten.zeige(nouns::paradigma(nom, gen));
    testing::Lauf lauf;
    Lektionen lektionen(lauf.form, ":memory:");
    std::unique_ptr<drill::Uebung> eigene;
    int faelligVorher = 0;
    if (faellig) {
        lektionen.setHeute(*lektionen::datumAus("2026-03-02"));
        lektionen.hinzufuegen({"SUBST", {"rosa", "rosae"}});
        lektionen.hinzufuegen({"SUBST", {nom, gen}});
        eigene = lektionen.uebung(Lektionen::Umfang::faellig, std::nullopt, data[0]);
        faelligVorher = lektionen.faellig();
    } else {
        eigene = std::make_unique<drill::Uebung>(seiten, data[0]);
    }
    drill::Uebung& u = *eigene;
    // Cells answered right in the drill over due cells: none may come back today.
    std::set<std::tuple<const void*, std::size_t, std::size_t>> gelernt;
    u.setAuswahl(static_cast<drill::Auswahl>(data[0] % 3));
    u.naechsteFrage();
    while (!s.empty()) {
        const std::string_view antwort = zeile();
        if (antwort.starts_with("filter ")) {
            u.setEingrenzung(
                drill::eingrenzungAus(antwort.substr(7)).value_or(drill::Eingrenzung{}));
        } else if (antwort == "restart") {
            u.neuBeginnen();
        } else if (antwort.starts_with("kind ")) {
            u.setAuswahl(static_cast<drill::Auswahl>(antwort.size() % 3));
        } else {
            const drill::Frage* f = u.frage();
            const bool offen = f != nullptr;
            const auto stelle =
                f ? std::tuple<const void*, std::size_t, std::size_t>{f->seite.get(), f->block,
                                                                      f->form}
                  : std::tuple<const void*, std::size_t, std::size_t>{};
            const auto urteil = u.antworte(antwort);
            require(urteil.has_value() == offen);
            if (faellig && urteil && urteil->richtig) gelernt.insert(stelle);
            if (urteil) {
                require(text::isValidUtf8(urteil->text()) || !text::isValidUtf8(wort));
                require(drill::gleich(antwort, antwort));
            }
        }
        u.naechsteFrage();
        require(text::isValidUtf8(u.frageText()) || !text::isValidUtf8(wort));
        if (const drill::Frage* f = u.frage(); faellig && f)
            require(!gelernt.count({f->seite.get(), f->block, f->form}));
    }
    if (faellig) require(lektionen.faellig() <= faelligVorher);
    require(u.richtig() <= u.gestellt());
    return 0;
}
