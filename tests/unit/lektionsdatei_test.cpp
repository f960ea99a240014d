// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson file: each refusal with its line number, the name, hostile files, the round
// trip through the writer; the rules' refusals through the controller; the Anki cards.
#include "lauf.h"
#include "lessons/anki.h"
#include "lessons/lektionsdatei.h"
#include "shell/lektionen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace latiflex::lektionen {
namespace {

struct Zeile {
    const char* name;
    std::string datei;
    std::size_t zeile; ///< 0: the line is accepted
    std::string grund;
};

class Refusal : public ::testing::TestWithParam<Zeile> {};

// Each file holds a good word on line 2 and the case on line 3.
TEST_P(Refusal, ZeileUndGrund) {
    const Zeile& z = GetParam();
    const Lektionsdatei d = lesen("# L\nSUBST rosa, rosae\n" + z.datei + "\n", "l.txt");
    EXPECT_TRUE(d.fehler.empty());
    ASSERT_FALSE(d.woerter.empty());
    EXPECT_EQ(d.woerter[0].zeile, 2u);
    if (z.zeile == 0) {
        EXPECT_TRUE(d.abgelehnt.empty()) << d.abgelehnt[0].text();
        return;
    }
    ASSERT_EQ(d.abgelehnt.size(), 1u);
    EXPECT_EQ(d.abgelehnt[0].zeile, z.zeile);
    EXPECT_EQ(d.abgelehnt[0].grund, z.grund);
}

const std::string steuer = "Die Zeile enthält Steuerzeichen oder Zeichen, die die Schreibrichtung "
                           "ändern.";

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Refusal,
    ::testing::Values(
        Zeile{"kommentar", "# nur ein Kommentar", 0, ""}, Zeile{"leer", "   ", 0, ""},
        Zeile{"crlf", "VERBUM laudo, laudare, laudavi, laudatus\r", 0, ""},
        Zeile{"markup", "SUBST <b>rosa</b>, rosae", 0, ""},
        Zeile{"arabisch", "SUBST \xD9\x83\xD8\xAA\xD8\xA7\xD8\xA8, rosae", 0, ""},
        Zeile{"klein", "subst rosa, rosae", 0, ""}, Zeile{"wieImText", "Verbum amo, amare", 0, ""},
        Zeile{"fastEinBefehl", "SUBST. rosa, rosae", 3,
              "„SUBST.“ ist kein Befehl; eine Zeile beginnt mit SUBST, ADJEKTIV oder VERBUM."},
        Zeile{"knopf", "PR.IMP.F1. AKT.", 3,
              "„PR.IMP.F1.“ ist kein Befehl; eine Zeile beginnt mit SUBST, ADJEKTIV oder VERBUM."},
        Zeile{"ohneWort", "SUBST", 3, "Nach SUBST fehlt ein Wort."},
        Zeile{"leeresWort", "ADJEKTIV bonus, , bonum", 3, "Nach ADJEKTIV fehlt ein Wort."},
        Zeile{"leeresErstes", "SUBST , rosae", 3, "Nach SUBST fehlt ein Wort."},
        // A file with a character of UTF-8 in it is UTF-8 (else it is read as Latin-1).
        Zeile{"kaputt", "SUBST rosā\xC3, rosae", 3, "Die Zeile ist kein UTF-8-Text."},
        Zeile{"ueberlang", "SUBST ā\xE0\x80\xAF", 3, "Die Zeile ist kein UTF-8-Text."},
        Zeile{"nul", std::string("SUBST ro\0sa, rosae", 18), 3, steuer},
        Zeile{"rechtsNachLinks", "SUBST \xE2\x80\xAErosa, rosae", 3, steuer},
        Zeile{"isolat", "SUBST rosa\xE2\x81\xA6, rosae", 3, steuer},
        Zeile{"lang", "SUBST " + std::string(995, 'a'), 3,
              "Die Zeile ist zu lang (höchstens 1000 Zeichen)."}),
    [](const auto& info) { return std::string(info.param.name); });

struct Lehrbuchzeile {
    const char* name;
    std::string zeile;
    std::vector<std::string> antworten; ///< empty: the line is refused
    std::string text;                   ///< the note, or the reason it is refused
};

class Lehrbuch : public ::testing::TestWithParam<Lehrbuchzeile> {};

// Lines as textbooks' word lists print them, read as the prompts take them.
TEST_P(Lehrbuch, AlsEingabe) {
    const Lehrbuchzeile& z = GetParam();
    const Lektionsdatei d = lesen("# L\n" + z.zeile + "\n", "l.txt");
    if (z.antworten.empty()) {
        ASSERT_EQ(d.abgelehnt.size(), 1u);
        EXPECT_EQ(d.abgelehnt[0].grund, z.text);
        return;
    }
    ASSERT_EQ(d.woerter.size(), 1u) << d.abgelehnt[0].text();
    EXPECT_EQ(d.woerter[0].eingabe.antworten, z.antworten);
    EXPECT_EQ(d.woerter[0].anmerkung, z.text);
}

std::string supinum(const std::string& s, const std::string& p) {
    return "Supinum »" + s + "« als Partizip »" + p + "« übernommen.";
}

