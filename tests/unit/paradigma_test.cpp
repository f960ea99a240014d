// The paradigm values of hard words, formed through the real commands: a form found by its
// cell, with its stem, ending and German label. Expected forms are those of the Latin
// grammar the program follows, not read off the code.
#include "grammar/bezeichnung.h"
#include "lauf.h"
#include "shell/beschriftung.h"
#include "shell/form1.h"

#include <gtest/gtest.h>

#include <sstream>

namespace latiflex::testing {
namespace {

using namespace grammar;

struct Klick {
    const char* control;
    std::vector<const char*> antworten;
};

// Runs the clicks after a start-up with colours 0 and 12 and returns the page on view.
std::optional<Paradigma> seiteNach(const std::vector<Klick>& klicks) {
    Lauf lauf;
    auto& [log, pane, dialoge, form] = lauf;
    for (const Klick& k : klicks) {
        for (const char* a : k.antworten)
            dialoge.push(Answer{a});
        EXPECT_TRUE(form.click(k.control)) << k.control;
    }
    if (!form.seiten().aufSicht()) return std::nullopt;
    return *form.seiten().aufSicht();
}

struct Fall {
    const char* name;
    std::vector<Klick> klicks;
    Zelle zelle;
    const char* stamm;
    const char* endung;
    const char* bezeichnung;
};

class FormInZelleTest : public ::testing::TestWithParam<Fall> {};

TEST_P(FormInZelleTest, StemEndingAndLabel) {
    const Fall& f = GetParam();
    const auto seite = seiteNach(f.klicks);
    ASSERT_TRUE(seite);
    const auto formen = seite->formenIn(f.zelle);
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

const Zelle genPl = nomenZelle(Kasus::genitiv, Numerus::plural);
const Zelle vokSg = nomenZelle(Kasus::vokativ, Numerus::singular);
const Zelle nomSg = nomenZelle(Kasus::nominativ, Numerus::singular);

const std::vector<Fall> harteWoerter{
    Fall{"rosarum", {{"Befehl1", {"rosa", "rosae"}}}, genPl, "ros", "arum", "Genitiv Plural"},
    Fall{"filiVocative", {{"Befehl1", {"filius", "filii"}}}, vokSg, "fil", "i", "Vokativ Singular"},
    Fall{
        "agerNominative", {{"Befehl1", {"ager", "agri"}}}, nomSg, "ag", "er", "Nominativ Singular"},
    Fall{"urbiumIStem", {{"Befehl1", {"urbs", "urbis"}}}, genPl, "urb", "ium", "Genitiv Plural"},
    Fall{"iuvenumNotIum",
         {{"Befehl1", {"iuvenis", "iuvenis"}}},
         genPl,
         "iuven",
         "um",
         "Genitiv Plural"},
    Fall{"mareWhole", {{"Befehl1", {"mare", "maris"}}}, nomSg, "mare", "", "Nominativ Singular"},
    Fall{"acrisFeminine",
         {{"Befehl4", {"acer", "acris", "acre"}}},
         nomenZelle(Kasus::nominativ, Numerus::singular, Genus::femininum),
         "acr",
         "is",
         "Femininum Nominativ Singular"},
    Fall{"longaeFeminineGenitive",
         {{"Befehl4", {"longus", "longa", "longum"}}},
         nomenZelle(Kasus::genitiv, Numerus::singular, Genus::femininum),
         "long",
         "ae",
         "Femininum Genitiv Singular"},
    Fall{"miVocative",
         {{"Befehl4", {"meus", "mea", "meum"}}},
         nomenZelle(Kasus::vokativ, Numerus::singular, Genus::maskulinum),
         "mi",
         "",
         "Maskulinum Vokativ Singular"},
    Fall{"laudabimini",
         {{"verbum", {"laudo", "laudare", "laudavi", "laudatus"}}, {"prpass", {}}},
         verbZelle(Person::zweite, Numerus::plural, Tempus::futur1, Modus::indikativ,
                   GenusVerbi::passiv),
         "laudabi",
         "mini",
         "2. Person Plural Futur I Indikativ Passiv"},
    Fall{"amatusEroIsFuturII",
         {{"verbum", {"amo", "amare", "amavi", "amatus"}}, {"perfpass", {}}},
         verbZelle(Person::erste, Numerus::singular, Tempus::futur2, Modus::indikativ,
                   GenusVerbi::passiv),
         "amatus ",
         "ero",
         "1. Person Singular Futur II Indikativ Passiv"},
    Fall{"amaverintFuturII",
         {{"verbum", {"amo", "amare", "amavi", "amatus"}}, {"perfakt", {}}},
         verbZelle(Person::dritte, Numerus::plural, Tempus::futur2, Modus::indikativ,
                   GenusVerbi::aktiv),
         "amav",
         "erint",
         "3. Person Plural Futur II Indikativ Aktiv"},
    Fall{"nonVisStemWithBlank",
         {{"verbum", {"nolo", "nolle", "nolui", ""}}, {"prakt", {}}},
         verbZelle(Person::zweite, Numerus::singular, Tempus::praesens, Modus::indikativ,
                   GenusVerbi::aktiv),
         "non vi",
         "s",
         "2. Person Singular Präsens Indikativ Aktiv"},
    Fall{"volamConsonantFuture",
         {{"verbum", {"volo", "velle", "volui", ""}}, {"prakt", {}}},
         verbZelle(Person::erste, Numerus::singular, Tempus::futur1, Modus::indikativ,
                   GenusVerbi::aktiv),
         "vola",
         "m",
         "1. Person Singular Futur I Indikativ Aktiv"},
    Fall{"hortatiDeponentPlural",
         {{"verbum", {"hortor", "hortari", "hortatus sum"}}, {"perfpass", {}}},
         verbZelle(Person::erste, Numerus::plural, Tempus::perfekt, Modus::indikativ,
                   GenusVerbi::passiv),
         "hortati   ",
         "sumus",
         "1. Person Plural Perfekt Indikativ Passiv"},
    Fall{"sumWhole",
         {{"verbum", {"sum", "esse", "fui"}}, {"prakt", {}}},
         verbZelle(Person::dritte, Numerus::plural, Tempus::imperfekt, Modus::konjunktiv,
                   GenusVerbi::aktiv),
         "essent",
         "",
         "3. Person Plural Imperfekt Konjunktiv Aktiv"}};

INSTANTIATE_TEST_SUITE_P(HardWords, FormInZelleTest, ::testing::ValuesIn(harteWoerter),
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
