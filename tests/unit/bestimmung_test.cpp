#include "analysis/bestimmung.h"
#include "engine/wort.h"
#include "grammar/bezeichnung.h"
#include "grammar/text.h"
#include "tabellenzeilen.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

using namespace latiflex;

// Readings every Latin grammar gives (lesarten.tsv); the rules must allow each.
TEST(Bestimmung, OffersTheReadingsOfTheGrammar) {
    const auto zeilen = tabellenzeilen(UNIT_DIR "/lesarten.tsv");
    for (const auto& zeile : zeilen) {
        std::istringstream in(zeile);
        std::string getippt, befehl, woerter, zelle;
        ASSERT_TRUE(std::getline(in, getippt, '\t') && std::getline(in, befehl, '\t') &&
                    std::getline(in, woerter, '\t') && std::getline(in, zelle))
            << zeile;
        const auto deutungen = analysis::bestimmen(getippt, {}, /*alle=*/true);
        EXPECT_TRUE(std::any_of(deutungen.begin(), deutungen.end(), [&](const auto& d) {
            return d.eingabe.befehl == befehl && analysis::woerter(d.eingabe) == woerter &&
                   grammar::bezeichnung(d.zelle) == zelle;
        })) << zeile;
    }
    EXPECT_EQ(zeilen.size(), 22u);
}

TEST(Bestimmung, TheRulesAllowNoReading) {
    for (const char* text : {"", "   ", "12345", "<b>rosa</b>", "\u05D0\u05D1\u05D2", "\U0001F339",
                             "\u0301", "rosa!", "rosa rosae", "r2d2"})
        EXPECT_TRUE(analysis::bestimmen(text).empty()) << text;
    EXPECT_TRUE(analysis::bestimmen(std::string(100000, 'a')).empty());
}

TEST(Bestimmung, ThePupilsOwnWordComesFirst) {
    const std::vector<Eingabe> eigene{{"SUBST", {"ius", "iuris"}}};
    const auto deutungen = analysis::bestimmen("iuris", eigene);
    ASSERT_FALSE(deutungen.empty());
    EXPECT_EQ(deutungen.front().eingabe, eigene.front());
    EXPECT_TRUE(deutungen.front().eigen);
}

TEST(Bestimmung, ReadingsOfOneEntryStandTogether) {
    const auto deutungen = analysis::bestimmen("rosa");
    std::vector<Eingabe> gesehen;
    for (std::size_t i = 0; i < deutungen.size(); ++i) {
        if (i > 0 && deutungen[i].eingabe == deutungen[i - 1].eingabe) continue;
        EXPECT_EQ(std::count(gesehen.begin(), gesehen.end(), deutungen[i].eingabe), 0);
        gesehen.push_back(deutungen[i].eingabe);
    }
}

TEST(Bestimmung, DictionaryFormsAsTyped) {
    EXPECT_EQ(analysis::woerter({"VERBUM", {"volo", "velle", "volui", ""}}), "volo, velle, volui");
    EXPECT_EQ(analysis::woerter({"SUBST", {"rosa", "rosae"}}), "rosa, rosae");
}

// Words of the regular classes on random roots: every form their pages print, analysed,
// includes these dictionary forms in that cell.
TEST(Bestimmung, EveryPrintedFormFindsItsWord) {
    std::mt19937 zufall(21);
    const std::string konsonanten = "bcdfglmnprstv";
    const std::string vokale = "aeiou";
    const auto wurzel = [&] {
        std::string w;
        for (int i = 0; i < 2; ++i) {
            w += konsonanten[zufall() % konsonanten.size()];
            w += vokale[zufall() % vokale.size()];
        }
        w += konsonanten[zufall() % konsonanten.size()];
        return w;
    };
    const std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>> muster{
        {"SUBST", {{"a", "ae"}, {"us", "i"}, {"um", "i"}}},
        {"ADJEKTIV", {{"us", "a", "um"}, {"is", "is", "e"}}},
        {"VERBUM",
         {{"o", "are", "avi", "atus"},
          {"eo", "ere", "ui", "itus"},
          {"io", "ire", "ivi", "itus"},
          {"or", "ari", "atus sum"}}},
    };
    std::size_t geprueft = 0;
    const auto pruefen = [&geprueft](const Eingabe& e) {
        for (const auto& zeiger : engine::seiten(e))
            for (const auto& seite = *zeiger; const auto& block : seite.bloecke)
                for (const auto& form : block.formen) {
                    const auto deutungen =
                        analysis::bestimmen(form.wortform.ganz(), {}, /*alle=*/true);
                    EXPECT_TRUE(std::any_of(deutungen.begin(), deutungen.end(),
                                            [&](const auto& d) {
                                                return d.eingabe == e && d.zelle == form.zelle &&
                                                       d.seite == seite.seite;
                                            }))
                        << analysis::woerter(e) << ": " << form.wortform.ganz() << " "
                        << grammar::bezeichnung(form.zelle);
                    ++geprueft;
                }
    };
    for (int n = 0; n < 20; ++n)
        for (const auto& [befehl, reihe] : muster)
            for (const auto& endungen : reihe) {
                const std::string w = wurzel();
                Eingabe e{befehl, {}};
                for (const auto& endung : endungen)
                    e.antworten.push_back(w + endung);
                pruefen(e);
            }
    EXPECT_GT(geprueft, 5000u);
}