const std::string adjektivformen = "ein Adjektiv steht mit drei Formen (bonus, bona, bonum), mit "
                                   "zwei (fortis, forte) oder mit dem Genitiv (ingens, ingentis).";

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Lehrbuch,
    ::testing::Values(
        Lehrbuchzeile{"amicus", "SUBST amicus, -i", {"amicus", "amici"}, ""},
        Lehrbuchzeile{"rosa", "SUBST rosa, -ae", {"rosa", "rosae"}, ""},
        Lehrbuchzeile{"miles", "SUBST mīles, -itis m. = Soldat", {"mīles", "mīlitis"}, ""},
        Lehrbuchzeile{"corpus", "SUBST corpus, -oris", {"corpus", "corporis"}, ""},
        Lehrbuchzeile{"labor", "SUBST labor, -ōris", {"labor", "labōris"}, ""},
        Lehrbuchzeile{"homo", "SUBST homo, -inis", {"homo", "hominis"}, ""},
        Lehrbuchzeile{"nomen", "SUBST nōmen, -inis", {"nōmen", "nōminis"}, ""},
        Lehrbuchzeile{"legio", "SUBST legio, -onis", {"legio", "legionis"}, ""},
        Lehrbuchzeile{"virtus", "SUBST virtūs, -ūtis", {"virtūs", "virtūtis"}, ""},
        Lehrbuchzeile{"pater", "SUBST pater, -tris", {"pater", "patris"}, ""},
        Lehrbuchzeile{"ager", "SUBST ager, -gri", {"ager", "agri"}, ""},
        Lehrbuchzeile{"puer", "SUBST puer, -i", {"puer", "pueri"}, ""},
        Lehrbuchzeile{"consul", "SUBST consul, -is", {"consul", "consulis"}, ""},
        Lehrbuchzeile{"filius", "SUBST filius, -i", {"filius", "filii"}, ""},
        Lehrbuchzeile{"filia", "SUBST filia, -ae", {"filia", "filiae"}, ""},
        Lehrbuchzeile{"dies", "SUBST dies, -ei", {"dies", "diei"}, ""},
        Lehrbuchzeile{"res", "SUBST res, -ei", {"res", "rei"}, ""},
        Lehrbuchzeile{"manus", "SUBST manus, –ūs", {"manus", "manūs"}, ""},
        Lehrbuchzeile{"mare", "SUBST mare, -is", {"mare", "maris"}, ""},
        Lehrbuchzeile{"civis", "SUBST civis, -is", {"civis", "civis"}, ""},
        Lehrbuchzeile{"urbs", "SUBST urbs, -is", {"urbs", "urbis"}, ""},
        Lehrbuchzeile{"mons", "SUBST mons, -ntis", {"mons", "montis"}, ""},
        Lehrbuchzeile{"rex", "SUBST rex, regis", {"rex", "regis"}, ""},
        Lehrbuchzeile{"nox",
                      "SUBST nox, -ctis",
                      {},
                      "Die Abkürzung »-ctis« passt an keinen Buchstaben von »nox«; die Form "
                      "bitte ausschreiben."},
        Lehrbuchzeile{"laudo",
                      "VERBUM laudo, -are, -avi, -atum",
                      {"laudo", "laudare", "laudavi", "laudatus"},
                      supinum("laudatum", "laudatus")},
        Lehrbuchzeile{"moneo",
                      "VERBUM moneō, -ēre, -uī, -itum",
                      {"moneō", "monēre", "monuī", "monitus"},
                      supinum("monitum", "monitus")},
        Lehrbuchzeile{"audio",
                      "VERBUM audio, -ire, -ivi, -itum",
                      {"audio", "audire", "audivi", "auditus"},
                      supinum("auditum", "auditus")},
        Lehrbuchzeile{"capio",
                      "VERBUM capio, -ere, cepi, captum",
                      {"capio", "capere", "cepi", "captus"},
                      supinum("captum", "captus")},
        Lehrbuchzeile{"pugno",
                      "VERBUM pugno, pugnare, pugnavi, pugnatum",
                      {"pugno", "pugnare", "pugnavi", "pugnatus"},
                      supinum("pugnatum", "pugnatus")},
        Lehrbuchzeile{"pugnatum",
                      "VERBUM pugnō, pugnāre, pugnāvī, pugnātum",
                      {"pugnō", "pugnāre", "pugnāvī", "pugnātus"},
                      supinum("pugnātum", "pugnātus")},
        Lehrbuchzeile{"partizip",
                      "VERBUM laudo, laudare, laudavi, laudatus",
                      {"laudo", "laudare", "laudavi", "laudatus"},
                      ""},
        Lehrbuchzeile{
            "hortor", "VERBUM hortor, -ari, -atus sum", {"hortor", "hortari", "hortatus sum"}, ""},
        Lehrbuchzeile{
            "sequor", "VERBUM sequor, -i, secutus sum", {"sequor", "sequi", "secutus sum"}, ""},
        Lehrbuchzeile{"fortis", "ADJEKTIV fortis, forte", {"fortis", "fortis", "forte"}, ""},
        Lehrbuchzeile{"ingens", "ADJEKTIV ingens, ingentis", {"ingens", "ingentis", "ingens"}, ""},
        Lehrbuchzeile{"felix", "ADJEKTIV felix, -icis", {"felix", "felicis", "felix"}, ""},
        Lehrbuchzeile{"bonus", "ADJEKTIV bonus, -a, -um", {"bonus", "bona", "bonum"}, ""},
        Lehrbuchzeile{"bona", "ADJEKTIV bonus, bona", {"bonus", "bona", "bonum"}, ""},
        Lehrbuchzeile{"liber", "ADJEKTIV liber, -era, -erum", {"liber", "libera", "liberum"}, ""},
        Lehrbuchzeile{"miser", "ADJEKTIV miser, -a, -um", {"miser", "misera", "miserum"}, ""},
        Lehrbuchzeile{
            "pulcher", "ADJEKTIV pulcher, -chra, -chrum", {"pulcher", "pulchra", "pulchrum"}, ""},
        Lehrbuchzeile{"acer", "ADJEKTIV ācer, -cris, -cre", {"ācer", "ācris", "ācre"}, ""},
        Lehrbuchzeile{"ohneNeutrum",
                      "ADJEKTIV acer, acris",
                      {},
                      "Nach »acer, acris« fehlt das Neutrum: ein Adjektiv auf -er steht mit drei "
                      "Formen (acer, acris, acre; pauper, pauperis, pauper)."},
        Lehrbuchzeile{
            "eineForm", "ADJEKTIV felix", {}, "Nach »felix« fehlen Formen: " + adjektivformen},
        Lehrbuchzeile{"akkusativ",
                      "ADJEKTIV fortis, fortem",
                      {},
                      "Nach »fortis, fortem« fehlt eine Form: " + adjektivformen}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lektionsdatei, Name) {
    EXPECT_EQ(lesen("SUBST rosa, rosae\n", "woche3.txt").name, "woche3");
    EXPECT_EQ(lesen("SUBST rosa, rosae\n# Lektion 12\n# Lektion 13", "w.txt").name, "Lektion 12");
    EXPECT_EQ(lesen("\xEF\xBB\xBF#  Lektion 12 \nSUBST rosa, rosae", "x.txt").name, "Lektion 12");
    EXPECT_EQ(lesen("#\xE2\x80\xAE Lek\ttion\nSUBST rosa, rosae", "x.txt").name, "Lek tion");
    // Latin-1, as older editors save it: the name and the meaning whole.
    const Lektionsdatei latein1 =
        lesen("# Lektion f\xFCr Sch\xFCler\nSUBST rex, regis m. = K\xF6nig\n", "x.txt");
    EXPECT_EQ(latein1.name, "Lektion für Schüler");
    ASSERT_EQ(latein1.woerter.size(), 1u);
    EXPECT_EQ(latein1.woerter[0].bedeutung, "König");
    EXPECT_EQ(lesen("# Lektion f\xFCr Sch\xFCler\nSUBST rosa, ros\xE6\n", "x").name,
              "Lektion für Schüler");
    EXPECT_EQ(lesen("# " + std::string(500, 'x') + "\nSUBST rosa, rosae", "x").name,
              std::string(hoechstName, 'x'));
    // Cut at a blank, the name keeps no blank at its end (it would not read back the same).
    EXPECT_EQ(lesen("# " + std::string(hoechstName - 1, 'x') + " y\nSUBST rosa, rosae", "x").name,
              std::string(hoechstName - 1, 'x'));
}

