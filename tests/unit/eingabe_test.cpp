// Entering a word from its stored answers must leave the pane and the page record exactly as
// typing the same answers at the prompts does, and must never open a prompt itself.
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

} // namespace
} // namespace latiflex::testing
