// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary: dictd's numbers, an entry's first line for every word class, lookups by
// headword and by form, the word the pupil typed matched to its entry (also where the
// dictionary errs), the credits, and files that are missing or damaged.
#include "dictionary/dictd.h"
#include "dictionary/woerterbuch.h"
#include "shell/ueber.h"
#include "testwoerterbuch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace latiflex::woerterbuch {
namespace {

using latiflex::ueberText;

TEST(Dictd, ZahlenInBasis64) {
    EXPECT_EQ(dictd::zahl("A"), 0u);
    EXPECT_EQ(dictd::zahl("B"), 1u);
    EXPECT_EQ(dictd::zahl("/"), 63u);
    EXPECT_EQ(dictd::zahl("BA"), 64u);
    EXPECT_EQ(dictd::zahl("CJQ"), 2u * 64 * 64 + 9 * 64 + 16);
    EXPECT_EQ(dictd::zahl(""), std::nullopt);
    EXPECT_EQ(dictd::zahl("C=Q"), std::nullopt);
    EXPECT_EQ(dictd::zahl("BAAAAAAAAAA"), std::nullopt); // 66 bits
}

TEST(Dictd, IndexzeilenOhneDreiFelderFallenWeg) {
    const auto z = dictd::index("rex\tBA\tC\r\nkaputt\tBA\n\tA\tB\nrosa\tB*\tC\nres publica\tA\tZ");
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0], (dictd::Indexzeile{"rex", {64, 2}}));
    EXPECT_EQ(z[1], (dictd::Indexzeile{"res publica", {0, 25}}));
}

struct Kopf {
    const char* name;
    const char* text;
    const char* stichwort;
    std::vector<Form> formen;
    Wortart wortart;
    Genus genus;
    bool plural;
    std::vector<std::string> bedeutungen;
};

class Kopfzeile : public ::testing::TestWithParam<Kopf> {};

TEST_P(Kopfzeile, Gelesen) {
    const Kopf& k = GetParam();
    const Eintrag e = lesen(k.text);
    EXPECT_EQ(e.stichwort, k.stichwort);
    EXPECT_EQ(e.formen, k.formen);
    EXPECT_EQ(e.wortart, k.wortart);
    EXPECT_EQ(e.genus, k.genus);
    EXPECT_EQ(e.plural, k.plural);
    EXPECT_EQ(e.bedeutungen, k.bedeutungen);
}

using F = Formart;
using W = Wortart;
using G = Genus;

