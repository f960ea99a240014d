// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting a text into words: what is a word, on which line it stands, where a sentence ends,
// and reading an old text file's Latin-1.
#include "lesen/zerlegung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace latiflex::lesen {
namespace {

struct Fall {
    const char* name;
    std::string text;
    std::vector<std::string> woerter; // each as "form zeile", "." after a sentence's last
};

std::vector<std::string> beschrieben(const std::string& text) {
    std::vector<std::string> s;
    for (const auto& w : zerlegen(text))
        s.push_back(w.form + ' ' + std::to_string(w.zeile) + (w.satzende ? "." : ""));
    return s;
}

TEST(Zerlegung, WoerterZeilenUndSatzenden) {
    const std::vector<Fall> faelle{
        {"nothing", "", {}},
        {"only signs", " .,;:!? 12 -- ()", {}},
        {"a sentence", "Gallia est omnis divisa.", {"Gallia 1", "est 1", "omnis 1", "divisa 1."}},
        {"a comma ends no sentence", "Veni, vidi; vici!", {"Veni 1", "vidi 1.", "vici 1."}},
        {"lines by LF, CRLF and CR",
         "arma\nvirumque\r\ncano\rTroiae",
         {"arma 1", "virumque 2", "cano 3", "Troiae 4"}},
        {"empty lines count", "a\n\n\nb", {"a 1", "b 4"}},
        {"digits part words", "liber2capitulum 12 III", {"liber 1", "capitulum 1", "III 1"}},
        {"vowel marks stay in the word", "rosā rosa\xcc\x84", {"rosā 1", "rosa\xcc\x84 1"}},
        {"markup and references are skipped",
         "<p class=\"x\">arma</p>&amp;vi&#257;rum",
         {"arma 1", "vi 1", "rum 1"}},
        {"a lone < is a sign", "a < b > c", {"a 1", "b 1", "c 1"}},
        {"emoji and direction marks part words",
         "arma\xf0\x9f\x98\x80virum\xe2\x80\x8f",
         {"arma 1", "virum 1"}},
        {"other scripts are words", "שלום Roma", {"שלום 1", "Roma 1"}},
        {"invalid bytes part words", "ar\xffma", {"ar 1", "ma 1"}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(beschrieben(f.text), f.woerter) << f.name;
}

TEST(Zerlegung, StelleImText) {
    const std::string text = "<i>Arma</i> virumque";
    const auto w = zerlegen(text);
    ASSERT_EQ(w.size(), 2U);
    EXPECT_EQ(text.substr(w[0].anfang, w[0].laenge), "Arma");
    EXPECT_EQ(text.substr(w[1].anfang, w[1].laenge), "virumque");
}

TEST(Zerlegung, Latin1WirdUtf8) {
    EXPECT_EQ(alsUtf8("Caesar"), "Caesar");
    EXPECT_EQ(alsUtf8("r\xc3\xb6misch"), "römisch");    // UTF-8 stays
    EXPECT_EQ(alsUtf8("r\xf6misch \xe2"), "römisch â"); // Latin-1 is read
}

} // namespace
} // namespace latiflex::lesen
