// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include <gtest/gtest.h>

#include <sstream>

namespace latiflex::testing {
namespace {

struct Played {
    int status;
    std::string log;
    std::string errors;
};

Played playScript(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream log, errors;
    const int status = play(in, log, errors);
    return {status, log.str(), errors.str()};
}

TEST(Script, MalformedLinesAreNamedAndNothingRuns) {
    for (const char* bad : {"click Nirgends", "answerrosa", "colour 1 2", "colour 1 2 256",
                            "colour 1 2 3 4", "cancel now", "klick Befehl1", " answer x"}) {
        const Played p = playScript(std::string("answer 0\n") + bad + "\n");
        EXPECT_EQ(p.status, 2) << bad;
        EXPECT_EQ(p.log, "") << bad;
        EXPECT_NE(p.errors.find("line 2"), std::string::npos) << bad;
    }
}

TEST(Script, AnswersKeepTheirBlanksAndEscapes) {
    const Played p = playScript("answer 0\nanswer 12\nclick Befehl1\nanswer a\"b\\ \nanswer \n");
    EXPECT_EQ(p.status, 0);
    EXPECT_NE(p.log.find("message 48 \"EINGABEFEHLER\" \"Keine Formen vorhanden\""),
              std::string::npos);
    EXPECT_EQ(p.errors, "");
}

TEST(Script, StopsAtTheEnd) {
    const Played p = playScript("click Befehl2\nclick Bild1\n");
    EXPECT_EQ(p.status, 0);
    EXPECT_TRUE(p.log.ends_with("end\n"));
}

} // namespace
} // namespace latiflex::testing
