// SPDX-License-Identifier: GPL-3.0-or-later
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
        const auto deutungen = analysis::bestimmen(getippt, {}, {.alle = true});
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
                        analysis::bestimmen(form.wortform.ganz(), {}, {.alle = true});
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

namespace {

// The first entry offered for a form, as the window heads it.
analysis::Deutung erste(std::string_view form, const std::vector<Eingabe>& eigene = {}) {
    const auto deutungen = analysis::bestimmen(form, eigene);
    return deutungen.empty() ? analysis::Deutung{} : deutungen.front();
}

} // namespace

// Real words before the rules' guesses; forms as texts print them (a school grammar's
// readings; as many dictionary forms as the program can know without a dictionary).
TEST(Bestimmung, RealWordsComeFirst) {
    struct Zeile {
        const char* form;
        const char* woerter;
        const char* zelle;
    };
    for (const auto& z : std::initializer_list<Zeile>{
             {"regis", "rex, regis", "Genitiv Singular"},
             {"urbem", "urbs, urbis", "Akkusativ Singular"},
             {"militum", "miles, militis", "Genitiv Plural"},
             {"Jubet", "iubeo, iubere", "3. Person Singular Präsens Indikativ Aktiv"},
             {"uidet", "video, videre, vidi, visus", "3. Person Singular Präsens Indikativ Aktiv"},
             {"amarunt", "amo, amare, amavi, amatus", "3. Person Plural Perfekt Indikativ Aktiv"},
             {"amasti", "amo, amare, amavi, amatus", "2. Person Singular Perfekt Indikativ Aktiv"},
             {"norunt", "nosco, noscere, novi", "3. Person Plural Perfekt Indikativ Aktiv"},
             {"hoc", "hic, haec, hoc", "Maskulinum Ablativ Singular"},
             {"eius", "is, ea, id", "Maskulinum Genitiv Singular"},
             {"tulit", "fero, ferre, tuli, latum", "3. Person Singular Perfekt Indikativ Aktiv"},
             {"abstulit", "aufero, auferre, abstuli, ablatum",
              "3. Person Singular Perfekt Indikativ Aktiv"},
             {"prodest", "prosum, prodesse, profui", "3. Person Singular Präsens Indikativ Aktiv"},
             {"fiunt", "fio, fieri, factus sum", "3. Person Plural Präsens Indikativ Aktiv"},
             {"redierunt", "redeo, redire, redii, reditum",
              "3. Person Plural Perfekt Indikativ Aktiv"},
         }) {
        const auto d = erste(z.form);
        // The frequency table knows lemmas, not every principal part: as far as given.
        EXPECT_TRUE(analysis::woerter(d.eingabe).starts_with(z.woerter))
            << z.form << ": " << analysis::woerter(d.eingabe);
        EXPECT_EQ(grammar::bezeichnung(d.zelle), z.zelle) << z.form;
        EXPECT_EQ(d.herkunft, analysis::Herkunft::bekannt) << z.form;
    }
}

TEST(Bestimmung, WordsWithoutCellsAndEnclitics) {
    const auto in = erste("in");
    EXPECT_EQ(in.klasse, "Präposition mit Akkusativ oder Ablativ");
    EXPECT_FALSE(in.mitZelle);
    EXPECT_FALSE(in.druckbar);
    for (const auto& [form, wort, enklitikon] :
         std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"senatusque", "senatus", "-que"},
             {"videsne", "video, videre, vidi, visus", "-ne"},
             {"armave", "arma", "-ve"}}) {
        const auto deutungen = analysis::bestimmen(form);
        EXPECT_TRUE(std::any_of(deutungen.begin(), deutungen.end(), [&](const auto& d) {
            return analysis::woerter(d.eingabe).starts_with(wort) &&
                   d.herkunft == analysis::Herkunft::bekannt;
        })) << form;
        EXPECT_TRUE(std::any_of(deutungen.begin(), deutungen.end(), [&](const auto& d) {
            return analysis::woerter(d.eingabe) == enklitikon && !d.mitZelle;
        })) << form;
    }
    // A word that ends so is no enclitic's.
    const auto deutungen = analysis::bestimmen("itaque");
    EXPECT_EQ(analysis::woerter(deutungen.front().eingabe), "itaque");
}

// A word the page of VERBUM prints otherwise is named, but offers no page; one it prints
// right (sum) is the page's own reading with the meaning.
TEST(Bestimmung, IrregularVerbsOfferAPageOnlyWhereItPrintsTheForm) {
    const auto fert = erste("fert");
    EXPECT_EQ(fert.eingabe.befehl, "VERBUM");
    EXPECT_FALSE(fert.druckbar);
    EXPECT_EQ(fert.bedeutung, "tragen, bringen; ertragen");
    const auto est = erste("est");
    EXPECT_EQ(analysis::woerter(est.eingabe), "sum, esse, fui");
    EXPECT_TRUE(est.druckbar);
    EXPECT_EQ(est.bedeutung, "sein");
}

// The pupil's word typed with vowel marks is the pupil's own for a form typed without.
TEST(Bestimmung, ThePupilsWordWithVowelMarks) {
    const Eingabe miles{"SUBST", {"mīles", "mīlitis"}};
    const auto d = erste("militum", {miles});
    EXPECT_EQ(d.eingabe, miles);
    EXPECT_EQ(d.herkunft, analysis::Herkunft::eigen);
    // A form only the rules know is a guess.
    EXPECT_EQ(erste("urbo").herkunft, analysis::Herkunft::regeln);
}
