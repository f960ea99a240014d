// SPDX-License-Identifier: GPL-3.0-or-later
// The hint line over real Latin words typed correctly in their dictionary forms: it warns
// exactly where the program's rules print something other than what the pupil typed, and
// nowhere else. The words and the expected warnings are written from Latin grammar and the
// program's rules by hand, not from the program.
#include "lauf.h"
#include "shell/form1.h"
#include "shell/hinweis.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace latiflex::testing {
namespace {

struct Wort {
    std::string befehl; // "Befehl1", "Befehl4" or "verbum" (then the four tense pages)
    std::vector<std::string> antworten;
};

// The hint after each page the word prints, by the control that printed it.
std::map<std::string, std::string> hinweise(const Wort& w) {
    Lauf lauf;
    auto& [log, pane, dialoge, form] = lauf;
    for (const auto& a : w.antworten)
        dialoge.push(Answer{a});
    std::map<std::string, std::string> h;
    EXPECT_TRUE(form.click(w.befehl)) << w.befehl;
    h[w.befehl] = hinweis::text(form.seiten());
    if (w.befehl == "verbum")
        for (const char* seite : {"prakt", "prpass", "perfakt", "perfpass"}) {
            EXPECT_TRUE(form.click(seite)) << seite;
            h[seite] = hinweis::text(form.seiten());
        }
    return h;
}

Wort nomen(std::string n, std::string g) { return {"Befehl1", {std::move(n), std::move(g)}}; }
Wort adjektiv(std::string m, std::string s, std::string n) {
    return {"Befehl4", {std::move(m), std::move(s), std::move(n)}};
}
Wort verbum(std::vector<std::string> stammformen) { return {"verbum", std::move(stammformen)}; }

// Correctly typed dictionary forms of every class the program knows, and of some it does not.
const std::vector<Wort> woerter{
    // A
    nomen("rosa", "rosae"),
    nomen("puella", "puellae"),
    nomen("agricola", "agricolae"),
    nomen("nauta", "nautae"),
    nomen("poeta", "poetae"),
    nomen("insula", "insulae"),
    nomen("via", "viae"),
    nomen("silva", "silvae"),
    nomen("aqua", "aquae"),
    // O
    nomen("dominus", "domini"),
    nomen("servus", "servi"),
    nomen("amicus", "amici"),
    nomen("filius", "filii"),
    nomen("equus", "equi"),
    nomen("populus", "populi"),
    nomen("vulgus", "vulgi"),
    nomen("puer", "pueri"),
    nomen("ager", "agri"),
    nomen("magister", "magistri"),
    nomen("liber", "libri"),
    nomen("vir", "viri"),
    nomen("socer", "soceri"),
    nomen("templum", "templi"),
    nomen("bellum", "belli"),
    nomen("donum", "doni"),
    nomen("consilium", "consilii"),
    nomen("oppidum", "oppidi"),
    // E, U
    nomen("res", "rei"),
    nomen("dies", "diei"),
    nomen("spes", "spei"),
    nomen("fides", "fidei"),
    nomen("meridies", "meridiei"),
    nomen("manus", "manus"),
    nomen("exercitus", "exercitus"),
    nomen("senatus", "senatus"),
    nomen("fructus", "fructus"),
    nomen("domus", "domus"),
    nomen("cornu", "cornus"),
    nomen("genu", "genus"),
    // I-stems, neuter and the feminine list; Caesar is taken as a neuter in -ar, but the
    // nominative and genitive it prints are the typed ones, so nothing contradicts them.
    nomen("mare", "maris"),
    nomen("animal", "animalis"),
    nomen("exemplar", "exemplaris"),
    nomen("cubile", "cubilis"),
    nomen("vectigal", "vectigalis"),
    nomen("Caesar", "Caesaris"),
    nomen("turris", "turris"),
    nomen("febris", "febris"),
    nomen("sitis", "sitis"),
    nomen("puppis", "puppis"),
    nomen("securis", "securis"),
    // vis has no genitive by the program's rules: an empty row, not a contradiction.
    nomen("vis", "vis"),
    // consonant and mixed declension
    nomen("rex", "regis"),
    nomen("lex", "legis"),
    nomen("pax", "pacis"),
    nomen("vox", "vocis"),
    nomen("lux", "lucis"),
    nomen("dux", "ducis"),
    nomen("miles", "militis"),
    nomen("homo", "hominis"),
    nomen("virgo", "virginis"),
    nomen("leo", "leonis"),
    nomen("sol", "solis"),
    nomen("consul", "consulis"),
    nomen("labor", "laboris"),
    nomen("dolor", "doloris"),
    nomen("mos", "moris"),
    nomen("mulier", "mulieris"),
    nomen("pater", "patris"),
    nomen("mater", "matris"),
    nomen("frater", "fratris"),
    nomen("parens", "parentis"),
    nomen("urbs", "urbis"),
    nomen("nox", "noctis"),
    nomen("mons", "montis"),
    nomen("pars", "partis"),
    nomen("ars", "artis"),
    nomen("mors", "mortis"),
    nomen("gens", "gentis"),
    nomen("civis", "civis"),
    nomen("navis", "navis"),
    nomen("hostis", "hostis"),
    nomen("canis", "canis"),
    nomen("iuvenis", "iuvenis"),
    nomen("sedes", "sedis"),
    nomen("senex", "senis"),
    nomen("Iuppiter", "Iovis"),
    nomen("nomen", "nominis"),
    nomen("flumen", "fluminis"),
    nomen("carmen", "carminis"),
    nomen("corpus", "corporis"),
    nomen("tempus", "temporis"),
    nomen("genus", "generis"),
    nomen("opus", "operis"),
    nomen("litus", "litoris"),
    nomen("ius", "iuris"),
    nomen("iter", "itineris"),
    nomen("caput", "capitis"),
    nomen("cor", "cordis"),
    nomen("mel", "mellis"),
    nomen("lac", "lactis"),
    nomen("os", "oris"),
    nomen("marmor", "marmoris"),
    // Greek neuters in -ma: the nominative in -a makes them A-declension.
    nomen("poema", "poematis"),
    nomen("thema", "thematis"),
    nomen("dogma", "dogmatis"),

    // a/o adjectives
    adjektiv("bonus", "bona", "bonum"),
    adjektiv("magnus", "magna", "magnum"),
    adjektiv("longus", "longa", "longum"),
    adjektiv("altus", "alta", "altum"),
    adjektiv("parvus", "parva", "parvum"),
    adjektiv("novus", "nova", "novum"),
    adjektiv("laetus", "laeta", "laetum"),
    adjektiv("meus", "mea", "meum"),
    adjektiv("tuus", "tua", "tuum"),
    adjektiv("unus", "una", "unum"),
    adjektiv("solus", "sola", "solum"),
    adjektiv("liber", "libera", "liberum"),
    adjektiv("miser", "misera", "miserum"),
    adjektiv("asper", "aspera", "asperum"),
    adjektiv("tener", "tenera", "tenerum"),
    adjektiv("pulcher", "pulchra", "pulchrum"),
    adjektiv("niger", "nigra", "nigrum"),
    adjektiv("aeger", "aegra", "aegrum"),
    adjektiv("ruber", "rubra", "rubrum"),
    adjektiv("sacer", "sacra", "sacrum"),
    adjektiv("noster", "nostra", "nostrum"),
    adjektiv("dexter", "dextra", "dextrum"),
    // third declension: three, two and one termination
    adjektiv("acer", "acris", "acre"),
    adjektiv("alacer", "alacris", "alacre"),
    adjektiv("celer", "celeris", "celere"),
    adjektiv("saluber", "salubris", "salubre"),
    adjektiv("celeber", "celebris", "celebre"),
    adjektiv("equester", "equestris", "equestre"),
    adjektiv("omnis", "omnis", "omne"),
    adjektiv("fortis", "fortis", "forte"),
    adjektiv("brevis", "brevis", "breve"),
    adjektiv("facilis", "facilis", "facile"),
    adjektiv("gravis", "gravis", "grave"),
    adjektiv("dulcis", "dulcis", "dulce"),
    adjektiv("tristis", "tristis", "triste"),
    adjektiv("nobilis", "nobilis", "nobile"),
    adjektiv("felix", "felicis", "felix"),
    adjektiv("ingens", "ingentis", "ingens"),
    adjektiv("prudens", "prudentis", "prudens"),
    adjektiv("audax", "audacis", "audax"),
    adjektiv("sapiens", "sapientis", "sapiens"),
    adjektiv("simplex", "simplicis", "simplex"),
    adjektiv("par", "paris", "par"),
    adjektiv("memor", "memoris", "memor"),
    adjektiv("vetus", "veteris", "vetus"),
    adjektiv("dives", "divitis", "dives"),
    // pauper ends in -er, so the feminine is asked; its feminine is pauper, and three equal
    // forms make it two-termination with the stem paup-.
    adjektiv("pauper", "pauper", "pauper"),

    // verbs of the five conjugations
    verbum({"amo", "amare", "amavi", "amatus"}),
    verbum({"laudo", "laudare", "laudavi", "laudatus"}),
    verbum({"voco", "vocare", "vocavi", "vocatus"}),
    verbum({"do", "dare", "dedi", "datus"}),
    verbum({"moneo", "monere", "monui", "monitus"}),
    verbum({"video", "videre", "vidi", "visus"}),
    verbum({"habeo", "habere", "habui", "habitus"}),
    verbum({"deleo", "delere", "delevi", "deletus"}),
    verbum({"lego", "legere", "legi", "lectus"}),
    verbum({"rego", "regere", "rexi", "rectus"}),
    verbum({"dico", "dicere", "dixi", "dictus"}),
    verbum({"mitto", "mittere", "misi", "missus"}),
    verbum({"scribo", "scribere", "scripsi", "scriptus"}),
    verbum({"statuo", "statuere", "statui", "statutus"}),
    verbum({"audio", "audire", "audivi", "auditus"}),
    verbum({"venio", "venire", "veni", "ventum"}),
    verbum({"scio", "scire", "scivi", "scitus"}),
    verbum({"sentio", "sentire", "sensi", "sensus"}),
    verbum({"capio", "capere", "cepi", "captus"}),
    verbum({"facio", "facere", "feci", "factus"}),
    verbum({"fugio", "fugere", "fugi", "fugitum"}),
    verbum({"iacio", "iacere", "ieci", "iactus"}),
    // deponents, their perfect with and without sum
    verbum({"hortor", "hortari", "hortatus sum"}),
    verbum({"conor", "conari", "conatus"}),
    verbum({"vereor", "vereri", "veritus sum"}),
    verbum({"reor", "reri", "ratus sum"}),
    verbum({"sequor", "sequi", "secutus sum"}),
    verbum({"loquor", "loqui", "locutus sum"}),
    verbum({"utor", "uti", "usus sum"}),
    verbum({"fruor", "frui", "fructus sum"}),
    verbum({"largior", "largiri", "largitus sum"}),
    verbum({"orior", "oriri", "ortus sum"}),
    verbum({"patior", "pati", "passus sum"}),
    verbum({"morior", "mori", "mortuus sum"}),
    verbum({"gradior", "gradi", "gressus sum"}),
    // esse and its like, and verbs the rules do not know
    verbum({"sum", "esse", "fui"}),
    verbum({"possum", "posse", "potui", ""}),
    verbum({"volo", "velle", "volui", ""}),
    verbum({"nolo", "nolle", "nolui", ""}),
    verbum({"malo", "malle", "malui", ""}),
    verbum({"fero", "ferre", "tuli", "latus"}),
    verbum({"creo", "creare", "creavi", "creatus"}),
    verbum({"eo", "ire", "ii", "itum"}),
    verbum({"gaudeo", "gaudere", "gavisus sum", ""}),
    verbum({"audeo", "audere", "ausus sum", ""}),
};

struct Erwartet {
    std::string getippt;
    std::string gedruckt;
};

// Every warning the list must give, by first dictionary form and page, and why.
const std::map<std::pair<std::string, std::string>, Erwartet> warnungen{
    // -a makes them A-declension: the genitive printed is poemae, not poematis.
    {{"poema", "Befehl1"}, {"poematis", "poemae"}},
    {{"thema", "Befehl1"}, {"thematis", "themae"}},
    {{"dogma", "Befehl1"}, {"dogmatis", "dogmae"}},
    // the typed feminine pauper comes out as paup+is.
    {{"pauper", "Befehl4"}, {"pauper", "paupis"}},
    // creo ends in -eo, so it is taken as E-conjugation: cre- + a- from creare, crea+o.
    {{"creo", "prakt"}, {"creo", "creao"}},
    // and the passive page, which should begin with creor, prints crea+or.
    {{"creo", "prpass"}, {"creo", "creaor"}},
    // eo ends in -eo as well: i (from ire) + o, and i + or for eor.
    {{"eo", "prakt"}, {"eo", "io"}},
    {{"eo", "prpass"}, {"eo", "ior"}},
    // Textbooks list the supine where the prompt asks the participle in -us: said after
    // VERBUM and on the perfect passive page, which prints ventum sum.
    {{"venio", "verbum"}, {"ventum", "ventus"}},
    {{"venio", "perfpass"}, {"ventum", "ventus"}},
    {{"fugio", "verbum"}, {"fugitum", "fugitus"}},
    {{"fugio", "perfpass"}, {"fugitum", "fugitus"}},
    {{"eo", "verbum"}, {"itum", "itus"}},
    {{"eo", "perfpass"}, {"itum", "itus"}},
    // Infinitives in -se and -rre give no class: every tense page would refuse.
    {{"possum", "verbum"}, {"posse", "posse"}},
    {{"fero", "verbum"}, {"ferre", "ferre"}},
    // semi-deponents: their perfect is passive, the program takes it as an active perfect
    // and cuts one letter: gavisus su+i.
    {{"gaudeo", "perfakt"}, {"gavisus sum", "gavisus sui"}},
    {{"audeo", "perfakt"}, {"ausus sum", "ausus sui"}},
};

TEST(Hinweis, WarnsExactlyWhereThePrintedFormContradictsTheTypedOne) {
    std::size_t gewarnt = 0;
    for (const Wort& w : woerter)
        for (const auto& [seite, text] : hinweise(w)) {
            const auto erwartet = warnungen.find({w.antworten.front(), seite});
            if (erwartet == warnungen.end()) {
                // A page that prints shows the tip; a refused one (a deponent's active) and the
                // principal parts alone nothing.
                EXPECT_TRUE(text.empty() || text.starts_with("Tipp:"))
                    << w.antworten.front() << " on " << seite << ": " << text;
                continue;
            }
            ++gewarnt;
            const auto& [getippt, gedruckt] = erwartet->second;
            EXPECT_NE(text.find("»" + getippt + "«"), std::string::npos) << text;
            EXPECT_NE(text.find("»" + gedruckt + "«"), std::string::npos) << text;
        }
    EXPECT_EQ(gewarnt, warnungen.size());
    EXPECT_GT(woerter.size(), 100u);
}

TEST(Hinweis, AVerbInEoWithItsLongMarkIsRightAfterVerbum) {
    EXPECT_EQ(hinweise(verbum({"creō", "creare", "creavi", "creatus"})).at("verbum"), "");
}

TEST(Hinweis, EveryPrintingPageOfAFittingWordShowsTheTip) {
    for (const Wort& w : {nomen("rosa", "rosae"), adjektiv("acer", "acris", "acre")})
        EXPECT_TRUE(hinweise(w).at(w.befehl).starts_with("Tipp:"));
    const auto amo = hinweise(verbum({"amo", "amare", "amavi", "amatus"}));
    EXPECT_EQ(amo.at("verbum"), ""); // the principal parts alone are no page of forms
    for (const char* seite : {"prakt", "prpass", "perfakt", "perfpass"})
        EXPECT_TRUE(amo.at(seite).starts_with("Tipp:")) << seite;
}

// Dictionary forms typed as textbooks print them, with long marks, or with a stray blank or
// an invisible character: where the rules read them as the pupil sees them the page is right
// and shows the tip; where they read another class, the line names the form, what to type
// and the class the plain form gives (O-declension for lupi, by Latin grammar).
struct Getippt {
    Wort wort;
    std::string seite;
    std::vector<std::string> enthaelt;   ///< empty: the tip
    std::vector<std::string> fehlt = {}; ///< what the line must not say
};

class HinweisGetippt : public ::testing::TestWithParam<Getippt> {};

TEST_P(HinweisGetippt, ShowsTheTipOrNamesWhatToType) {
    const Getippt& g = GetParam();
    const std::string text = hinweise(g.wort).at(g.seite);
    if (g.enthaelt.empty()) {
        EXPECT_TRUE(text.starts_with("Tipp:")) << text;
    }
    for (const std::string& teil : g.enthaelt)
        EXPECT_NE(text.find(teil), std::string::npos) << text << " lacks " << teil;
    for (const std::string& teil : g.fehlt)
        EXPECT_EQ(text.find(teil), std::string::npos) << text << " says " << teil;
}

INSTANTIATE_TEST_SUITE_P(
    Marken, HinweisGetippt,
    ::testing::Values(
        Getippt{nomen("templum", "templī"), "Befehl1", {}},
        Getippt{nomen("rosa", "rosae "), "Befehl1", {}},
        Getippt{nomen("Rōma", "Rōmae"), "Befehl1", {}},
        Getippt{nomen("lupus", "lupī"),
                "Befehl1",
                {"»lupī«: ohne Längenzeichen tippen – »lupi« gibt die O - Deklination."}},
        Getippt{nomen("lupus", "lupi\u200B"), "Befehl1", {"unsichtbares Zeichen", "»lupi« gibt"}},
        Getippt{nomen("manus", "manūs"), "Befehl1", {"»manūs«: ohne Längenzeichen", "U - Dekl"}},
        Getippt{nomen("dominús", "domini"), "Befehl1", {"»dominús«: ohne Akzente tippen"}},
        // The blank hides -men from the rules (the masculine abdomines); the plain letters
        // give the neuter, but both pages hold what was typed: the line says what the blank
        // does, not which to type.
        Getippt{nomen("abdomen ", "abdominis"),
                "Befehl1",
                {"»abdomen «: mit Leerzeichen am Rand gelesen – »abdomen« gäbe andere Formen."}},
        Getippt{nomen("amicus", "amicis"),
                "Befehl1",
                {"Zu »amicus« ist »amicis« selten – meist »amici« oder »amicus«."}},
        Getippt{nomen("rosa", "rosis"), "Befehl1", {"Zu »rosa« ist »rosis« selten", "»rosae«"}},
        Getippt{adjektiv("bonus", "bona", "bonum "),
                "Befehl4",
                {"»bonum «: Leerzeichen am Rand weglassen – »bonum« gibt die richtigen Formen."}},
        Getippt{adjektiv("bonus", "bonā", "bonum"),
                "Befehl4",
                {"»bonā«: ohne Längenzeichen tippen – »bona« gibt die A/O - Deklination."}},
        Getippt{adjektiv("ācer", "ācris", "ācre"), "Befehl4", {}},
        Getippt{adjektiv("lātus", "lāta", "lātum"), "Befehl4", {}},
        Getippt{verbum({"amo", "amāre", "amavi", "amatus"}),
                "verbum",
                {"»amāre«: ohne Längenzeichen tippen – »amare« gibt die A - Konjugation."}},
        Getippt{verbum({"hortor", "hortārī", "hortatus sum"}),
                "verbum",
                {"»hortārī«: ohne Längenzeichen tippen – »hortari« gibt die A - Konjugation."}},
        Getippt{verbum({"laudo", "laudare", "laudavī", "laudatus"}), "perfakt", {}},
        Getippt{
            verbum({"laudo", "laudare", "laudavi ", "laudatus"}),
            "perfakt",
            {"»laudavi «: Leerzeichen am Rand weglassen – »laudavi« gibt die richtigen Formen."}},
        Getippt{verbum({"laudo", "laudare", "laudavi", "laudatum"}),
                "perfpass",
                {"»laudatum«: gefragt ist das Partizip auf -us, also »laudatus«"}},
        // beo ends in -eo, so it is taken as E-conjugation: bea- from beare, bea+or for beor.
        Getippt{verbum({"beo", "beare", "beavi", "beatus"}),
                "prpass",
                {"»beo«: als 1. Sg. Präs. Pass. steht hier »beaor«"}},
        Getippt{verbum({"amo", "amari", "amavi", "amatus"}),
                "verbum",
                {"»amari«: keine Konjugation", "-are, -ere, -ire"}},
        // creō, creāre is A-conjugation (creo, creas, creat): the long mark keeps the rules
        // from the E-conjugation that -eo would give, so the page is right as typed.
        Getippt{verbum({"creō", "creare", "creavi", "creatus"}), "prakt", {}},
        Getippt{verbum({"creō", "creare", "creavi", "creatus"}), "prpass", {}},
        Getippt{verbum({"creō", "creare", "creavi", "creatus"}), "perfpass", {}},
        // Masculine and feminine nouns in -us, -oris/-uris/-eris (lepores, mures, tellures,
        // Veneres): with the marked genitive the page is right; the plain letters would give
        // the neuter's -a, so the line must not call those the right forms.
        Getippt{nomen("lepus", "leporīs"), "Befehl1", {"»leporīs«"}, {"richtigen", "tippen"}},
        Getippt{nomen("mus", "murīs"), "Befehl1", {"»murīs«"}, {"richtigen", "tippen"}},
        Getippt{nomen("tellus", "tellurīs"), "Befehl1", {"»tellurīs«"}, {"richtigen", "tippen"}},
        Getippt{nomen("venus", "venerīs"), "Befehl1", {"»venerīs«"}, {"richtigen", "tippen"}},
        // The e of moneo and monet is short: a long mark on the infinitive must not go on
        // into them unnamed.
        Getippt{verbum({"moneo", "monēre", "monui", "monitus"}),
                "prakt",
                {"»monēre«: ohne Längenzeichen tippen", "»monēo«"}},
        Getippt{verbum({"moneo", "monēre", "monui", "monitus"}),
                "verbum",
                {"»monēre«: ohne Längenzeichen tippen", "»monēo«"}},
        // Long where Latin has it long (laudāvistī, amātus sum): nothing to say.
        Getippt{verbum({"laudo", "laudare", "laudāvi", "laudatus"}), "perfakt", {}},
        Getippt{verbum({"amo", "amare", "amavi", "amātus"}), "perfpass", {}}),
    [](const auto& info) { return "Zeile" + std::to_string(info.index); });

} // namespace
} // namespace latiflex::testing
