// SPDX-License-Identifier: GPL-3.0-or-later
#include "adjectives/deklination.h"
#include "grammar/text.h"
#include "nouns/deklination.h"
#include "shell/tabelle.h"

#include <gtest/gtest.h>

namespace latiflex {
namespace {

using namespace grammar;

// Cells of a verb page, built by hand: the first person of the present of amo, split as the
// pane splits it, and a present page of sum in whole words.
Paradigma amo(bool einfarbig) {
    Paradigma p;
    p.wortart = Wortart::verbum;
    p.klasse = "VERBUM der A - Konjugation";
    p.seite = "PR.IMP.F1. AKT.";
    p.stichwoerter = {{"amo", {}}, {"amare", {}}, {"amavi", {}}, {"amatum", {}}};
    p.einfarbig = einfarbig;
    const std::array<std::array<Wortform, 6>, 2> formen{{
        {{{"am", "o"}, {"ama", "s"}, {"ama", "t"}, {"ama", "mus"}, {"ama", "tis"}, {"ama", "nt"}}},
        {{{"amab", "am"}, {"amaba", "s"}, {"amaba", "t"}, {"", ""}, {"amaba", "tis"}, {"", ""}}},
    }};
    const std::array<Tempus, 2> zeiten{Tempus::praesens, Tempus::imperfekt};
    for (std::size_t t = 0; t < 2; ++t) {
        Block b{"KOPF", t == 0 ? "Präsens Indikativ Aktiv" : "Imperfekt Indikativ Aktiv", {}};
        for (int n = 1; n <= 6; ++n)
            b.formen.push_back({formen[t][static_cast<std::size_t>(n - 1)],
                                personenZelle(n, zeiten[t], Modus::indikativ, GenusVerbi::aktiv)});
        p.bloecke.push_back(b);
    }
    return p;
}

Paradigma acer() {
    const adjectives::Eingabe e{"acer", "acris", "acre"};
    return adjectives::paradigma(e, *adjectives::analysieren(e));
}

struct Text {
    const char* name;
    Paradigma paradigma;
    std::string erwartet;
};

class TextTest : public ::testing::TestWithParam<Text> {};

TEST_P(TextTest, TabBetweenCellsLabelFirst) {
    EXPECT_EQ(Tabelle(GetParam().paradigma).text(), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Seiten, TextTest,
    ::testing::Values(Text{"rosa", nouns::paradigma("rosa", "rosae"),
                           "rosa, rosae: SUBSTANTIV der A - Deklination\n"
                           "\tSingular\tPlural\n"
                           "Nominativ\trosa\trosae\n"
                           "Genitiv\trosae\trosarum\n"
                           "Dativ\trosae\trosis\n"
                           "Akkusativ\trosam\trosas\n"
                           "Vokativ\trosa\trosae\n"
                           "Ablativ\trosa\trosis\n"},
                      // Two blank rows in the singular stay empty cells.
                      Text{"vis", nouns::paradigma("vis", "vis"),
                           "vis, vis: SUBSTANTIV der I - Deklination (f)\n"
                           "\tSingular\tPlural\n"
                           "Nominativ\tvis\tvires\n"
                           "Genitiv\t\tvirium\n"
                           "Dativ\t\tviribus\n"
                           "Akkusativ\tvim\tvires\n"
                           "Vokativ\tvis\tvires\n"
                           "Ablativ\tvi\tviribus\n"},
                      // No plural at all: the column stays, empty.
                      Text{"Iuppiter", nouns::paradigma("Iuppiter", "Iovis"),
                           "Iuppiter, Iovis: SUBSTANTIV der KONS./ MISCH. - Deklination\n"
                           "\tSingular\tPlural\n"
                           "Nominativ\tIuppiter\t\n"
                           "Genitiv\tIovis\t\n"
                           "Dativ\tIovi\t\n"
                           "Akkusativ\tIovem\t\n"
                           "Vokativ\tIuppiter\t\n"
                           "Ablativ\tIove\t\n"},
                      Text{"acer", acer(),
                           "acer, acris, acre: ADJEKTIV der 3. Deklination, dreiendig\n"
                           "\tMaskulinum\tFemininum\tNeutrum\n"
                           "Nominativ Singular\tacer\tacris\tacre\n"
                           "Genitiv Singular\tacris\tacris\tacris\n"
                           "Dativ Singular\tacri\tacri\tacri\n"
                           "Akkusativ Singular\tacrem\tacrem\tacre\n"
                           "Vokativ Singular\tacer\tacris\tacre\n"
                           "Ablativ Singular\tacri\tacri\tacri\n"
                           "Nominativ Plural\tacres\tacres\tacria\n"
                           "Genitiv Plural\tacrium\tacrium\tacrium\n"
                           "Dativ Plural\tacribus\tacribus\tacribus\n"
                           "Akkusativ Plural\tacres\tacres\tacria\n"
                           "Vokativ Plural\tacres\tacres\tacria\n"
                           "Ablativ Plural\tacribus\tacribus\tacribus\n"},
                      Text{
                          "amo", amo(false),
                          "amo, amare, amavi, amatum: VERBUM der A - Konjugation, PR.IMP.F1. AKT.\n"
                          "\tPräsens Indikativ Aktiv\tImperfekt Indikativ Aktiv\n"
                          "1. Person Singular\tamo\tamabam\n"
                          "2. Person Singular\tamas\tamabas\n"
                          "3. Person Singular\tamat\tamabat\n"
                          "1. Person Plural\tamamus\t\n"
                          "2. Person Plural\tamatis\tamabatis\n"
                          "3. Person Plural\tamant\t\n"},
                      // A tab or a line break typed into a word must not split the table.
                      Text{"controlCharacters", nouns::paradigma("ro\tsa", "ro\nsae"),
                           "ro sa, ro sae: SUBSTANTIV der A - Deklination\n"
                           "\tSingular\tPlural\n"
                           "Nominativ\tro sa\tro sae\n"
                           "Genitiv\tro sae\tro sarum\n"
                           "Dativ\tro sae\tro sis\n"
                           "Akkusativ\tro sam\tro sas\n"
                           "Vokativ\tro sa\tro sae\n"
                           "Ablativ\tro sa\tro sis\n"}),
    [](const auto& info) { return std::string(info.param.name); });

const Farben farben{{0x00, 0xff, 0xff}, {0x80, 0x00, 0x00}};

struct Html {
    const char* name;
    Paradigma paradigma;
    std::vector<std::string> enthaelt;
    std::vector<std::string> nicht;
};

class HtmlTest : public ::testing::TestWithParam<Html> {};

TEST_P(HtmlTest, CellsAndEscapes) {
    const std::string html = Tabelle(GetParam().paradigma).html(farben);
    for (const std::string& s : GetParam().enthaelt)
        EXPECT_NE(html.find(s), std::string::npos) << s << "\n" << html;
    for (const std::string& s : GetParam().nicht)
        EXPECT_EQ(html.find(s), std::string::npos) << s << "\n" << html;
}

INSTANTIATE_TEST_SUITE_P(
    Seiten, HtmlTest,
    ::testing::Values(
        Html{"stemAndEndingInTheirColours",
             nouns::paradigma("rosa", "rosae"),
             {"<th>Singular</th><th>Plural</th>", "<th align=\"left\">Genitiv</th>",
              "<td><span style=\"color:#00ffff\">ros</span>"
              "<span style=\"color:#800000\">arum</span></td>"},
             {}},
        // rex: the nominative has no ending, so no empty span in the ending colour.
        Html{"noEmptyEnding",
             nouns::paradigma("rex", "regis"),
             {"<td><span style=\"color:#00ffff\">rex</span></td>"},
             {"#800000\"></span>"}},
        Html{"blankRowEmptyCell",
             nouns::paradigma("vis", "vis"),
             {"<th align=\"left\">Genitiv</th><td></td><td>"},
             {}},
        Html{"sumInWholeWords", amo(true), {"<td>amo</td>", "<td>amabatis</td>"}, {"color:"}},
        Html{"escaped",
             nouns::paradigma("<b>&\"a", "x"),
             {"&lt;b&gt;&amp;&quot;a", "&lt;b&gt;&amp;&quot;</span>"},
             {"<b>&\""}}),
    [](const auto& info) { return std::string(info.param.name); });

// Splits the worksheet at its page break: the pupil's page, then the answer key.
std::pair<std::string, std::string> seiten(const std::string& html) {
    const auto bruch = html.find("page-break-before: always");
    EXPECT_NE(bruch, std::string::npos);
    return {html.substr(0, bruch), html.substr(bruch)};
}

TEST(Arbeitsblatt, StemsWithBlanksThenTheKey) {
    const auto [blatt, loesung] =
        seiten(Tabelle(nouns::paradigma("rosa", "rosae")).arbeitsblatt(farben));
    // A zero-width space before the blank: a narrow cell breaks the line there.
    EXPECT_NE(blatt.find("<span style=\"color:#00ffff\">ros</span>\u200b________</td>"),
              std::string::npos);
    EXPECT_EQ(blatt.find("#800000"), std::string::npos) << "no ending on the pupil's page";
    EXPECT_EQ(blatt.find("arum"), std::string::npos);
    EXPECT_NE(loesung.find("Lösung: rosa, rosae"), std::string::npos);
    EXPECT_NE(loesung.find("<span style=\"color:#800000\">arum</span>"), std::string::npos);
}

// The nominative and vocative of rex have no ending: the sheet gives them whole.
TEST(Arbeitsblatt, AFormWithoutEndingIsGivenWhole) {
    const auto [blatt, loesung] =
        seiten(Tabelle(nouns::paradigma("rex", "regis")).arbeitsblatt(farben));
    EXPECT_NE(blatt.find("<td><span style=\"color:#00ffff\">rex</span></td>"), std::string::npos);
    EXPECT_EQ(blatt.find("rex</span>\u200b_"), std::string::npos);
}

TEST(Arbeitsblatt, WholeWordsLeaveWholeBlanks) {
    const auto [blatt, loesung] = seiten(Tabelle(amo(true)).arbeitsblatt(farben));
    EXPECT_EQ(blatt.find("amabatis"), std::string::npos);
    EXPECT_NE(blatt.find("Trage die Formen ein."), std::string::npos);
    EXPECT_NE(loesung.find("<td>amabatis</td>"), std::string::npos);
}

TEST(LangeWoerter, CutVisiblyEndingKept) {
    std::string riesig;
    for (int i = 0; i < 100000; ++i)
        riesig += "ä";
    const Tabelle t(nouns::paradigma(riesig + "a", riesig + "ae"));
    const auto ae = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += "ä";
        return s;
    };
    // 40 letters: the first 20, "…", the last 19.
    ASSERT_EQ(t.zeilen()[1].felder[1].wortform.stamm, ae(20) + "…" + ae(19));
    EXPECT_EQ(t.zeilen()[1].felder[1].wortform.endung, "arum");
    EXPECT_EQ(t.woerter(), ae(20) + "…" + ae(18) + "a, " + ae(20) + "…" + ae(17) + "ae");
    EXPECT_LT(t.text().size(), 4000u);
    EXPECT_LT(t.arbeitsblatt(farben).size(), 20000u);
}

} // namespace
} // namespace latiflex
