// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammar/laenge.h"
#include "grammar/text.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace latiflex::text {
namespace {

struct Cut {
    const char* name;
    std::string_view word;
    std::size_t k;
    std::optional<std::string_view> less;
    std::string_view last;
};

class CutTest : public ::testing::TestWithParam<Cut> {};

TEST_P(CutTest, CutsByLetters) {
    const Cut& c = GetParam();
    EXPECT_EQ(less(c.word, c.k), c.less);
    EXPECT_EQ(lastLetters(c.word, c.k), c.last);
}

INSTANTIATE_TEST_SUITE_P(Words, CutTest,
                         ::testing::Values(Cut{"ascii", "rosa", 1, "ros", "a"},
                                           Cut{"wholeWord", "rosa", 4, "", "rosa"},
                                           Cut{"tooShort", "rx", 3, std::nullopt, "rx"},
                                           Cut{"empty", "", 1, std::nullopt, ""},
                                           Cut{"zero", "vis", 0, "vis", ""},
                                           Cut{"macron", "rosā", 1, "ros", "ā"},
                                           Cut{"umlaut", "Mädchen", 6, "M", "ädchen"},
                                           Cut{"emoji", "rosa😀", 2, "ros", "a😀"},
                                           Cut{"combiningMark", "rosa\u0304", 1, "rosa", "\u0304"},
                                           Cut{"strayContinuation", "ab\x80", 1, "a", "b\x80"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Text, CountsCodePoints) {
    EXPECT_EQ(letterCount(""), 0u);
    EXPECT_EQ(letterCount("civis"), 5u);
    EXPECT_EQ(letterCount("Mädchen"), 7u);
    EXPECT_EQ(letterCount("😀😀"), 2u);
}

TEST(Text, LetterFromEndIsOneWholeCharacter) {
    EXPECT_EQ(letterFromEnd("urbis", 3), "b");
    EXPECT_EQ(letterFromEnd("urbis", 4), "r");
    EXPECT_EQ(letterFromEnd("ürbis", 5), "ü");
    EXPECT_EQ(letterFromEnd("rx", 3), std::nullopt);
    EXPECT_EQ(letterFromEnd("rx", 0), std::nullopt);
}

TEST(Text, EndingsAreExactAndCaseSensitive) {
    EXPECT_TRUE(endsWith("Rosa", "a"));
    EXPECT_FALSE(endsWith("ROSA", "a"));
    EXPECT_FALSE(endsWith("rosa ", "a"));
    EXPECT_FALSE(endsWith("a", "ar"));
    EXPECT_TRUE(isVowel("u"));
    EXPECT_FALSE(isVowel("A"));
    EXPECT_FALSE(isVowel("ä"));
}

// A huge word shown in a line keeps its beginning and its end, cut between whole letters.
TEST(Text, ShortenedKeepsBothEnds) {
    EXPECT_EQ(kurz("rosarum", 7), "rosarum");
    EXPECT_EQ(kurz("rosarum", 5), "ro…um");
    EXPECT_EQ(kurz("äöüäöüäöü", 4), "äö…ü");
    EXPECT_EQ(kurz(std::string(100'000, 'a') + "rum", 9), "aaaa…arum");
    EXPECT_EQ(kurz("😀😀😀😀", 3), "😀…😀");
}

} // namespace
// Where Latin keeps a vowel short, a long mark is wrong: before a vowel, before nt or nd,
// before a final m, t, r or l of a word of two syllables or more (Latin grammar's rules of
// quantity; the e of diei is the old exception).
TEST(Text, LongMarkOnAShortVowel) {
    const std::vector<std::pair<std::string_view, bool>> formen{
        {"monēo", true},          {"monēt", true},     {"monēnt", true},      {"amāt", true},
        {"audīunt", true},        {"laudāndus", true}, {"amār", true},        {"Monēo", true},
        {"mone\u0304o", true},    {"monēs", false},    {"laudāvistī", false}, {"amātus sum", false},
        {"amāti   sumus", false}, {"diēī", false},     {"rēs", false},        {"sōl", false},
        {"monemus", false},       {"", false}};
    for (const auto& [form, falsch] : formen)
        EXPECT_EQ(grammar::laengeFalsch(form), falsch) << form;
    EXPECT_TRUE(grammar::hatLaengenzeichen("mone\u0304o"));
    EXPECT_TRUE(grammar::hatLaengenzeichen("ĀTRIUM"));
    EXPECT_FALSE(grammar::hatLaengenzeichen("monĕo"));
    EXPECT_FALSE(grammar::hatLaengenzeichen("moneo"));
}

} // namespace latiflex::text