INSTANTIATE_TEST_SUITE_P(
    Wortarten, Kopfzeile,
    ::testing::Values(
        Kopf{"substantiv",
             "rex /rˈeːks/ (regis /rˈeːɡɪs/ <gen>) <n, sg, m>\n1. König\n2. Herrscher\n",
             "rex",
             {{"regis", F::genitiv}},
             W::substantiv,
             G::maskulinum,
             false,
             {"König", "Herrscher"}},
        Kopf{"neutrumPlural",
             "castra /kˈastra/ (castrorum /x/ <gen>) <n, pl, n>\nLager\n",
             "castra",
             {{"castrorum", F::genitiv}},
             W::substantiv,
             G::neutrum,
             true,
             {"Lager"}},
        Kopf{"beideGenera",
             "civis /x/ (civis /x/ <gen>) <n, sg, m, f>\nBürger, Bürgerin",
             "civis",
             {{"civis", F::genitiv}},
             W::substantiv,
             G::utrum,
             false,
             {"Bürger, Bürgerin"}},
        Kopf{"mitSchraegstrich",
             "nauta /x/ (nautae /x/ <gen>) <n, sg, m/f>\nSeemann\n",
             "nauta",
             {{"nautae", F::genitiv}},
             W::substantiv,
             G::utrum,
             false,
             {"Seemann"}},
        Kopf{"adjektiv",
             "bonus /x/ (bona /x/ <f>, bonum /x/ <n>) <adj, m>\ngut, tüchtig\n",
             "bonus",
             {{"bona", F::femininum}, {"bonum", F::neutrum}},
             W::adjektiv,
             G::maskulinum,
             false,
             {"gut, tüchtig"}},
        Kopf{"einEndiges",
             "felix /x/ (felix /x/ <f>, felix /x/ <n>, felicis /x/ <gen>) <adj, m>\nglücklich\n",
             "felix",
             {{"felix", F::femininum}, {"felix", F::neutrum}, {"felicis", F::genitiv}},
             W::adjektiv,
             G::maskulinum,
             false,
             {"glücklich"}},
        Kopf{"markenVorDerKlammer",
             "optimus /x/ <m, Superlativ> (optima /x/ <f>, optimum /x/ <n>) <adj>\nder Beste\n   "
             "See also: {bonus}\n",
             "optimus",
             {{"optima", F::femininum}, {"optimum", F::neutrum}},
             W::adjektiv,
             G::maskulinum,
             false,
             {"der Beste"}},
        Kopf{"verb",
             "moneo /x/ (monere /x/, monui /x/, monitum /x/) <sg, v>\n1. mahnen\n2. erinnern\n",
             "moneo",
             {{"monere", F::infinitiv}, {"monui", F::perfekt}, {"monitum", F::supinum}},
             W::verb,
             G::keins,
             false,
             {"mahnen", "erinnern"}},
        Kopf{"aKonjugation",
             "amo /ˈamɔ/ (amare /ˈamarɛ/) <sg, v>\nlieben\n",
             "amo",
             {{"amare", F::infinitiv}},
             W::verb,
             G::keins,
             false,
             {"lieben"}},
        Kopf{"deponens",
             "hortor /x/ (hortari /x/, hortatum /x/) <sg, v>\nermahnen\n",
             "hortor",
             {{"hortari", F::infinitiv}, {"hortatum", F::supinum}},
             W::verb,
             G::keins,
             false,
             {"ermahnen"}},
        Kopf{"ohnePartizip",
             "accedo /x/ (accedere /x/, accessi /x/) <sg, v>\nherantreten\n",
             "accedo",
             {{"accedere", F::infinitiv}, {"accessi", F::perfekt}},
             W::verb,
             G::keins,
             false,
             {"herantreten"}},
        Kopf{"pronomen",
             "alius /x/ (alterius /x/ <gen>, alii /x/ <dat>) <pron, m>\nein anderer\n",
             "alius",
             {{"alterius", F::genitiv}, {"alii", F::dativ}},
             W::pronomen,
             G::maskulinum,
             false,
             {"ein anderer"}},
        Kopf{"pronomenNeutrum",
             "id /ˈɪd/ <pron, n>\ndies\n",
             "id",
             {},
             W::pronomen,
             G::neutrum,
             false,
             {"dies"}},
        Kopf{"praeposition",
             "in /ˈɪn/ <prep>\n1. in, an (mit Ablativ)\n2. nach (mit Akkusativ)\n",
             "in",
             {},
             W::praeposition,
             G::keins,
             false,
             {"in, an (mit Ablativ)", "nach (mit Akkusativ)"}},
        Kopf{"konjunktion",
             "et /ˈɛt/ <conj>\nund\n",
             "et",
             {},
             W::konjunktion,
             G::keins,
             false,
             {"und"}},
        Kopf{"adverb", "saepe /x/ <adv>\noft\n", "saepe", {}, W::adverb, G::keins, false, {"oft"}},
        Kopf{"zahlwort",
             "decem /x/ <num>\nzehn\n",
             "decem",
             {},
             W::numerale,
             G::keins,
             false,
             {"zehn"}},
        Kopf{"interjektion",
             "ave /x/ <int>\nsei gegrüßt\n",
             "ave",
             {},
             W::interjektion,
             G::keins,
             false,
             {"sei gegrüßt"}},
        Kopf{"wendung",
             "in dies /ɪn dˈiːɛs/\nvon Tag zu Tag\n",
             "in dies",
             {},
             W::wendung,
             G::keins,
             false,
             {"von Tag zu Tag"}},
        Kopf{"wendungMitKomma",
             "accidit, ut... /x/\nes ereignet sich, dass...\n",
             "accidit, ut...",
             {},
             W::wendung,
             G::keins,
             false,
             {"es ereignet sich, dass..."}},
        // A note that stands where sense 1 would: the senses are what follows.
        Kopf{"anmerkungStattErsterBedeutung",
             "Afer /x/ (Afri /x/ <gen>) <n, sg, m>\n(Bewohner der Provinz)\n2. Afrikaner\n3. "
             "Punier\n",
             "Afer",
             {{"Afri", F::genitiv}},
             W::substantiv,
             G::maskulinum,
             false,
             {"Afrikaner", "Punier"}},
        Kopf{"ohneAussprache",
             "rosa (rosae <gen>) <n, sg, f>\nRose\n",
             "rosa",
             {{"rosae", F::genitiv}},
             W::substantiv,
             G::femininum,
             false,
             {"Rose"}},
        Kopf{"leer", "", "", {}, W::unbekannt, G::keins, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Eintrag, AnmerkungSieheUndBedeutungText) {
    const Eintrag e =
        lesen("optimus /x/ <m, Superlativ> (optima /x/ <f>, optimum /x/ <n>) <adj>\n"
              "(Superlativ)\n1. der Beste\n2. sehr gut\n   See also: {bonus}, {melior}\n");
    EXPECT_EQ(e.anmerkungen, std::vector<std::string>{"(Superlativ)"});
    EXPECT_EQ(e.siehe, (std::vector<std::string>{"bonus", "melior"}));
    EXPECT_EQ(e.bedeutungText(), "der Beste; sehr gut");
    EXPECT_EQ(e.form(Formart::neutrum), "optimum");
    EXPECT_EQ(e.form(Formart::genitiv), std::nullopt);
}

TEST(Schluessel, OhneGrossbuchstabenUndVokalzeichen) {
    EXPECT_EQ(schluessel(" Rēx "), "rex");
    EXPECT_EQ(schluessel("rosā"), "rosa");
    EXPECT_EQ(schluessel("ROSĂ"), "rosa");
    EXPECT_EQ(schluessel("impénsum"), "impensum");
    EXPECT_EQ(schluessel("poëta"), "poeta");
    EXPECT_EQ(schluessel("ro\xCC\x84sa"), "rosa"); // o and a combining macron
    EXPECT_EQ(schluessel("Cæsar"), "caesar");
    EXPECT_EQ(schluessel("Ἀθῆναι"), "Ἀθῆναι");
}

// The tests' dictionary, written once into a folder of its own.
class Testwoerterbuch : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ordner_ = std::filesystem::temp_directory_path() /
                  ("latiflex-woerterbuch-" + std::to_string(::getpid()));
        std::filesystem::create_directories(ordner_);
        testing::schreibeWoerterbuch(ordner_ / "lat-deu", testing::testWoerterbuch());
        w_ = Woerterbuch::oeffnen(ordner_ / "lat-deu").release();
    }
    static void TearDownTestSuite() {
        delete w_;
        std::filesystem::remove_all(ordner_);
    }
    static std::vector<std::string> stichwoerter(const std::vector<const Eintrag*>& e) {
        std::vector<std::string> s;
        for (const auto* x : e)
            s.push_back(x->stichwort + " " + std::string(name(x->wortart)));
        return s;
    }
    static std::string bedeutung(const Eingabe& eingabe) {
        const Eintrag* e = w_->zuEingabe(eingabe);
        return e ? e->bedeutungText() : "–";
    }

    static inline std::filesystem::path ordner_;
    static inline const Woerterbuch* w_ = nullptr;
};