TEST(Lektionsdatei, Antworten) {
    const Lektionsdatei d =
        lesen("VERBUM hortor, hortari, hortatus sum\nADJEKTIV acer,acris, acre", "x");
    ASSERT_EQ(d.woerter.size(), 2u);
    EXPECT_EQ(d.woerter[0].eingabe, (Eingabe{"VERBUM", {"hortor", "hortari", "hortatus sum"}}));
    EXPECT_EQ(d.woerter[1].eingabe, (Eingabe{"ADJEKTIV", {"acer,acris", "acre"}}));
}

// Gender and meaning as a textbook's word list prints them; the forms stay what they were.
TEST(Lektionsdatei, GenusUndBedeutung) {
    const Lektionsdatei d = lesen("# Lektion 13\n"
                                  "SUBST rex, regis m. = König\n"
                                  "ADJEKTIV fortis, fortis, forte = tapfer; stark\n"
                                  "VERBUM amo, amare, amavi, amatus =  lieben; gern haben \n"
                                  "SUBST civis, civis m./f. = Bürger, Bürgerin\n"
                                  "SUBST res, rei f.\n"
                                  "SUBST rosa, rosae =\n"
                                  "SUBST x = y = z\n"
                                  "ADJEKTIV bonus, bona, bonum n.\n"
                                  "SUBST mons, montis\tm. = Berg\n",
                                  "x");
    ASSERT_EQ(d.woerter.size(), 9u);
    const std::vector<Dateizeile> erwartet{
        {2, {"SUBST", {"rex", "regis"}}, "m.", "König", ""},
        {3, {"ADJEKTIV", {"fortis", "fortis", "forte"}}, "", "tapfer; stark", ""},
        {4, {"VERBUM", {"amo", "amare", "amavi", "amatus"}}, "", "lieben; gern haben", ""},
        {5, {"SUBST", {"civis", "civis"}}, "m./f.", "Bürger, Bürgerin", ""},
        {6, {"SUBST", {"res", "rei"}}, "f.", "", ""},
        {7, {"SUBST", {"rosa", "rosae"}}, "", "", ""},
        {8, {"SUBST", {"x"}}, "", "y = z", ""},
        // Only a noun has a gender: the adjective's neuter is what was typed.
        {9, {"ADJEKTIV", {"bonus", "bona", "bonum n."}}, "", "", ""},
        {10, {"SUBST", {"mons", "montis"}}, "m.", "Berg", ""},
    };
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_EQ(d.woerter[i], erwartet[i]) << i;
}

