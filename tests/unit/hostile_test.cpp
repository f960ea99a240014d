// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"
#include "shell/form1.h"
#include "shell/steuerelemente.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace latiflex::testing {
namespace {

std::vector<Response> answers(std::initializer_list<const char*> texts) {
    std::vector<Response> r;
    for (const char* t : texts)
        r.emplace_back(std::in_place_type<Answer>, Answer{t});
    return r;
}

TEST(Hostile, GoldenScriptsKeepNoWordOfAnEarlierCommand) {
    for (const auto& entry : std::filesystem::directory_iterator(GOLDEN_DIR)) {
        if (entry.path().extension() != ".txt") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(violation(readSession(bytes.str(), 200)), "") << entry.path();
    }
}

// Every command clicked after every other, with no word entered, after a noun, after a
// verb: each returns and shows nothing of an earlier word.
TEST(Hostile, EveryCommandAfterEveryOther) {
    const std::vector<std::vector<Step>> contexts{
        {},
        {{"Befehl1", answers({"rosa", "rosae"})}},
        {{"verbum", answers({"hortor", "hortari", "hortatus sum"})}},
        {{"verbum", answers({"volo", "velle", "volui", ""})}, {"prakt", {}}},
    };
    const auto responses = answers({"acer", "acris", "acre", "amatus"});
    for (const auto& context : contexts)
        for (const auto& first : steuerelemente)
            for (const auto& second : steuerelemente) {
                Session s{answers({"9", "12"}), context};
                s.steps.push_back({std::string(first.name), responses});
                s.steps.push_back({std::string(second.name), responses});
                EXPECT_EQ(violation(s), "") << first.name << " then " << second.name;
            }
}

// A 100,000-letter word at every prompt of every command.
TEST(Hostile, HugeWordsAtEveryPrompt) {
    const std::string huge = std::string(99'998, 'a') + "us";
    const std::string hugeUmlauts = [] {
        std::string s;
        for (int i = 0; i < 100'000; ++i)
            s += "ä";
        return s;
    }();
    for (const std::string& word : {huge, hugeUmlauts}) {
        for (int prompt = 0; prompt < 4; ++prompt) {
            std::vector<Response> r = answers({"bonus", "bona", "bonum", "amatus"});
            r[static_cast<std::size_t>(prompt)] = Answer{word};
            Session s{{Answer{word}, Answer{"12"}}, {}};
            for (const char* c : {"Befehl1", "Befehl4", "verbum"})
                s.steps.push_back({c, r});
            for (const char* c : {"prakt", "prpass", "perfakt", "perfpass", "Bild1"})
                s.steps.push_back({c, {}});
            EXPECT_EQ(violation(s), "") << "prompt " << prompt;
        }
    }
    // The whole stem survives: SUBST prints the 99,998 letters before -us as one stem.
    Session noun{answers({"0", "12"}), {{"Befehl1", {Answer{huge}, Answer{"domini"}}}}};
    const std::string log = run(noun).front();
    EXPECT_NE(log.find("text \"" + std::string(99'998, 'a') + "\"\nfore #FF0000\ntext \"us\""),
              std::string::npos);
}

struct ColourAnswer {
    const char* name;
    const char* text;
    bool accepted; // read as a palette number
};

class ColourPromptTest : public ::testing::TestWithParam<ColourAnswer> {};

// Odd forms at both colour prompts: only a number that rounds to 0 to 15 is a colour.
TEST_P(ColourPromptTest, OnlyPaletteNumbersAreColours) {
    for (int prompt = 0; prompt < 2; ++prompt) {
        std::vector<Response> startup = answers({"9", "9"});
        startup[static_cast<std::size_t>(prompt)] = Answer{GetParam().text};
        Session s{startup, {{"Befehl1", answers({"rosa", "rosae"})}}};
        std::ostringstream log;
        RecordingPane pane(log);
        ScriptedDialogs d(log);
        for (auto& r : startup)
            d.push(r);
        Form1 form(pane, d);
        form.Form_Load();
        const bool complained = log.str().find("Zahlen eingeben, Du...") != std::string::npos;
        EXPECT_EQ(complained, !GetParam().accepted) << "prompt " << prompt;
        EXPECT_EQ(violation(s), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    OddNumbers, ColourPromptTest,
    ::testing::Values(
        ColourAnswer{"overflow", "1e999", false}, ColourAnswer{"minusZero", "-0", true},
        ColourAnswer{"tinyFraction", "+.5e-3", true}, ColourAnswer{"blanks", " 12 ", true},
        ColourAnswer{"comma", "1,5", false}, ColourAnswer{"hex", "0x10", false},
        ColourAnswer{"bareExponent", "1e", false}, ColourAnswer{"point", ".", false},
        ColourAnswer{"halfToSixteen", "15.5", false}, ColourAnswer{"halfToFourteen", "14.5", true},
        ColourAnswer{"minusHalf", "-0.5", true}, ColourAnswer{"int16Overflow", "32768", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace latiflex::testing
