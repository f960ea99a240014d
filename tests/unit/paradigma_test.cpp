// SPDX-License-Identifier: GPL-3.0-or-later
// The paradigm values of hard words (harte_woerter.tsv), formed through the real commands: a
// form found by its cell, named in German as the drill reads it, with its stem, ending and
// label. Expected forms are those of the Latin grammar the program follows, not read off the
// code.
#include "drill/bezeichnungen.h"
#include "grammar/bezeichnung.h"
#include "lauf.h"
#include "shell/beschriftung.h"
#include "shell/form1.h"
#include "tabellenzeilen.h"

#include <gtest/gtest.h>

#include <sstream>

namespace latiflex::testing {
namespace {

using namespace grammar;

struct Klick {
    std::string control;
    std::vector<std::string> antworten;
};

// Runs the clicks after a start-up with colours 0 and 12 and returns the page on view.
std::optional<Paradigma> seiteNach(const std::vector<Klick>& klicks) {
    Lauf lauf;
    auto& [log, pane, dialoge, form] = lauf;
    for (const Klick& k : klicks) {
        for (const std::string& a : k.antworten)
            dialoge.push(Answer{a});
        EXPECT_TRUE(form.click(k.control)) << k.control;
    }
    if (!form.seiten().aufSicht()) return std::nullopt;
    return *form.seiten().aufSicht();
}

struct Fall {
    std::string name;
    std::vector<Klick> klicks;
    std::string stamm;
    std::string endung;
    std::string bezeichnung;
};

// `text` cut at each `trenner`.
std::vector<std::string> geteilt(const std::string& text, std::string_view trenner) {
    std::vector<std::string> teile;
    std::size_t von = 0;
    for (std::size_t bis; (bis = text.find(trenner, von)) != std::string::npos;
         von = bis + trenner.size())
        teile.push_back(text.substr(von, bis - von));
    teile.push_back(text.substr(von));
    return teile;
}

// One click of the table: "verbum: laudo, laudare, laudavi, laudatus", or "prpass" alone.
Klick klickAus(const std::string& text) {
    const std::size_t doppelpunkt = text.find(": ");
    if (doppelpunkt == std::string::npos) return {text, {}};
    return {text.substr(0, doppelpunkt), geteilt(text.substr(doppelpunkt + 2), ", ")};
}

// The hard words of harte_woerter.tsv; a row that does not read stops the list there.
std::vector<Fall> harteWoerter() {
    std::vector<Fall> faelle;
    for (const std::string& zeile : tabellenzeilen(UNIT_DIR "/harte_woerter.tsv")) {
        std::istringstream in(zeile);
        Fall f;
        std::string klicks;
        if (!(std::getline(in, f.name, '\t') && std::getline(in, klicks, '\t') &&
              std::getline(in, f.stamm, '\t') && std::getline(in, f.endung, '\t') &&
              std::getline(in, f.bezeichnung)))
            break;
        for (const std::string& klick : geteilt(klicks, " | "))
            f.klicks.push_back(klickAus(klick));
        faelle.push_back(std::move(f));
    }
    return faelle;
}

class FormInZelleTest : public ::testing::TestWithParam<Fall> {};

TEST_P(FormInZelleTest, StemEndingAndLabel) {
    const Fall& f = GetParam();
    const auto seite = seiteNach(f.klicks);
    ASSERT_TRUE(seite);
    const auto zelle = drill::zelleAus(f.bezeichnung);
    ASSERT_TRUE(zelle) << f.bezeichnung;
    const auto formen = seite->formenIn(*zelle);
    ASSERT_EQ(formen.size(), 1u);
    EXPECT_EQ(formen[0]->wortform, (Wortform{f.stamm, f.endung}));
    // The label the page gives the form under the pointer, found by its place on the page.
    std::optional<Beschriftung> label;
    for (std::size_t b = 0; b < seite->bloecke.size(); ++b)
        for (std::size_t i = 0; i < seite->bloecke[b].formen.size(); ++i)
            if (&seite->bloecke[b].formen[i] == formen[0])
                label = beschriftung(*seite, {int(b), int(i)});
    ASSERT_TRUE(label);
    EXPECT_EQ(label->bedeutung, f.bezeichnung);
}

TEST(ParadigmValue, EveryHardWordRead) { EXPECT_EQ(harteWoerter().size(), 16u); }

INSTANTIATE_TEST_SUITE_P(HardWords, FormInZelleTest, ::testing::ValuesIn(harteWoerter()),
                         [](const auto& info) { return std::string(info.param.name); });

// A form in several cells is found in each; blank rows and early ends leave cells empty.
TEST(ParadigmValue, AmbiguityBlankRowsAndEarlyEnds) {
    const auto rosa = seiteNach({{"Befehl1", {"rosa", "rosae"}}});
    ASSERT_TRUE(rosa);
    int rosae = 0;
    for (const Block& b : rosa->bloecke)
        for (const Form& f : b.formen)
            rosae += f.wortform.stamm + f.wortform.endung == "rosae";
    EXPECT_EQ(rosae, 4); // genitive and dative singular, nominative and vocative plural

    const auto iuppiter = seiteNach({{"Befehl1", {"Iuppiter", "Iovis"}}});
    ASSERT_TRUE(iuppiter);
    EXPECT_EQ(iuppiter->bloecke.at(0).formen.size(), 6u);
    EXPECT_TRUE(iuppiter->bloecke.at(1).formen.empty());

    // rex, rx: the heading is printed, then the command ends: no paradigm on view.
    EXPECT_EQ(seiteNach({{"Befehl1", {"rex", "rx"}}}), std::nullopt);
    // A refusal clears the pane: the earlier page is no longer on view.
    EXPECT_EQ(seiteNach({{"Befehl1", {"rosa", "rosae"}}, {"Befehl1", {"bos", "bovis"}}}),
              std::nullopt);
    // "Zuerst VERBUM wählen" keeps the pane, and the page on it.
    EXPECT_EQ(seiteNach({{"Befehl1", {"rosa", "rosae"}}, {"prakt", {}}}), rosa);
}

// Forming a page twice gives equal values, and the tense pages leave the verb as it was.
TEST(ParadigmValue, FormedTwiceEqual) {
    const std::vector<std::vector<Klick>> laeufe{
        {{"Befehl1", {"nomen", "nominis"}}},
        {{"Befehl4", {"dives", "divitis", "dives"}}},
        {{"verbum", {"malo", "malle", "malui", ""}}, {"prakt", {}}},
        {{"verbum", {"hortor", "hortari", "hortatus sum"}}, {"perfpass", {}}},
    };
    for (const auto& klicks : laeufe) {
        auto zweimal = klicks;
        zweimal.push_back(klicks.back());
        const auto einmal = seiteNach(klicks);
        ASSERT_TRUE(einmal) << klicks.back().control << " formed no page";
        EXPECT_EQ(einmal, seiteNach(zweimal)) << klicks.back().control;
    }
}

TEST(ParadigmValue, TypedFormsWithTheirCells) {
    const auto acer = seiteNach({{"Befehl4", {"acer", "acris", "acre"}}});
    ASSERT_TRUE(acer);
    ASSERT_EQ(acer->stichwoerter.size(), 3u);
    EXPECT_EQ(acer->stichwoerter[1].wort, "acris");
    EXPECT_EQ(bezeichnung(*acer->stichwoerter[1].zelle), "Femininum Nominativ Singular");
    const auto fortis = seiteNach({{"Befehl4", {"fortis", "fortis", "forte"}}});
    ASSERT_TRUE(fortis);
    EXPECT_EQ(bezeichnung(*fortis->stichwoerter[1].zelle), "Maskulinum Genitiv Singular");

    const auto hortor =
        seiteNach({{"verbum", {"hortor", "hortari", "hortatus sum"}}, {"prpass", {}}});
    ASSERT_TRUE(hortor);
    EXPECT_EQ(hortor->stichwoerter.front().wort, "hortor"); // as typed, not rewritten
    EXPECT_EQ(bezeichnung(*hortor->stichwoerter.front().zelle),
              "1. Person Singular Präsens Indikativ Passiv");
}

} // namespace
} // namespace latiflex::testing