TEST_F(Testwoerterbuch, JederEintragEinmal) {
    ASSERT_NE(w_, nullptr);
    EXPECT_EQ(w_->eintraege().size(), 21u);
    EXPECT_EQ(w_->eintraege().front().stichwort, "Afer");
    EXPECT_EQ(w_->eintraege().back().stichwort, "saepe");
}

TEST_F(Testwoerterbuch, NachStichwortUndNachForm) {
    EXPECT_EQ(stichwoerter(w_->stichwort("rex")), std::vector<std::string>{"rex Substantiv"});
    EXPECT_EQ(stichwoerter(w_->stichwort("REX")), std::vector<std::string>{"rex Substantiv"});
    EXPECT_EQ(stichwoerter(w_->stichwort("rēx")), std::vector<std::string>{"rex Substantiv"});
    EXPECT_TRUE(w_->stichwort("regis").empty());
    EXPECT_EQ(stichwoerter(w_->mitForm("regis")), std::vector<std::string>{"rex Substantiv"});
    EXPECT_EQ(stichwoerter(w_->stichwort("romanus")),
              (std::vector<std::string>{"Romanus Substantiv", "Romanus Adjektiv"}));
    EXPECT_EQ(stichwoerter(w_->mitForm("romana")), std::vector<std::string>{"Romanus Adjektiv"});
    EXPECT_EQ(stichwoerter(w_->mitForm("monui")), std::vector<std::string>{"moneo Verb"});
    EXPECT_EQ(stichwoerter(w_->mitForm("in dies")), std::vector<std::string>{"in dies Wendung"});
    // felix lists "felix" three times: one entry.
    EXPECT_EQ(stichwoerter(w_->mitForm("felix")), std::vector<std::string>{"felix Adjektiv"});
    EXPECT_TRUE(w_->mitForm("rosis").empty());
    EXPECT_TRUE(w_->mitForm("").empty());
}

