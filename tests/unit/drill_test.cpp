// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/bezeichnungen.h"
#include "drill/uebung.h"
#include "drill/vergleich.h"
#include "grammar/bezeichnung.h"
#include "grammar/text.h"
#include "tabellenzeilen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace latiflex::drill {
namespace {

using namespace grammar;

// --- the lenient comparison -------------------------------------------------------------

struct Vergleich {
    const char* name;
    std::string_view getippt;
    std::string_view richtig;
    bool gleich;
};

class VergleichTest : public ::testing::TestWithParam<Vergleich> {};

TEST_P(VergleichTest, CountsAlikeWhatPupilsTypeAlike) {
    const Vergleich& v = GetParam();
    EXPECT_EQ(gleich(v.getippt, v.richtig), v.gleich);
}

INSTANTIATE_TEST_SUITE_P(
    Antworten, VergleichTest,
    ::testing::Values(Vergleich{"same", "rosa", "rosa", true},
                      Vergleich{"macronPrecomposed", "rosā", "rosa", true},
                      Vergleich{"macronCombining", "rosa\u0304", "rosa", true},
                      Vergleich{"breveAndAcute", "rŏsá", "rosa", true},
                      Vergleich{"graveCircumflexDiaeresis", "àâäèêëìîïòôöùûü", "aaaeeeiiiooouuu",
                                true},
                      Vergleich{"capitalMacrons", "ĀĒĪŌŪ", "aeiou", true},
                      Vergleich{"capitals", "ROSARUM", "rosarum", true},
                      Vergleich{"blanksAtEnds", "  rosam\t", "rosam", true},
                      Vergleich{"blanksInside", "laudati    sumus", "laudati   sumus", true},
                      Vergleich{"noBlankInside", "laudatisumus", "laudati sumus", false},
                      Vergleich{"directionMarks", "\u200Frosa\u200E", "rosa", true},
                      Vergleich{"otherEnding", "rosae", "rosa", false},
                      Vergleich{"empty", "", "rosa", false},
                      Vergleich{"onlyBlanks", "   ", "rosa", false},
                      Vergleich{"umlautIsNoVowelMark", "rosä", "rosa", true},
                      Vergleich{"invalidUtf8", "ros\xFF", "rosa", false},
                      Vergleich{"truncatedSequence", "ros\xC4", "rosa", false},
                      Vergleich{"emoji", "rosa😀", "rosa", false}),
    [](const auto& info) { return std::string(info.param.name); });

// What the rules should read of a typed form, and why it differs from what was typed.
struct Bereinigung {
    const char* name;
    std::string_view getippt;
    std::string_view bereinigt;
    Unsichtbar warum;
};

class BereinigungTest : public ::testing::TestWithParam<Bereinigung> {};

TEST_P(BereinigungTest, KeepsCapitalsAndNamesTheCause) {
    const Bereinigung& b = GetParam();
    EXPECT_EQ(bereinigt(b.getippt), b.bereinigt);
    EXPECT_EQ(unsichtbar(b.getippt), b.warum);
}

INSTANTIATE_TEST_SUITE_P(
    Getippt, BereinigungTest,
    ::testing::Values(
        Bereinigung{"plain", "rosa", "rosa", Unsichtbar::nichts},
        Bereinigung{"capitalKept", "Roma", "Roma", Unsichtbar::nichts},
        Bereinigung{"innerBlankKept", "hortatus sum", "hortatus sum", Unsichtbar::nichts},
        Bereinigung{"macron", "templī", "templi", Unsichtbar::laengenzeichen},
        Bereinigung{"capitalMacron", "Ōceanus", "Oceanus", Unsichtbar::laengenzeichen},
        Bereinigung{"combiningMacron", "lupi\u0304", "lupi", Unsichtbar::laengenzeichen},
        Bereinigung{"breve", "lŭpus", "lupus", Unsichtbar::kuerzezeichen},
        Bereinigung{"combiningBreve", "lu\u0306pus", "lupus", Unsichtbar::kuerzezeichen},
        Bereinigung{"acute", "dominús", "dominus", Unsichtbar::akzent},
        Bereinigung{"diaeresis", "poëta", "poeta", Unsichtbar::akzent},
        Bereinigung{"capitalGrave", "À", "A", Unsichtbar::akzent},
        Bereinigung{"macronBeforeBlank", "rosā ", "rosa", Unsichtbar::laengenzeichen},
        Bereinigung{"blankAtEnd", "rosae ", "rosae", Unsichtbar::blankAmRand},
        Bereinigung{"blankAtStart", " rosae", "rosae", Unsichtbar::blankAmRand},
        Bereinigung{"tabAtEnd", "rosae\t", "rosae", Unsichtbar::blankAmRand},
        Bereinigung{"runInside", "hortatus  sum", "hortatus sum", Unsichtbar::blanks},
        Bereinigung{"noBreakSpaceInside", "hortatus\u00A0sum", "hortatus sum", Unsichtbar::zeichen},
        Bereinigung{"zeroWidthSpace", "ro\u200Bsa", "rosa", Unsichtbar::zeichen},
        Bereinigung{"directionMark", "\u200Frosa", "rosa", Unsichtbar::zeichen},
        Bereinigung{"softHyphen", "ro\u00ADsa", "rosa", Unsichtbar::zeichen},
        Bereinigung{"umlautDropped", "Mädchen", "Madchen", Unsichtbar::akzent},
        Bereinigung{"tildeOnAConsonant", "Ñ", "N", Unsichtbar::akzent},
        Bereinigung{"onlyBlanks", "   ", "", Unsichtbar::blankAmRand},
        Bereinigung{"empty", "", "", Unsichtbar::nichts}),
    [](const auto& info) { return std::string(info.param.name); });

// The code points of `hex`, "0101" or "0061,0304", in UTF-8.
std::string utf8(const std::string& hex) {
    std::string s;
    std::istringstream teile(hex);
    for (std::string teil; std::getline(teile, teil, ',');)
        text::appendCodePoint(s, static_cast<char32_t>(std::stoul(teil, nullptr, 16)));
    return s;
}

// Every vowel with every mark the Unicode data gives it (vokalzeichen.txt, written from
// Python's copy of the data), precomposed and combining, counts as the plain vowel, alone
// and inside a word.
TEST(VergleichTest, EveryMarkedVowelIsThePlainVowel) {
    const auto zeilen = tabellenzeilen(UNIT_DIR "/vokalzeichen.txt");
    for (const auto& zeile : zeilen) {
        std::istringstream felder(zeile);
        std::string zeichen, zerlegt, vokal;
        ASSERT_TRUE(felder >> zeichen >> zerlegt >> vokal) << zeile;
        SCOPED_TRACE(zeile);
        EXPECT_EQ(normiert(utf8(zeichen)), vokal);
        EXPECT_EQ(normiert(utf8(zerlegt)), vokal);
        EXPECT_TRUE(gleich("r" + utf8(zeichen) + "s", "r" + vokal + "s"));
    }
    EXPECT_EQ(zeilen.size(), 287u);
}

struct Abweichung {
    const char* name;
    std::string_view getippt;
    std::string_view stamm, endung;
    std::string_view text;
};

class AbweichungTest : public ::testing::TestWithParam<Abweichung> {};

TEST_P(AbweichungTest, SaysWhereTheFormDiffers) {
    const Abweichung& a = GetParam();
    EXPECT_EQ(abweichung(a.getippt, a.stamm, a.endung), a.text);
}

INSTANTIATE_TEST_SUITE_P(
    Formen, AbweichungTest,
    ::testing::Values(
        Abweichung{"right", "Rosārum", "ros", "arum", ""},
        Abweichung{"ending", "rosorum", "ros", "arum", "Endung „orum“ statt „arum“."},
        Abweichung{"endingMissing", "ros", "ros", "arum", "Die Endung fehlt: richtig „arum“."},
        Abweichung{"periphrastic", "laudati estis", "laudati   ", "sumus",
                   "Endung „estis“ statt „sumus“."},
        Abweichung{"stem", "regebantur", "regere", "ntur",
                   "Nach „rege“ steht „bantur“ statt „rentur“."},
        Abweichung{"tooLong", "puerus", "puer", "", "Nach „puer“ ist „us“ zu viel."},
        Abweichung{"nothing", " ", "ros", "a", "Keine Antwort."},
        Abweichung{"longIsCut",
                   std::string_view("xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxy"), "ros",
                   "a",
                   "Schon der Anfang weicht ab: „xxxxxxxxxxxxxxxxxxxx…xxxxxxxxxxxxxxxxxxy“ statt "
                   "„rosa“."}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the pages of a run, written out by hand ---------------------------------------------

// rosa, A declension: the twelve forms as a grammar gives them.
Paradigma rosa() {
    Paradigma p;
    p.wortart = Wortart::substantiv;
    p.klasse = "SUBSTANTIV der A - Deklination";
    p.stichwoerter = {{"rosa", {}}, {"rosae", {}}};
    const char* endungen[] = {"a",  "ae",   "ae", "am", "a",  "a",
                              "ae", "arum", "is", "as", "ae", "is"};
    p.bloecke = {{"", "Singular", {}}, {"", "Plural", {}}};
    for (int z = 1; z <= 12; ++z)
        p.bloecke[z <= 6 ? 0 : 1].formen.push_back({{"ros", endungen[z - 1]}, zeilenZelle(z)});
    return p;
}

struct Fixture : ::testing::Test {
    Seiten seiten;
    void SetUp() override { seiten.zeige(rosa()); }
};

// Answers every question of `u` with the form it asks for, or names its cell.
std::optional<Urteil> richtigBeantwortet(Uebung& u) {
    const Frage* f = u.frage();
    if (f->art == Fragenart::bestimmen) return u.bestimme(f->zelle());
    const Wortform w = f->wortform();
    return u.antworte(w.stamm + w.endung);
}

// --- ambiguity ----------------------------------------------------------------------------

struct Mehrdeutig {
    const char* name;
    Kasus kasus;
    Numerus numerus;
    std::vector<std::string_view> zellen; // every cell rosae/rosis/rosa stands in
};

class MehrdeutigTest : public Fixture, public ::testing::WithParamInterface<Mehrdeutig> {};

TEST_P(MehrdeutigTest, EveryCellOfTheFormIsRight) {
    const Mehrdeutig& m = GetParam();
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        Uebung u(seiten, seed);
        u.setAuswahl(Auswahl::bestimmen);
        u.naechsteFrage();
        if (u.frage()->zelle() != nomenZelle(m.kasus, m.numerus)) continue;
        for (const auto name : m.zellen) {
            Uebung v(seiten, seed);
            v.setAuswahl(Auswahl::bestimmen);
            v.naechsteFrage();
            const auto urteil = v.bestimme(*zelleAus(name));
            ASSERT_TRUE(urteil);
            EXPECT_TRUE(urteil->richtig) << name;
            std::string alle;
            for (const auto n : m.zellen)
                alle.append(alle.empty() ? "" : ", ").append(n);
            EXPECT_EQ(urteil->zellenText(), alle);
        }
        Uebung w(seiten, seed);
        w.setAuswahl(Auswahl::bestimmen);
        w.naechsteFrage();
        EXPECT_FALSE(w.bestimme(nomenZelle(Kasus::akkusativ, Numerus::plural))->richtig);
        return;
    }
    FAIL() << "no seed asks this cell first";
}

INSTANTIATE_TEST_SUITE_P(
    Rosa, MehrdeutigTest,
    ::testing::Values(
        Mehrdeutig{"rosae",
                   Kasus::dativ,
                   Numerus::singular,
                   {"Genitiv Singular", "Dativ Singular", "Nominativ Plural", "Vokativ Plural"}},
        Mehrdeutig{"rosis", Kasus::ablativ, Numerus::plural, {"Dativ Plural", "Ablativ Plural"}},
        Mehrdeutig{"rosa",
                   Kasus::vokativ,
                   Numerus::singular,
                   {"Nominativ Singular", "Vokativ Singular", "Ablativ Singular"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the learning loop --------------------------------------------------------------------

struct Schleife {
    const char* name;
    bool ersteRichtig; // how the first question is answered
    bool kommtWieder;  // whether its cell is asked again within the next questions
};

class SchleifeTest : public Fixture, public ::testing::WithParamInterface<Schleife> {};

TEST_P(SchleifeTest, AWrongCellComesBackARightOneLeaves) {
    const Schleife& s = GetParam();
    Uebung u(seiten, 5);
    u.naechsteFrage();
    const Zelle erste = u.frage()->zelle();
    if (s.ersteRichtig)
        richtigBeantwortet(u);
    else
        u.antworte("falsch");
    EXPECT_EQ(u.offen(), s.ersteRichtig ? 0u : 1u);
    // Later questions are answered right; the wrong cell must be among the next few.
    int wiederGefragt = 0;
    for (int i = 1; i <= Uebung::abstand; ++i) {
        u.naechsteFrage();
        if (u.frage()->zelle() == erste && i == Uebung::abstand) ++wiederGefragt;
        richtigBeantwortet(u);
    }
    if (s.kommtWieder) {
        EXPECT_EQ(wiederGefragt, 1);
    }
    EXPECT_EQ(u.offen(), 0u); // answered right when it came back
    EXPECT_EQ(u.stand(), std::to_string(s.ersteRichtig ? 4 : 3) + " von 4 richtig");
}

INSTANTIATE_TEST_SUITE_P(Rosa, SchleifeTest,
                         ::testing::Values(Schleife{"wrongReturns", false, true},
                                           Schleife{"rightLeaves", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fixture, NarrowingAndRestart) {
    Uebung u(seiten, 1);
    u.setEingrenzung(*eingrenzungAus("Plural"));
    for (int i = 0; i < 30; ++i) {
        ASSERT_TRUE(u.naechsteFrage());
        EXPECT_EQ(u.frage()->zelle().numerus, Numerus::plural);
        u.antworte("x");
    }
    u.setEingrenzung(*eingrenzungAus("Futur I")); // a noun has no tense: nothing is left
    EXPECT_EQ(u.naechsteFrage(), nullptr);
    EXPECT_FALSE(u.antworte("rosa"));
    u.setEingrenzung({});
    u.neuBeginnen();
    EXPECT_EQ(u.stand(), "0 von 0 richtig");
    EXPECT_EQ(u.offen(), 0u);
    EXPECT_TRUE(u.frage());
}

TEST(Bezeichnungen, ReadBackWhatTheDrillShows) {
    const Zelle z = verbZelle(Person::zweite, Numerus::plural, Tempus::futur1, Modus::indikativ,
                              GenusVerbi::passiv);
    EXPECT_EQ(zelleAus("2. Person Plural Futur I Indikativ Passiv"), z);
    EXPECT_FALSE(zelleAus("Futur II")) << "no number";
    EXPECT_EQ(zelleAus("Futur II Plural")->tempus, Tempus::futur2);
    EXPECT_FALSE(zelleAus("Genitiv Dativ Plural"));
    EXPECT_FALSE(zelleAus("genitiv plural"));
    EXPECT_EQ(eingrenzungAus("")->numeri.size(), 0u);
    EXPECT_TRUE(eingrenzungAus("letztes Wort Aktiv")->nurLetztesWort);
    EXPECT_FALSE(eingrenzungAus("Genitiv"));
}

} // namespace
} // namespace latiflex::drill
