// SPDX-License-Identifier: GPL-3.0-or-later
// The codes the lessons store: every cell of the grammar has one key and is read back from
// it; what no version writes is refused; a narrowing goes to codes and back.
#include "drill/eingrenzung.h"
#include "grammar/zellcode.h"

#include <gtest/gtest.h>

#include <set>

namespace latiflex::grammar {
namespace {

TEST(Zellcode, Schluessel) {
    const std::vector<std::pair<Zellschluessel, std::string>> zeilen{
        {{nomenZelle(Kasus::genitiv, Numerus::plural)}, "gen.pl"},
        {{nomenZelle(Kasus::genitiv, Numerus::singular, Genus::femininum)}, "f.gen.sg"},
        {{nomenZelle(Kasus::ablativ, Numerus::singular), 2}, "abl.sg#2"},
        {{verbZelle(Person::zweite, Numerus::plural, Tempus::futur1, Modus::indikativ,
                    GenusVerbi::passiv)},
         "prpass:2.pl.fut1.ind.pass"},
        {{verbZelle(Person::dritte, Numerus::singular, Tempus::plusquamperfekt, Modus::konjunktiv,
                    GenusVerbi::aktiv)},
         "perfakt:3.sg.plqpf.konj.akt"},
        {{verbZelle(Person::erste, Numerus::plural, Tempus::futur2, Modus::indikativ,
                    GenusVerbi::passiv)},
         "perfpass:1.pl.fut2.ind.pass"},
    };
    for (const auto& [s, text] : zeilen) {
        EXPECT_EQ(schluessel(s), text);
        EXPECT_EQ(schluesselAus(text), s) << text;
    }
}

TEST(Zellcode, JedeZelleEinSchluessel) {
    std::set<std::string> gesehen;
    const auto pruefe = [&](const Zelle& z) {
        const std::string k = schluessel({z, 1});
        EXPECT_TRUE(gesehen.insert(k).second) << k;
        EXPECT_EQ(schluesselAus(k), (Zellschluessel{z, 1})) << k;
    };
    for (int zeile = 1; zeile <= 12; ++zeile) {
        pruefe(zeilenZelle(zeile));
        for (int g = 0; g < anzahl<Genus>; ++g)
            pruefe(zeilenZelle(zeile, static_cast<Genus>(g)));
    }
    for (int n = 1; n <= 6; ++n)
        for (int t = 0; t < anzahl<Tempus>; ++t)
            for (int m = 0; m < anzahl<Modus>; ++m)
                for (int v = 0; v < anzahl<GenusVerbi>; ++v)
                    pruefe(personenZelle(n, static_cast<Tempus>(t), static_cast<Modus>(m),
                                         static_cast<GenusVerbi>(v)));
    EXPECT_EQ(gesehen.size(), 12u * 4 + 6 * 6 * 2 * 2);
}

TEST(Zellcode, Abgelehnt) {
    for (const char* text : {"", "gen", "gen.pl.pl", "gen..pl", "gen.pl.", "prakt:gen.pl",
                             "perfakt:1.sg.praes.ind.akt", "1.sg.praes.ind.akt", "gen.pl#1",
                             "gen.pl#x", "gen.pl#", "Genitiv Plural", "GEN.PL"})
        EXPECT_FALSE(schluesselAus(text)) << text;
}

TEST(Zellcode, Befehle) {
    EXPECT_EQ(wortartDesBefehls("ADJEKTIV"), Wortart::adjektiv);
    EXPECT_FALSE(wortartDesBefehls("Subst"));
    EXPECT_EQ(befehl(Wortart::verbum), "VERBUM");
    EXPECT_EQ(code(Wortart::substantiv), "subst");
    EXPECT_EQ(ausCode<Wortart>("verb"), Wortart::verbum);
}

TEST(Zellcode, Eingrenzung) {
    drill::Eingrenzung e;
    e.numeri = {Numerus::plural};
    e.tempora = {Tempus::futur1, Tempus::futur2};
    e.genera = {GenusVerbi::passiv};
    e.modi = {Modus::konjunktiv};
    EXPECT_EQ(drill::code(e), "pl fut1 fut2 pass konj");
    EXPECT_EQ(drill::eingrenzungAusCode("pl fut1 fut2 pass konj"), e);
    EXPECT_EQ(drill::code(drill::Eingrenzung{}), "");
    EXPECT_EQ(drill::eingrenzungAusCode(""), drill::Eingrenzung{});
    EXPECT_FALSE(drill::eingrenzungAusCode("Plural"));
}

} // namespace
} // namespace latiflex::grammar
