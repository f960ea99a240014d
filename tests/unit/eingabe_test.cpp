// SPDX-License-Identifier: GPL-3.0-or-later
// Entering a word from its stored answers must leave the pane and the page record exactly as
// typing the same answers at the prompts does, and must never open a prompt itself.
#include "engine/wort.h"
#include "grammar/eingabe.h"
#include "lauf.h"

#include <gtest/gtest.h>

namespace latiflex::testing {
namespace {

// The log without the prompt lines: what the pane showed and which boxes appeared.
std::string ohnePrompts(const std::string& log) {
    std::istringstream zeilen(log);
    std::string zeile, rest;
    while (std::getline(zeilen, zeile))
        if (!zeile.starts_with("prompt ")) rest += zeile + '\n';
    return rest;
}

struct Wort {
    const char* name;
    const char* control;
    Eingabe eingabe;
};

class Eingeben : public ::testing::TestWithParam<Wort> {};

TEST_P(Eingeben, GleichtDemTippen) {
    const Wort& w = GetParam();
    Lauf getippt;
    for (const std::string& a : w.eingabe.antworten)
        getippt.dialoge.push(Answer{a});
    getippt.log.str("");
    ASSERT_TRUE(getippt.form.click(w.control));

    Lauf eingegeben;
    eingegeben.log.str("");
    ASSERT_TRUE(eingegeben.form.eingeben(w.eingabe));

    EXPECT_EQ(eingegeben.log.str().find("prompt "), std::string::npos);
    EXPECT_EQ(ohnePrompts(eingegeben.log.str()), ohnePrompts(getippt.log.str()));
    const auto* a = getippt.form.seiten().zuletzt();
    const auto* b = eingegeben.form.seiten().zuletzt();
    ASSERT_EQ(a == nullptr, b == nullptr);
    if (a) {
        EXPECT_EQ(*a, *b);
        // The page record names the word that formed the page, typed or entered.
        ASSERT_NE(getippt.form.seiten().eingabe(), nullptr);
        EXPECT_EQ(*getippt.form.seiten().eingabe(), w.eingabe);
        EXPECT_EQ(*eingegeben.form.seiten().eingabe(), w.eingabe);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Woerter, Eingeben,
    ::testing::Values(
        Wort{"rosa", "Befehl1", {"SUBST", {"rosa", "rosae"}}},
        Wort{"acer", "Befehl4", {"ADJEKTIV", {"acer", "acris", "acre"}}},
        Wort{"laudo", "verbum", {"VERBUM", {"laudo", "laudare", "laudavi", "laudatus"}}},
        Wort{"hortor", "verbum", {"VERBUM", {"hortor", "hortari", "hortatus sum"}}},
        Wort{"zahl", "Befehl1", {"SUBST", {"12"}}}, Wort{"kurz", "Befehl1", {"SUBST", {"rosa"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Eingeben, AndereBefehleNicht) {
    Lauf lauf;
    EXPECT_FALSE(lauf.form.eingeben({"ENDE", {}}));
    EXPECT_FALSE(lauf.form.eingeben({"subst", {"rosa", "rosae"}}));
}

// What the engine forms of a word, page by page: the cells with a form, or the message box of
// the command that refuses it (a verb's heading first, then its four tense pages in the
// order of their buttons). Counts: a noun page has 12 cells, an adjective page 36, a tense
// page five tenses of six persons.
struct Erwartet {
    const char* name;
    Eingabe eingabe;
    std::vector<std::string> seiten; // "12" cells, or "TITLE: text" of the refusal
};

std::string gelesen(const Ergebnis<engine::Seite>& s) {
    if (!s) return s.ablehnung().titel + ": " + s.ablehnung().text;
    int n = 0;
    for (const auto& b : (*s)->bloecke)
        for (const auto& f : b.formen)
            n += !f.wortform.leer();
    return std::to_string(n);
}

TEST(Engine, SeitenOderAblehnung) {
    const std::string keineFormen = "EINGABEFEHLER: Keine Formen vorhanden";
    const std::vector<Erwartet> woerter{
        {"rosa", {"SUBST", {"rosa", "rosae"}}, {"12"}},
        {"bonus", {"ADJEKTIV", {"bonus", "bona", "bonum"}}, {"36"}},
        {"amo", {"VERBUM", {"amo", "amare", "amavi", "amatus"}}, {"0", "30", "30", "30", "30"}},
        {"hortor",
         {"VERBUM", {"hortor", "hortari", "hortatus sum", "übrig"}},
         {"0", "DEPONENS: Kein Eintrag", "30", "DEPONENS: Kein Eintrag", "30"}},
        {"sum",
         {"VERBUM", {"sum", "esse", "fui"}},
         {"0", "30", "LEER: Nicht vorhanden", "30", "LEER: Nicht vorhanden"}},
        {"volo",
         {"VERBUM", {"volo", "velle", "volui"}},
         {"0", "30", keineFormen, "30", keineFormen}},
        {"ohne Partizip",
         {"VERBUM", {"amo", "amare", "amavi"}},
         {"0", "30", "30", "30", "EINGABEFEHLER ?: Keine Formen vorhanden"}},
        {"bos", {"SUBST", {"bos", "bovis"}}, {"FEHLT: Unregelmäßig: nicht vorhanden"}},
        {"leer", {"SUBST", {"rosa"}}, {keineFormen}},
        {"Zahl",
         {"VERBUM", {"amo", "1e3", "amavi", "amatus"}},
         {"EINGABEFEHLER: Keine Zahlen, Du..."}},
        {"Zahl nach sum",
         {"VERBUM", {"sum", "esse", "fui", "3"}},
         {"0", "30", "LEER: Nicht vorhanden", "30", "LEER: Nicht vorhanden"}},
        {"kein Befehl", {"ENDE", {}}, {": "}},
    };
    for (const Erwartet& e : woerter) {
        const auto wort = engine::bilde(e.eingabe);
        std::vector<std::string> seiten;
        int zellen = 0;
        if (!wort) {
            seiten.push_back(wort.ablehnung().titel + ": " + wort.ablehnung().text);
        } else {
            EXPECT_EQ(wort->eingabe, e.eingabe) << e.name;
            seiten.push_back(gelesen(wort->seite));
            for (const auto& z : wort->zeitseiten)
                seiten.push_back(gelesen(z));
            for (const auto& s : seiten)
                if (std::isdigit(static_cast<unsigned char>(s[0]))) zellen += std::stoi(s);
            EXPECT_EQ(wort->zellen, zellen) << e.name;
        }
        EXPECT_EQ(seiten, e.seiten) << e.name;
    }
}

} // namespace
} // namespace latiflex::testing
