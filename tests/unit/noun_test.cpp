// SPDX-License-Identifier: GPL-3.0-or-later
#include "nouns/deklination.h"

#include <gtest/gtest.h>

namespace latiflex::nouns {
namespace {

struct Case {
    const char* name;
    std::string_view n, g;
    Typ typ;
};

class ClassifyTest : public ::testing::TestWithParam<Case> {};

TEST_P(ClassifyTest, FirstRuleThatHoldsWins) {
    EXPECT_EQ(klassifizieren(GetParam().n, GetParam().g).typ, GetParam().typ);
}

INSTANTIATE_TEST_SUITE_P(
    Nouns, ClassifyTest,
    ::testing::Values(Case{"caesarBeforeAnything", "Caesar", "Caesaris", Typ::iNeutrum},
                      Case{"animal", "animal", "animalis", Typ::iNeutrum},
                      Case{"rosaAnyGenitive", "rosa", "xyz", Typ::a},
                      Case{"dominus", "dominus", "domini", Typ::oAufUs},
                      Case{"vir", "vir", "viri", Typ::oAufR},
                      Case{"ager", "ager", "agri", Typ::oAufR},
                      Case{"templumAnyGenitive", "templum", "q", Typ::oAufUm},
                      Case{"res", "res", "rei", Typ::e}, Case{"manus", "manus", "manus", Typ::u},
                      Case{"cornu", "cornu", "cornus", Typ::uNeutrum},
                      Case{"turris", "turris", "turris", Typ::iFemininum},
                      Case{"vis", "vis", "vis", Typ::iFemininum},
                      Case{"navisNotInList", "navis", "navis", Typ::konsonantisch},
                      Case{"trailingBlank", "rosa ", "rosae", Typ::konsonantisch},
                      Case{"capitals", "ROSA", "ROSAE", Typ::konsonantisch},
                      Case{"macronIsNoA", "rosā", "rosae", Typ::konsonantisch}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Classify, HeadingKeepsItsBlanks) {
    EXPECT_EQ(ueberschrift(klassifizieren("rosa", "rosae")), "   SUBSTANTIV der A - Deklination ");
    EXPECT_EQ(ueberschrift(klassifizieren("mare", "maris")),
              "   SUBSTANTIV der I - Deklination (n)");
    EXPECT_EQ(ueberschrift(klassifizieren("rex", "regis")),
              "   SUBSTANTIV der KONS./ MISCH. - Deklination ");
}

struct Marks {
    const char* name;
    std::string_view n, g;
    bool neutrum;
    int istamm;
};

class MarksTest : public ::testing::TestWithParam<Marks> {};

TEST_P(MarksTest, NeuterAndIStem) {
    const auto marken = kMarken(GetParam().n, GetParam().g);
    ASSERT_TRUE(marken);
    EXPECT_EQ(marken->neutrum, GetParam().neutrum);
    EXPECT_EQ(marken->istamm, GetParam().istamm);
}

INSTANTIATE_TEST_SUITE_P(TypeK, MarksTest,
                         ::testing::Values(Marks{"urbs", "urbs", "urbis", false, 1},
                                           Marks{"nomen", "nomen", "nominis", true, 0},
                                           Marks{"corpus", "corpus", "corporis", true, 0},
                                           Marks{"virtus", "virtus", "virtutis", false, 0},
                                           Marks{"pater", "pater", "patris", false, 0},
                                           Marks{"iuvenis", "iuvenis", "iuvenis", false, 2},
                                           Marks{"navis", "navis", "navis", false, 2},
                                           Marks{"mel", "mel", "mellis", true, 1},
                                           Marks{"umlautIsConsonant", "nox", "nöctis", false, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Marks, GenitiveOfThreeLettersCannotTell) {
    EXPECT_EQ(kMarken("rex", "rx"), std::nullopt);
    EXPECT_EQ(kMarken("rex", "rex"), std::nullopt);
    EXPECT_TRUE(kMarken("rex", "regs"));
}

TEST(Paradigm, TooShortForItsCutGivesNoForm) {
    EXPECT_EQ(form("mare", "s", Typ::iNeutrum, {}, 1), std::nullopt);
    EXPECT_EQ(form("r", "ri", Typ::oAufR, {}, 1), std::nullopt);
    EXPECT_EQ(form("rosa", "rosae", Typ::a, {}, 1)->stamm, "ros");
}

} // namespace
} // namespace latiflex::nouns