TEST(Lektionsdatei, BedeutungenSchreibenUndLesen) {
    const std::vector<Vokabel> woerter{{{"SUBST", {"rex", "regis"}}, "m.", "König"},
                                       {{"VERBUM", {"amo", "amare"}}, "", "lieben;\ngern haben"},
                                       {{"ADJEKTIV", {"bonus", "bona", "bonum"}}, "", ""}};
    const std::string text = schreiben("Lektion 13", woerter);
    EXPECT_EQ(text, "# Lektion 13\nSUBST rex, regis m. = König\n"
                    "VERBUM amo, amare = lieben; gern haben\nADJEKTIV bonus, bona, bonum\n");
    const Lektionsdatei d = lesen(text, "x");
    ASSERT_EQ(d.woerter.size(), 3u);
    EXPECT_EQ(d.woerter[0].genus, "m.");
    EXPECT_EQ(d.woerter[1].bedeutung, "lieben; gern haben");
    EXPECT_EQ(d.woerter[2].eingabe, woerter[2].eingabe);
}

// Whole files refused at once, or read within a fraction of a second.
TEST(Lektionsdatei, FeindlicheDateien) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(lesen(std::string(100 * 1024 * 1024, 'a'), "x").fehler, "");
    EXPECT_EQ(lesen(std::string(1'000'000, '\n'), "x").fehler, "Die Datei enthält kein Wort.");
    std::string viele;
    for (int i = 0; i < 2001; ++i)
        viele += "SUBST rosa, rosae\n";
    const Lektionsdatei d = lesen(viele, "x");
    EXPECT_EQ(d.fehler, "Die Datei hat mehr als 2000 Wörter; eine Lektion hat weniger.");
    EXPECT_TRUE(d.woerter.empty());
    // The limit counts words, not the lines refused beside them.
    std::string fast;
    for (int i = 0; i < 1990; ++i)
        fast += "SUBST rosa, rosae\n";
    for (int i = 0; i < 20; ++i)
        fast += "rosa, rosae\n";
    const Lektionsdatei f = lesen(fast, "x");
    EXPECT_EQ(f.fehler, "");
    EXPECT_EQ(f.woerter.size(), 1990u);
    EXPECT_EQ(f.abgelehnt.size(), 20u);
    std::string zeilen;
    for (int i = 0; i < 3000; ++i)
        zeilen += "Wort " + std::to_string(i) + "\n";
    EXPECT_EQ(lesen(zeilen, "x").fehler,
              "Die Datei ist keine Lektionsdatei: mehr als 2000 Zeilen sind keine Wörter.");
    // Random bytes are no text, whatever their size up to the largest file.
    std::string zufall(hoechstBytes, '\0');
    std::uint32_t z = 12345;
    for (char& c : zufall) {
        z = z * 1664525u + 1013904223u;
        c = static_cast<char>(z >> 24);
    }
    EXPECT_EQ(lesen(zufall, "x").fehler, "Die Datei ist keine Lektionsdatei: sie ist kein Text.");
    std::string binaer(3'000'000, '\0');
    for (std::size_t i = 0; i < binaer.size(); ++i)
        binaer[i] = static_cast<char>((i * 7919) % 251);
    EXPECT_NO_THROW(lesen(binaer, "x"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(Lektionsdatei, SchreibenUndLesen) {
    const std::vector<Eingabe> woerter{{"SUBST", {"rosa", "rosae"}},
                                       {"ADJEKTIV", {"bonus", "bona", "bonum"}},
                                       {"VERBUM", {"laudo", "laudare", "laudavi", "laudatus"}}};
    const std::string text = schreiben("Lektion 12", woerter);
    EXPECT_EQ(text, "# Lektion 12\nSUBST rosa, rosae\nADJEKTIV bonus, bona, bonum\n"
                    "VERBUM laudo, laudare, laudavi, laudatus\n");
    const Lektionsdatei d = lesen(text, "x");
    EXPECT_EQ(d.name, "Lektion 12");
    ASSERT_EQ(d.woerter.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(d.woerter[i].eingabe, woerter[i]);
    for (const Eingabe& e : {Eingabe{"SUBST", {"a, b", "c"}}, Eingabe{"SUBST", {"a\nb", "c"}},
                             Eingabe{"SUBST", {"rosa", ""}}, Eingabe{"SUBST", {"rosa", "rosae "}},
                             Eingabe{"SUBST", {}}})
        EXPECT_FALSE(darstellbar(e)) << zeile(e);
}

TEST(Anki, KartenMitFarbenUndMaskiert) {
    const std::string t =
        ankiText({{"rosa, rosae: Genitiv Plural", "ros", "arum"}, {"<b>&\"\tx\n", "<i>", ""}},
                 "#000000", "#FF0000");
    EXPECT_EQ(t, "#separator:tab\n#html:true\n"
                 "rosa, rosae: Genitiv Plural\t<span style=\"color:#000000\">ros</span>"
                 "<span style=\"color:#FF0000\">arum</span>\n"
                 "&lt;b&gt;&amp;&quot; x \t<span style=\"color:#000000\">&lt;i&gt;</span>\n");
}

} // namespace
} // namespace latiflex::lektionen

namespace latiflex::testing {
namespace {

// The typed words of an import, without their genders and meanings.
std::vector<Eingabe> eingaben(const std::vector<lektionen::Vokabel>& woerter) {
    std::vector<Eingabe> aus;
    for (const lektionen::Vokabel& v : woerter)
        aus.push_back(v.eingabe);
    return aus;
}

// A line the rules refuse carries the program's own message box and its line number.
TEST(Lektionen, DieRegelnPruefenJedeZeile) {
    Lauf lauf;
    Lektionen lektionen(lauf.form, "/nonexistent/never-written.sqlite");
    lauf.log.str("");
    const auto import = lektionen.pruefenText("# Woche 3\n"
                                              "SUBST rosa, rosae\n"
                                              "SUBST 12, 13\n"
                                              "SUBST bos, bovis\n"
                                              "VERBUM laudo, laudare, laudavi, 123\n"
                                              "VERBUM hortor, hortari, hortatus sum\n"
                                              "ADJEKTIV acer, acris, acre\n",
                                              "w.txt");
    EXPECT_EQ(import.name, "Woche 3");
    EXPECT_EQ(import.woerter.size(), 3u);
    ASSERT_EQ(import.abgelehnt.size(), 3u);
    EXPECT_EQ(import.abgelehnt[0].text(), "Zeile 3: Keine Zahlen, Du...");
    EXPECT_EQ(import.abgelehnt[1].zeile, 4u);
    EXPECT_EQ(import.abgelehnt[2].zeile, 5u);
    EXPECT_EQ(lauf.log.str(), "") << "checking shows nothing in the pane or a box";
}

// Words as a textbook prints them: vowel marks read as the plain vowels, blanks around a form
// dropped, the command in any case; the cleaned word is the one kept. What the rules still
// refuse keeps their own message.
TEST(Lektionen, WieDasLehrbuchSchreibt) {
    Lauf lauf;
    Lektionen lektionen(lauf.form, "/nonexistent/never-written.sqlite");
    const auto import = lektionen.pruefenText("SUBST rēx, rēgis\n"
                                              "SUBST  servus ,  servi \n"
                                              "subst rosa, rosae\n"
                                              "Adjektiv ācer, ācris, ācre\n"
                                              "VERBUM hortor, hortārī, hortātus  sum\n"
                                              "SUBST poēma, poēmatis\n",
                                              "lehrbuch.txt");
    // The lesson keeps the teacher's spelling, stray blanks dropped; the rules read it plain.
    const std::vector<Eingabe> erwartet{{"SUBST", {"rēx", "rēgis"}},
                                        {"SUBST", {"servus", "servi"}},
                                        {"SUBST", {"rosa", "rosae"}},
                                        {"ADJEKTIV", {"ācer", "ācris", "ācre"}},
                                        {"VERBUM", {"hortor", "hortārī", "hortātus sum"}}};
    EXPECT_EQ(eingaben(import.woerter), erwartet);
    ASSERT_FALSE(import.woerter.empty());
    EXPECT_EQ(Lektionen::zumBilden(import.woerter[0].eingabe),
              (Eingabe{"SUBST", {"rex", "regis"}}));
    ASSERT_EQ(import.abgelehnt.size(), 1u);
    EXPECT_EQ(import.abgelehnt[0].text(),
              "Zeile 6: »poematis«: als Gen. Sg. steht hier »poemae« – andere Klasse oder "
              "vertippt?");
}

// The core vocabulary of the tests' dictionary: its nouns, adjectives and verbs in the order
// of the reference lexicon's corpus counts (bonus 2865, Romanus 2400, rex 2196, arma 1773,
// castra 1399, civis 1285, fortis 884, amo 809, felix 411, moneo 331, hortor 226, rosa 63,
// Afer 28; *optimus* has no count of its own), each as a textbook lists it. Where the
// dictionary errs (the neuter *forti*, *amo* without perfect) the textbook's forms stand; a
// pronoun, a conjunction, a numeral, a preposition, an adverb, a phrase and a noun used in
// the plural only (*arma*, *castra*: the page of SUBST reads its second form as a genitive
// singular) join no lesson. Two words of one headword keep the dictionary's order (the noun
// *Romanus* first).
TEST(Lektionen, GrundwortschatzNachHaeufigkeit) {
    Lauf lauf;
    Lektionen lektionen(lauf.form, "/nonexistent/never-written.sqlite");
    EXPECT_EQ(lektionen.grundwortschatzLektionen(), std::vector<std::string>{"Grundwortschatz 1"});
    const auto lektion = lektionen.grundwortschatz("Grundwortschatz 1");
    ASSERT_TRUE(lektion);
    EXPECT_EQ(lektion->name, "Grundwortschatz 1");
    const std::vector<Eingabe> erwartet{
        {"ADJEKTIV", {"bonus", "bona", "bonum"}},
        {"SUBST", {"Romanus", "Romani"}},
        {"ADJEKTIV", {"Romanus", "Romana", "Romanum"}},
        {"SUBST", {"rex", "regis"}},
        {"SUBST", {"civis", "civis"}},
        {"ADJEKTIV", {"fortis", "fortis", "forte"}},
        {"VERBUM", {"amo", "amare", "amavi", "amatus"}},
        {"ADJEKTIV", {"felix", "felicis", "felix"}},
        {"VERBUM", {"moneo", "monere", "monui", "monitus"}},
        {"VERBUM", {"hortor", "hortari", "hortatus sum"}},
        {"SUBST", {"rosa", "rosae"}},
        {"SUBST", {"Afer", "Afri"}},
    };
    std::vector<std::string> zeilen, erwarteteZeilen;
    for (const auto& w : lektion->woerter)
        zeilen.push_back(lektionen::zeile(w.eingabe));
    for (const auto& w : erwartet)
        erwarteteZeilen.push_back(lektionen::zeile(w));
    EXPECT_EQ(zeilen, erwarteteZeilen);
    EXPECT_TRUE(lektion->abgelehnt.empty());
    for (const char* name : {"Grundwortschatz 2", "Grundwortschatz 01", "Grundwortschatz", "",
                             "Grundwortschatz -1", "Lektion 1"})
        EXPECT_FALSE(lektionen.grundwortschatz(name)) << name;
}

} // namespace
} // namespace latiflex::testing

namespace latiflex::testing {
namespace {

struct Speicher {
    std::filesystem::path ordner = std::filesystem::temp_directory_path() /
                                   ("latiflex-lektionen-" + std::to_string(::getpid()));
    Speicher() { std::filesystem::remove_all(ordner); }
    ~Speicher() { std::filesystem::remove_all(ordner); }
    std::filesystem::path datei() const { return ordner / "lektionen.sqlite"; }
};

// A page whose typed forms do not fit joins only on purpose; a stored word opens as typed.
TEST(Lektionen, AbsichtlichHinzufuegenUndOeffnen) {
    Speicher s;
    Lauf lauf;
    Lektionen lektionen(lauf.form, s.datei());
    ASSERT_TRUE(lauf.form.eingeben({"SUBST", {"poema", "poematis"}}));
    EXPECT_TRUE(lektionen.lektionen().empty());
    EXPECT_FALSE(std::filesystem::exists(s.datei())) << "nothing written before a word joins";
    const auto poema = lektionen.aufSichtHinzufuegen();
    ASSERT_TRUE(poema);
    EXPECT_EQ(lektionen.aktuellerName(), "Meine Wörter");

    Lauf getippt;
    getippt.dialoge.push(Answer{"poema"});
    getippt.dialoge.push(Answer{"poematis"});
    getippt.log.str("");
    ASSERT_TRUE(getippt.form.click("Befehl1"));
    lauf.log.str("");
    ASSERT_TRUE(lektionen.oeffnen(*poema));
    std::string ohnePrompts;
    std::istringstream zeilen(getippt.log.str());
    for (std::string z; std::getline(zeilen, z);)
        if (!z.starts_with("prompt ")) ohnePrompts += z + '\n';
    EXPECT_EQ(lauf.log.str(), ohnePrompts);
    EXPECT_EQ(lektionen.woerter(*lektionen.aktuelle()).size(), 1u) << "opening adds nothing";
}

// The cards show a form as the pupil types it: one blank between the words of a form, not the
// blanks that set the pane's columns apart.
TEST(Lektionen, AnkiKartenMitEinemBlank) {
    Speicher s;
    Lauf lauf;
    Lektionen lektionen(lauf.form, s.datei());
    ASSERT_TRUE(lektionen.hinzufuegen({"VERBUM", {"laudo", "laudare", "laudavi", "laudatus"}}));
    const std::string karten = lektionen.ankiText(*lektionen.aktuelle());
    std::string ohneHtml;
    bool inTag = false;
    for (const char c : karten) {
        if (c == '<') inTag = true;
        if (!inTag) ohneHtml += c;
        if (c == '>') inTag = false;
    }
    EXPECT_NE(ohneHtml.find("\tlaudati sumus\n"), std::string::npos);
    EXPECT_NE(ohneHtml.find("\tlaudatus sum\n"), std::string::npos);
    EXPECT_NE(ohneHtml.find("\tlaudati eramus\n"), std::string::npos);
    EXPECT_EQ(ohneHtml.find("  "), std::string::npos) << "two blanks in a row";
}

// Two cards of meanings for each word the tests' dictionary knows, none for one it lacks.
TEST(Lektionen, AnkiKartenDerBedeutungen) {
    Speicher s;
    Lauf lauf;
    Lektionen lektionen(lauf.form, s.datei());
    ASSERT_TRUE(lektionen.hinzufuegen({"SUBST", {"rex", "regis"}}));
    ASSERT_TRUE(lektionen.hinzufuegen({"VERBUM", {"amo", "amare", "amavi", "amatus"}}));
    ASSERT_TRUE(lektionen.hinzufuegen({"SUBST", {"lupus", "lupi"}}));
    const std::string karten = lektionen.ankiText(*lektionen.aktuelle());
    EXPECT_NE(karten.find("\nrex, regis m.\tKönig; Herrscher\nKönig; Herrscher\trex, regis m.\n"
                          "amo, amare, amavi, amatus\tlieben; gern haben\n"
                          "lieben; gern haben\tamo, amare, amavi, amatus\n"),
              std::string::npos)
        << karten;
    EXPECT_EQ(karten.find("lupus, lupi\t"), std::string::npos);
}

// The lesson file carries each word's gender and meaning as the window lists them, and reads
// back as the same words.
TEST(Lektionen, ExportSchreibtGenusUndBedeutung) {
    Speicher s;
    Lauf lauf;
    Lektionen lektionen(lauf.form, s.datei());
    ASSERT_TRUE(lektionen.hinzufuegen({"SUBST", {"rex", "regis"}}));
    ASSERT_TRUE(lektionen.hinzufuegen({"ADJEKTIV", {"fortis", "fortis", "forte"}}));
    ASSERT_TRUE(lektionen.hinzufuegen({"SUBST", {"lupus", "lupi"}}));
    const auto pfad = s.datei().parent_path() / "export.txt";
    ASSERT_EQ(lektionen.exportieren(*lektionen.aktuelle(), pfad), 3);
    std::ifstream in(pfad);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(text, "# Meine Wörter\nSUBST rex, regis m. = König; Herrscher\n"
                    "ADJEKTIV fortis, fortis, forte = tapfer, stark\nSUBST lupus, lupi\n");
    const auto wieder = lektionen.pruefenText(text, "export.txt");
    EXPECT_EQ(wieder.woerter,
              (std::vector<lektionen::Vokabel>{
                  {{"SUBST", {"rex", "regis"}}, "m.", "König; Herrscher"},
                  {{"ADJEKTIV", {"fortis", "fortis", "forte"}}, "", "tapfer, stark"},
                  {{"SUBST", {"lupus", "lupi"}}, "", ""}}));
    EXPECT_TRUE(wieder.abgelehnt.empty());
}

// A lesson keeps the teacher's spelling: export writes it back and it reads back the same;
// the rules form the word from the plain letters. A folder is no file to read.
TEST(Lektionen, ExportBehaeltDieSchreibweise) {
    Speicher s;
    Lauf lauf;
    Lektionen lektionen(lauf.form, s.datei());
    const auto import = lektionen.pruefenText("# Lektion 5\n"
                                              "SUBST mīles, mīlitis m. = Soldat\n"
                                              "SUBST amīcus, -ī\n"
                                              "VERBUM pugnō, pugnāre, pugnāvī, pugnātum\n"
                                              "ADJEKTIV fortis, forte\n",
                                              "l5.txt");
    EXPECT_TRUE(import.abgelehnt.empty());
    const auto id = lektionen.importieren(import);
    ASSERT_TRUE(id);
    const auto woerter = lektionen.woerter(*id);
    ASSERT_EQ(woerter.size(), 4u);
    EXPECT_EQ(woerter[0].eingabe, (Eingabe{"SUBST", {"mīles", "mīlitis"}}));
    EXPECT_EQ(woerter[1].eingabe, (Eingabe{"SUBST", {"amīcus", "amīcī"}}));
    for (const auto& w : woerter)
        EXPECT_FALSE(lektionen.seiten(w.eingabe).empty()) << Lektionen::woerterText(w.eingabe);
    const auto pfad = s.datei().parent_path() / "export.txt";
    ASSERT_EQ(lektionen.exportieren(*id, pfad), 4);
    std::ifstream in(pfad);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("\nSUBST mīles, mīlitis"), std::string::npos) << text;
    EXPECT_NE(text.find("\nVERBUM pugnō, pugnāre, pugnāvī, pugnātus"), std::string::npos) << text;
    EXPECT_EQ(eingaben(lektionen.pruefenText(text, "export.txt").woerter),
              eingaben(import.woerter));
    EXPECT_EQ(lektionen.pruefen(s.datei().parent_path()).fehler,
              "Die Datei „" + s.datei().parent_path().filename().string() +
                  "“ lässt sich nicht lesen: sie ist ein Ordner.");
}

// A meaning and gender the lesson file gives are kept and stand before the dictionary's; the
// pupil's own meaning replaces either, and an empty one brings the dictionary's back. Export
// writes what the window shows.
TEST(Lektionen, EigeneBedeutungVorDemWoerterbuch) {
    Speicher s;
    Lauf lauf;
    Lektionen lektionen(lauf.form, s.datei());
    const auto import = lektionen.pruefenText("# Lektion 13\n"
                                              "SUBST rex, regis m. = Herrscher\n"
                                              "SUBST civis, civis f. = Bürgerin\n"
                                              "VERBUM amo, amare, amavi, amatus\n",
                                              "l13.txt");
    const auto l = lektionen.importieren(import);
    ASSERT_TRUE(l);
    auto woerter = lektionen.woerter(*l);
    ASSERT_EQ(woerter.size(), 3u);
    EXPECT_EQ(woerter[0].bedeutung, "Herrscher");
    EXPECT_EQ(woerter[1].genus, "f.");
    EXPECT_EQ(woerter[2].bedeutung, std::nullopt);
    const auto gezeigt = [&](std::size_t i) {
        const auto w = lektionen.woerter(*l)[i];
        const lektionen::Vokabel v = lektionen.vokabel(w);
        return v.genus + "|" + v.bedeutung + (Lektionen::ausWoerterbuch(w, v) ? "|W" : "");
    };
    EXPECT_EQ(gezeigt(0), "m.|Herrscher");
    EXPECT_EQ(gezeigt(1), "f.|Bürgerin");
    EXPECT_EQ(gezeigt(2), "|lieben; gern haben|W");

    ASSERT_TRUE(lektionen.setBedeutung(woerter[2].id, "  lieben  "));
    EXPECT_EQ(gezeigt(2), "|lieben");
    // Too long to stand on a lesson file's line with the word: refused, nothing changed.
    EXPECT_FALSE(lektionen.setBedeutung(woerter[2].id, std::string(2000, 'x')));
    EXPECT_TRUE(lektionen.meldung());
    EXPECT_EQ(gezeigt(2), "|lieben");
    ASSERT_TRUE(lektionen.setBedeutung(woerter[0].id, ""));
    EXPECT_EQ(gezeigt(0), "m.|König; Herrscher|W");

    const auto pfad = s.datei().parent_path() / "l13.txt";
    ASSERT_EQ(lektionen.exportieren(*l, pfad), 3);
    std::ifstream in(pfad);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
              "# Lektion 13\nSUBST rex, regis m. = König; Herrscher\n"
              "SUBST civis, civis f. = Bürgerin\nVERBUM amo, amare, amavi, amatus = lieben\n");
}

// A word a lesson keeps with vowel marks is the word typed plainly: typing it does not add
// it to the current lesson a second time.
TEST(Lektionen, GetipptOhneZeichenIstDasWortDerLektion) {
    Speicher s;
    Lauf lauf;
    Lektionen lektionen(lauf.form, s.datei());
    ASSERT_TRUE(lektionen.importieren(lektionen.pruefenText("# L\nSUBST rēx, rēgis\n", "l")));
    ASSERT_TRUE(lauf.form.eingeben({"SUBST", {"rex", "regis"}}));
    int woerter = 0;
    for (const auto& l : lektionen.lektionen())
        woerter += l.woerter;
    EXPECT_EQ(woerter, 1);
}

// The narrowing kept per lesson leaves its cells out of the drill and of the count due.
TEST(Lektionen, EingrenzungJeLektion) {
    Speicher s;
    Lauf lauf;
    Lektionen lektionen(lauf.form, s.datei());
    lektionen.setHeute(*lektionen::datumAus("2026-03-02"));
    const auto rosa = lektionen.hinzufuegen({"SUBST", {"rosa", "rosae"}});
    ASSERT_TRUE(rosa);
    const auto l = *lektionen.aktuelle();
    EXPECT_EQ(lektionen.faellig(), 12);
    drill::Eingrenzung plural;
    plural.numeri = {grammar::Numerus::plural};
    ASSERT_TRUE(lektionen.setEingrenzung(l, plural));
    EXPECT_EQ(lektionen.eingrenzung(l), plural);
    // Six plural cells, and rosa's two meaning cards, which a narrowing of cells leaves in.
    EXPECT_EQ(lektionen.faellig(), 8);
    auto u = lektionen.uebung(Lektionen::Umfang::faellig, std::nullopt, 1);
    for (int i = 0; i < 6; ++i) {
        const drill::Frage* f = u->naechsteFrage();
        ASSERT_TRUE(f);
        EXPECT_EQ(f->zelle().numerus, grammar::Numerus::plural);
        ASSERT_TRUE(u->antworte(f->wortform().ganz())->richtig);
    }
    EXPECT_FALSE(u->naechsteFrage()) << "every due cell answered right";
    EXPECT_EQ(lektionen.faellig(), 2);
    u->setAuswahl(drill::Auswahl::bedeutung);
    const drill::Frage* karte = u->naechsteFrage();
    ASSERT_TRUE(karte);
    EXPECT_EQ(karte->text(), "Was heißt rosa, rosae?");
    EXPECT_TRUE(u->antworte("Rose")->richtig);
    EXPECT_EQ(lektionen.faellig(), 1);
    EXPECT_EQ(lektionen.uebungstage(l).at(0).richtig, 7);
    EXPECT_EQ(lektionen.uebung(Lektionen::Umfang::lektion, l, 1)->eingrenzung(), plural);
}

} // namespace
} // namespace latiflex::testing
