// SPDX-License-Identifier: GPL-3.0-or-later
// The lenient judging of a typed German meaning, row by row with glosses as Latin textbooks
// print them: which answers a teacher counts, which are nearly right, which are wrong.
#include "drill/bedeutung.h"

#include <gtest/gtest.h>

namespace latiflex::drill {
namespace {

struct Zeile {
    const char* name;
    const char* bedeutungen; ///< as a word list prints them
    const char* getippt;
    Treffer treffer;
    const char* gemeint; ///< the meaning shown with the verdict
};

class Bedeutungen : public ::testing::TestWithParam<Zeile> {};

TEST_P(Bedeutungen, Urteil) {
    const Zeile& z = GetParam();
    const auto u = bedeutungPruefen(z.getippt, z.bedeutungen);
    EXPECT_EQ(u.treffer, z.treffer);
    EXPECT_EQ(u.bedeutung, z.gemeint);
}

using T = Treffer;

INSTANTIATE_TEST_SUITE_P(
    Glossen, Bedeutungen,
    ::testing::Values(
        Zeile{"genau", "König", "König", T::richtig, "König"},
        Zeile{"eineVonMehreren", "König; Herrscher", "Herrscher", T::richtig, "Herrscher"},
        Zeile{"kommaTrennt", "tapfer, stark", "stark", T::richtig, "stark"},
        Zeile{"grossUndBlanks", "lieben; gern haben", "  Gern  Haben ", T::richtig, "gern haben"},
        Zeile{"ohneBlank", "gern haben", "gernhaben", T::richtig, "gern haben"},
        Zeile{"artikelImWort", "der Sklave", "Sklave", T::richtig, "der Sklave"},
        Zeile{"artikelGetippt", "Sklave", "ein Sklave", T::richtig, "Sklave"},
        Zeile{"artikelFalsch", "die Mauer", "das Mauer", T::richtig, "die Mauer"},
        Zeile{"sich", "sich freuen", "freuen", T::richtig, "sich freuen"},
        Zeile{"jemanden", "jmdn. loben", "loben", T::richtig, "jmdn. loben"},
        Zeile{"klammer", "in, an, auf (mit Ablativ)", "auf", T::richtig, "auf (mit Ablativ)"},
        Zeile{"kommaInKlammer", "mahnen (jmdn., etw.), erinnern", "erinnern", T::richtig,
              "erinnern"},
        Zeile{"nurKlammerZaehltNicht", "(Präposition mit Ablativ); mit", "mit", T::richtig, "mit"},
        Zeile{"aeFuerAe", "Bär", "Baer", T::richtig, "Bär"},
        Zeile{"ohneDiePunkte", "König", "Konig", T::richtig, "König"},
        Zeile{"oeFuerOe", "König", "koenig", T::richtig, "König"},
        Zeile{"ueFuerUe", "gut, tüchtig", "tuechtig", T::richtig, "tüchtig"},
        Zeile{"ssFuerSz", "Straße", "Strasse", T::richtig, "Straße"},
        Zeile{"grossesUmlaut", "Ärger", "AERGER", T::richtig, "Ärger"},
        Zeile{"beideGetippt", "lieben; gern haben", "lieben, gern haben", T::richtig, "lieben"},
        Zeile{"einBuchstabeFalsch", "Stadt", "Statt", T::fast, "Stadt"},
        Zeile{"einBuchstabeFehlt", "lieben", "liben", T::fast, "lieben"},
        Zeile{"einBuchstabeZuviel", "Mauer", "Mauern", T::fast, "Mauer"},
        Zeile{"fastInDerZweiten", "König; Herrscher", "Herscher", T::fast, "Herrscher"},
        Zeile{"umlautImKurzenWort", "Tür", "Tuer", T::richtig, "Tür"},
        Zeile{"fastUndUmlaut", "fürchten", "fuerchtem", T::fast, "fürchten"},
        Zeile{"kurzesWortStreng", "Land", "Lant", T::falsch, ""},
        Zeile{"dreiBuchstaben", "oft", "ofd", T::falsch, ""},
        Zeile{"zweiBuchstabenFalsch", "Stadt", "Staaat", T::falsch, ""},
        Zeile{"eineVonZweiGetipptenFalsch", "lieben; gern haben", "lieben, hassen", T::falsch, ""},
        Zeile{"anderesWort", "Waffen", "Schwerter", T::falsch, ""},
        Zeile{"leer", "König", "", T::falsch, ""},
        Zeile{"nurArtikel", "der König", "der", T::falsch, ""},
        Zeile{"keineBedeutung", "", "König", T::falsch, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Einzelbedeutungen, GetrenntWieGedruckt) {
    EXPECT_EQ(
        einzelbedeutungen("in, an, auf (mit Ablativ); nach (mit Akk., wohin?)"),
        (std::vector<std::string>{"in", "an", "auf (mit Ablativ)", "nach (mit Akk., wohin?)"}));
    EXPECT_EQ(einzelbedeutungen(" ; (nur Plural), der"), std::vector<std::string>{});
}

} // namespace
} // namespace latiflex::drill
