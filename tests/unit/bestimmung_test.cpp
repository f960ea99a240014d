#include "analysis/bestimmung.h"
#include "grammar/bezeichnung.h"
#include "grammar/text.h"

#include <gtest/gtest.h>

#include <random>

using namespace latiflex;

namespace {

struct Zeile {
    const char* getippt;
    const char* befehl;
    std::vector<std::string> woerter;
    const char* zelle; // as the drill names it
};

bool enthaelt(const std::vector<analysis::Deutung>& deutungen, const Zeile& z) {
    return std::any_of(deutungen.begin(), deutungen.end(), [&z](const analysis::Deutung& d) {
        return d.eingabe == Eingabe{z.befehl, z.woerter} &&
               grammar::bezeichnung(d.zelle) == z.zelle;
    });
}

} // namespace

// Readings every Latin grammar gives; the rules must allow each.
TEST(Bestimmung, OffersTheReadingsOfTheGrammar) {
    const std::vector<Zeile> zeilen{
        {"rosam", "SUBST", {"rosa", "rosae"}, "Akkusativ Singular"},
        {"rosis", "SUBST", {"rosa", "rosae"}, "Ablativ Plural"},
        {"domini", "SUBST", {"dominus", "domini"}, "Nominativ Plural"},
        {"templa", "SUBST", {"templum", "templi"}, "Akkusativ Plural"},
        {"regis", "SUBST", {"rex", "regis"}, "Genitiv Singular"},
        {"rerum", "SUBST", {"res", "rei"}, "Genitiv Plural"},
        {"manibus", "SUBST", {"manus", "manus"}, "Dativ Plural"},
        {"bonae", "ADJEKTIV", {"bonus", "bona", "bonum"}, "Femininum Dativ Singular"},
        {"acria", "ADJEKTIV", {"acer", "acris", "acre"}, "Neutrum Nominativ Plural"},
        {"fortem", "ADJEKTIV", {"fortis", "fortis", "forte"}, "Maskulinum Akkusativ Singular"},
        {"laudat",
         "VERBUM",
         {"laudo", "laudare", "laudavi", "laudatus"},
         "3. Person Singular Präsens Indikativ Aktiv"},
        {"amaverimus",
         "VERBUM",
         {"amo", "amare", "amavi", "amatus"},
         "1. Person Plural Futur II Indikativ Aktiv"},
        {"amaverimus",
         "VERBUM",
         {"amo", "amare", "amavi", "amatus"},
         "1. Person Plural Perfekt Konjunktiv Aktiv"},
        {"laudati sunt",
         "VERBUM",
         {"laudo", "laudare", "laudavi", "laudatus"},
         "3. Person Plural Perfekt Indikativ Passiv"},
        {"monebimini",
         "VERBUM",
         {"moneo", "monere", "monui", "monitus"},
         "2. Person Plural Futur I Indikativ Passiv"},
        {"audiunt",
         "VERBUM",
         {"audio", "audire", "audivi", "auditus"},
         "3. Person Plural Präsens Indikativ Aktiv"},
        {"hortamur",
         "VERBUM",
         {"hortor", "hortari", "hortatus sum"},
         "1. Person Plural Präsens Indikativ Passiv"},
        {"eratis", "VERBUM", {"sum", "esse", "fui"}, "2. Person Plural Imperfekt Indikativ Aktiv"},
        {"fuerint", "VERBUM", {"sum", "esse", "fui"}, "3. Person Plural Futur II Indikativ Aktiv"},
        {"vult",
         "VERBUM",
         {"volo", "velle", "volui"},
         "3. Person Singular Präsens Indikativ Aktiv"},
        {"Rosā", "SUBST", {"rosa", "rosae"}, "Ablativ Singular"},
        {"  LAUDAT ",
         "VERBUM",
         {"laudo", "laudare", "laudavi", "laudatus"},
         "3. Person Singular Präsens Indikativ Aktiv"},
    };
    for (const auto& z : zeilen)
        EXPECT_TRUE(enthaelt(analysis::bestimmen(z.getippt, {}, /*alle=*/true), z))
            << z.getippt << " " << z.zelle;
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
    const std::vector<std::pair<std::string, std::vector<std::string>>> muster{
        {"SUBST", {"a", "ae"}},
        {"SUBST", {"us", "i"}},
        {"SUBST", {"um", "i"}},
        {"ADJEKTIV", {"us", "a", "um"}},
        {"ADJEKTIV", {"is", "is", "e"}},
        {"VERBUM", {"o", "are", "avi", "atus"}},
        {"VERBUM", {"eo", "ere", "ui", "itus"}},
        {"VERBUM", {"io", "ire", "ivi", "itus"}},
        {"VERBUM", {"or", "ari", "atus sum"}},
    };
    std::size_t geprueft = 0;
    for (int n = 0; n < 20; ++n)
        for (const auto& [befehl, endungen] : muster) {
            const std::string w = wurzel();
            Eingabe e{befehl, {}};
            for (const auto& endung : endungen)
                e.antworten.push_back(w + endung);
            for (const auto& seite : analysis::seiten(e))
                for (const auto& block : seite.bloecke)
                    for (const auto& form : block.formen) {
                        const auto deutungen =
                            analysis::bestimmen(form.wortform.ganz(), {}, /*alle=*/true);
                        const bool gefunden = std::any_of(
                            deutungen.begin(), deutungen.end(), [&](const analysis::Deutung& d) {
                                return d.eingabe == e && d.zelle == form.zelle &&
                                       d.seite == seite.seite;
                            });
                        EXPECT_TRUE(gefunden)
                            << analysis::woerter(e) << ": " << form.wortform.ganz() << " "
                            << grammar::bezeichnung(form.zelle);
                        ++geprueft;
                    }
        }
    EXPECT_GT(geprueft, 5000u);
}
