// SPDX-License-Identifier: GPL-3.0-or-later
// The verb entry "VERBUM" forms from the typed principal parts: class, deponent, sum, the
// rewrites. Expected values are those of the Latin grammar the program follows.
#include "lauf.h"
#include "verbs/verb.h"

#include <gtest/gtest.h>

namespace latiflex::testing {
namespace {

using verbs::Konjklasse;

struct Fall {
    verbs::Stammformen eingegeben;
    const char* praesens; // as the tense pages read it
    const char* infinitiv;
    const char* perfekt; // the participle, or a deponent's perfect
    Konjklasse klasse;
    const char* klassenname;
    bool deponens;
    bool istsum;
};

class VerbTest : public ::testing::TestWithParam<Fall> {};

TEST_P(VerbTest, ClassAndRewrites) {
    const Fall& f = GetParam();
    const verbs::Verb v = verbs::verb(f.eingegeben);
    EXPECT_EQ(v.eingegeben[1], f.eingegeben[1]);
    EXPECT_EQ(v.stammformen[1], f.praesens);
    EXPECT_EQ(v.stammformen[2], f.infinitiv);
    EXPECT_EQ(v.stammformen[4], f.perfekt);
    EXPECT_EQ(v.konjklasse, f.klasse);
    EXPECT_EQ(v.konjname, f.klassenname);
    EXPECT_EQ(v.deponens, f.deponens);
    EXPECT_EQ(v.istsum, f.istsum);
}

INSTANTIATE_TEST_SUITE_P(
    Verben, VerbTest,
    ::testing::Values(
        Fall{{{"amo", "amare", "amavi", "amatus"}},
             "amo",
             "amare",
             "amatus",
             Konjklasse::a,
             "A",
             false,
             false},
        Fall{{{"creo", "creare", "creavi", "creatus"}},
             "creo",
             "creare",
             "creatus",
             Konjklasse::e,
             "E",
             false,
             false},
        Fall{{{"capio", "capere", "cepi", "captus"}},
             "capio",
             "capere",
             "captus",
             Konjklasse::misch,
             "MISCH",
             false,
             false},
        Fall{{{"hortor", "hortari", "", "hortatus sum"}},
             "horto",
             "hortare",
             "hortatus",
             Konjklasse::a,
             "A",
             true,
             false},
        Fall{{{"patior", "pati", "", "passus sum"}},
             "patio",
             "patere",
             "passus",
             Konjklasse::misch,
             "MISCH",
             true,
             false},
        Fall{{{"volo", "velle", "volui", ""}},
             "volo",
             "velle",
             "",
             Konjklasse::konsonantisch,
             "",
             false,
             false},
        Fall{{{"sum", "esse", "fui", ""}}, "sum", "esse", "", Konjklasse::keine, "", false, true}));

TEST(VerbumTest, HeadingIsRecordedAsThePageFormed) {
    Lauf lauf;
    for (const char* a : {"amo", "amare", "amavi", "amatus"})
        lauf.dialoge.push(Answer{a});
    ASSERT_TRUE(lauf.form.click("verbum"));
    const grammar::Paradigma* p = lauf.form.seiten().zuletzt();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->ueberschrift, "   VERBUM der A - Konjugation ");
    EXPECT_EQ(p->klasse, "VERBUM der A - Konjugation");
    EXPECT_FALSE(p->hatFormen());
    EXPECT_EQ(lauf.form.seiten().aufSicht(), nullptr);
}

} // namespace
} // namespace latiflex::testing