struct Wort {
    const char* name;
    Eingabe eingabe;
    std::string bedeutung; ///< "–": no entry
};

class ZuEingabe : public Testwoerterbuch, public ::testing::WithParamInterface<Wort> {};

TEST_P(ZuEingabe, Bedeutung) { EXPECT_EQ(bedeutung(GetParam().eingabe), GetParam().bedeutung); }

INSTANTIATE_TEST_SUITE_P(
    Woerter, ZuEingabe,
    ::testing::Values(
        Wort{"nomen", {"SUBST", {"rex", "regis"}}, "König; Herrscher"},
        Wort{"mitLaengen", {"SUBST", {"rēx", "rēgis"}}, "König; Herrscher"},
        // The dictionary's genitive is wrong; the pupil's right one still finds the meaning.
        Wort{"falscherGenitiv", {"SUBST", {"arma", "armorum"}}, "Waffen"},
        Wort{"plural", {"SUBST", {"castra", "castrorum"}}, "Lager"},
        Wort{"substantivNichtAdjektiv", {"SUBST", {"Romanus", "Romani"}}, "Römer"},
        Wort{"adjektivNichtSubstantiv", {"ADJEKTIV", {"romanus", "romana", "romanum"}}, "römisch"},
        Wort{"einEndigesMitGenitiv", {"ADJEKTIV", {"felix", "felicis", "felix"}}, "glücklich"},
        Wort{"falschesNeutrum", {"ADJEKTIV", {"fortis", "fortis", "forte"}}, "tapfer, stark"},
        // A-class verbs stand without perfect and participle.
        Wort{"aKonjugation", {"VERBUM", {"amo", "amare", "amavi", "amatus"}}, "lieben; gern haben"},
        Wort{"partizipZumSupinum",
             {"VERBUM", {"moneo", "monere", "monui", "monitus"}},
             "mahnen, ermahnen; erinnern"},
        Wort{"deponens", {"VERBUM", {"hortor", "hortari", "hortatus sum"}}, "ermahnen, auffordern"},
        Wort{"falscheWortart", {"ADJEKTIV", {"rex", "regis", "rex"}}, "–"},
        Wort{"unbekannt", {"SUBST", {"lupus", "lupi"}}, "–"},
        Wort{"nurEineForm", {"SUBST", {"rosa"}}, "Rose"},
        Wort{"keinBefehl", {"PR.IMP.F1. AKT.", {"rosa"}}, "–"}, Wort{"nichts", {"SUBST", {}}, "–"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Passung, ZaehltBestaetigteUndWidersprocheneFormen) {
    const Eintrag arma = lesen("arma /x/ (armae /x/ <gen>) <n, sg, f>\nWaffen\n");
    EXPECT_EQ(passung(arma, {"SUBST", {"arma", "armorum"}}), (Passung{0, 1}));
    EXPECT_EQ(passung(arma, {"SUBST", {"arma", "armae"}}), (Passung{1, 0}));
    const Eintrag moneo = lesen("moneo /x/ (monere /x/, monui /x/, monitum /x/) <sg, v>\nmahnen\n");
    EXPECT_EQ(passung(moneo, {"VERBUM", {"moneo", "monere", "monui", "monitus"}}), (Passung{3, 0}));
    EXPECT_EQ(passung(moneo, {"VERBUM", {"moneo", "monare", "monavi", "monatus"}}),
              (Passung{0, 3}));
    EXPECT_EQ(passung(moneo, {"SUBST", {"moneo", "monere"}}), std::nullopt);
    const Eintrag amo = lesen("amo /x/ (amare /x/) <sg, v>\nlieben\n");
    EXPECT_EQ(passung(amo, {"VERBUM", {"amo", "amare", "amavi", "amatus"}}), (Passung{1, 0}));
}

TEST_F(Testwoerterbuch, HerkunftAusDemInformationseintrag) {
    const Herkunft& h = w_->herkunft();
    EXPECT_EQ(h.titel, "Test-Wörterbuch Latein-Deutsch ver. 0.1");
    EXPECT_EQ(h.autoren, (std::vector<std::string>{"Gaius Iulius", "Marcus Tullius"}));
    EXPECT_EQ(h.urheber, "© 2020-2021 Gaius Iulius");
    EXPECT_EQ(h.lizenz, "Available under the terms of the GNU General Public License ver. 3 (or "
                        "at your option any later version).");
    EXPECT_EQ(h.adresse, "http://example.org/woerterbuch");
}

TEST_F(Testwoerterbuch, FehlendeOderBeschaedigteDateien) {
    EXPECT_EQ(Woerterbuch::oeffnen(ordner_ / "gibt-es-nicht"), nullptr);
    const auto kaputt = ordner_ / "kaputt";
    std::filesystem::copy_file(ordner_ / "lat-deu.index", kaputt.string() + ".index");
    {
        // The first bytes of a gzip file, then nothing: the text ends too early.
        std::ofstream dz(kaputt.string() + ".dict.dz", std::ios::binary);
        dz << "\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03\xcb";
    }
    EXPECT_EQ(Woerterbuch::oeffnen(kaputt), nullptr);
    // An index whose places lie beyond the text names no entry.
    const auto fern = ordner_ / "fern";
    std::filesystem::copy_file(ordner_ / "lat-deu.dict.dz", fern.string() + ".dict.dz");
    std::ofstream(fern.string() + ".index") << "rex\tBAAAA\tBA\n";
    EXPECT_EQ(Woerterbuch::oeffnen(fern), nullptr);
}

TEST_F(Testwoerterbuch, UeberNenntLizenzUndVerfasser) {
    const std::string mit = ueberText(w_);
    EXPECT_NE(mit.find("GPL-3.0-or-later"), std::string::npos);
    EXPECT_NE(mit.find("\nWörterbuch: Test-Wörterbuch Latein-Deutsch ver. 0.1\n"
                       "Verfasst von: Gaius Iulius, Marcus Tullius\n© 2020-2021 Gaius Iulius\n"),
              std::string::npos);
    const std::string ohne = ueberText(nullptr);
    EXPECT_NE(ohne.find("sudo apt install dict-freedict-lat-deu"), std::string::npos);
    EXPECT_EQ(ohne.find("Verfasst"), std::string::npos);
}

TEST(Woerterbuch, PfadAusDerUmgebung) {
    const char* vorher = std::getenv("LATIFLEX_WOERTERBUCH");
    const std::string gesetzt = vorher ? vorher : "";
    ::setenv("LATIFLEX_WOERTERBUCH", "/tmp/anderswo", 1);
    EXPECT_EQ(Woerterbuch::standardPfad(), "/tmp/anderswo");
    ::unsetenv("LATIFLEX_WOERTERBUCH");
    EXPECT_EQ(Woerterbuch::standardPfad(), "/usr/share/dictd/freedict-lat-deu");
    if (vorher) ::setenv("LATIFLEX_WOERTERBUCH", gesetzt.c_str(), 1);
}

} // namespace
} // namespace latiflex::woerterbuch
