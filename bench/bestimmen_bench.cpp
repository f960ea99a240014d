// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the form analysis against real Latin: reads the reference forms that
// bestimmen_referenz.py writes (standard input), analyses every form the program's own
// pages print right for its word and reports, per word class, how often the true reading
// is offered, how many entries are offered, how often the first is right, and the time.
#include "analysis/bestimmung.h"
#include "analysis/festewoerter.h"
#include "engine/wort.h"
#include "grammar/text.h"
#include "shell/bestimmenwoerterbuch.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace latiflex;
using grammar::Zelle;

namespace {

std::vector<std::string> teile(const std::string& s, char trenner) {
    std::vector<std::string> t;
    std::stringstream in(s);
    for (std::string w; std::getline(in, w, trenner);)
        t.push_back(w);
    return t;
}

// The cell a reference key names ("gen.pl", "f.acc.sg", "pass.subj.plup.4").
std::optional<Zelle> zelle(const std::string& befehl, const std::string& key, bool deponens) {
    using namespace grammar;
    const auto t = teile(key, '.');
    const std::vector<std::string> faelle{"nom", "gen", "dat", "acc", "voc", "abl"};
    const auto kasus = [&](const std::string& f, const std::string& n) -> std::optional<Zelle> {
        const auto i = std::find(faelle.begin(), faelle.end(), f) - faelle.begin();
        if (i == 6) return std::nullopt;
        return nomenZelle(static_cast<Kasus>(i), n == "sg" ? Numerus::singular : Numerus::plural);
    };
    if (befehl == "SUBST") return t.size() == 2 ? kasus(t[0], t[1]) : std::nullopt;
    if (befehl == "ADJEKTIV") {
        if (t.size() != 3) return std::nullopt;
        auto z = kasus(t[1], t[2]);
        if (z)
            z->genus = t[0] == "m"   ? Genus::maskulinum
                       : t[0] == "f" ? Genus::femininum
                                     : Genus::neutrum;
        return z;
    }
    if (t.size() != 4) return std::nullopt;
    const std::map<std::string, Tempus> tempora{
        {"pres", Tempus::praesens}, {"impf", Tempus::imperfekt},       {"fut", Tempus::futur1},
        {"perf", Tempus::perfekt},  {"plup", Tempus::plusquamperfekt}, {"futperf", Tempus::futur2}};
    const auto tempus = tempora.find(t[2]);
    if (tempus == tempora.end()) return std::nullopt;
    const GenusVerbi gv = t[0] == "pass" || deponens ? GenusVerbi::passiv : GenusVerbi::aktiv;
    return personenZelle(std::stoi(t[3]), tempus->second,
                         t[1] == "ind" ? Modus::indikativ : Modus::konjunktiv, gv);
}

// How well any ranking could place the true class first that decides by a form's last
// letters alone, even one fitted to these very forms: for each ending of `n` letters, the
// class most of the forms ending so belong to is the best it can name first.
void grenze(const std::vector<std::tuple<std::string, std::string, std::string>>& gesehen,
            std::size_t n) {
    std::map<std::string, std::map<std::string, std::size_t>> nachEnde;
    for (const auto& [ganz, befehl, klasse] : gesehen)
        ++nachEnde[std::string(text::lastLetters(ganz, n))][klasse];
    std::map<std::string, std::pair<std::size_t, std::size_t>> richtig; // by command
    for (const auto& [ganz, befehl, klasse] : gesehen) {
        const auto& klassen = nachEnde[std::string(text::lastLetters(ganz, n))];
        const auto haeufigste =
            std::max_element(klassen.begin(), klassen.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        auto& [ja, alle] = richtig[befehl];
        ja += klassen.at(klasse) == haeufigste->second; // a tie counts for every class in it
        ++alle;
    }
    std::printf("class first, deciding by the last %zu letters at best:", n);
    for (const auto& [befehl, z] : richtig)
        std::printf("  %s %.1f%%", befehl.c_str(), 100.0 * double(z.first) / double(z.second));
    std::printf("\n");
}

// The program's own table of pronouns and irregular verbs in the reference's keys, one line
// a form: FORMS <TAB> CELL <TAB> FORM ("hic, haec, hoc", "m.abl.sg"; "fero, ferre, tuli,
// latum", "act.ind.pres.3"); bestimmen_tabellen.py compares them with the reference.
void tabelle() {
    using namespace grammar;
    static const char* faelle[] = {"nom", "gen", "dat", "acc", "voc", "abl"};
    static const char* tempora[] = {"pres", "impf", "fut", "perf", "plup", "futperf"};
    for (const auto& w : analysis::festeWoerter())
        for (const auto& [z, form] : w.formen) {
            if (!z) continue;
            std::string key;
            const char* zahl = z->numerus == Numerus::singular ? "sg" : "pl";
            if (z->kasus) {
                if (z->genus) key = std::string("mfn").substr(int(*z->genus), 1) + ".";
                key += std::string(faelle[int(*z->kasus)]) + "." + zahl;
            } else {
                key = std::string(*z->genusVerbi == GenusVerbi::aktiv ? "act" : "pass") + "." +
                      (*z->modus == Modus::indikativ ? "ind" : "subj") + "." +
                      tempora[int(*z->tempus)] + "." +
                      std::to_string(int(*z->person) + 1 + (z->numerus == Numerus::plural ? 3 : 0));
            }
            std::printf("%s\t%s\t%s\n", w.woerter.c_str(), key.c_str(), form.c_str());
        }
}

struct Zahlen {
    std::size_t formen = 0, zelleUndKlasse = 0, woerter = 0, ersterRichtig = 0, erfunden = 0;
    std::size_t imWoerterbuch = 0, imWoerterbuchErster = 0; // forms of the dictionary's words
    std::vector<std::size_t> eintraege;
    std::vector<double> zeiten;
};

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    // --alle: every reading the patterns give, not only those the window offers.
    const bool alle = argc > 1 && std::string(argv[1]) == "--alle";
    if (argc > 1 && std::string(argv[1]) == "--tabelle") return tabelle(), 0;
    // Every reference line, by word.
    std::map<std::pair<std::string, std::string>, std::map<std::string, std::vector<std::string>>>
        woerter;
    std::vector<std::pair<std::string, std::string>> reihenfolge;
    for (std::string zeile; std::getline(std::cin, zeile);) {
        const auto t = teile(zeile, '\t');
        if (t.size() != 4) continue;
        const auto key = std::make_pair(t[0], t[1]);
        if (!woerter.count(key)) reihenfolge.push_back(key);
        woerter[key][t[2]] = teile(t[3], '|');
    }

    std::map<std::string, Zahlen> klassen;
    const analysis::Woerterbuch* woerterbuch =
        std::getenv("OHNE_WOERTERBUCH") ? nullptr : bestimmenWoerterbuch();
    std::vector<std::tuple<std::string, std::string, std::string>> gesehen;
    for (const auto& key : reihenfolge) {
        const Eingabe wahr{key.first, teile(key.second, '|')};
        const bool deponens = wahr.befehl == "VERBUM" && wahr.antworten[0].ends_with("r");
        std::vector<std::pair<Zelle, std::vector<std::string>>> referenz;
        for (const auto& [k, formen] : woerter[key])
            if (const auto z = zelle(wahr.befehl, k, deponens)) referenz.push_back({*z, formen});
        Zahlen& zahlen = klassen[wahr.befehl];
        // The dictionary has this word: its class and headword, no form it contradicts.
        const auto lexem = woerterbuch ? woerterbuch->eintrag(wahr) : std::nullopt;
        const bool bekannt = lexem && lexem->widersprochen == 0;
        for (const auto& zeiger : engine::seiten(wahr))
            for (const auto& seite = *zeiger; const auto& block : seite.bloecke)
                for (const auto& form : block.formen) {
                    if (form.wortform.leer()) continue;
                    const std::string ganz = text::einBlank(form.wortform.ganz());
                    const auto r =
                        std::find_if(referenz.begin(), referenz.end(),
                                     [&](const auto& r) { return r.first == form.zelle; });
                    if (r == referenz.end() ||
                        std::find(r->second.begin(), r->second.end(), ganz) == r->second.end())
                        continue; // the program prints this cell otherwise than the reference
                    gesehen.emplace_back(ganz, wahr.befehl, seite.klasse);
                    const auto start = std::chrono::steady_clock::now();
                    const auto deutungen =
                        analysis::bestimmen(ganz, {}, {.alle = alle, .woerterbuch = woerterbuch});
                    zahlen.zeiten.push_back(std::chrono::duration<double, std::milli>(
                                                std::chrono::steady_clock::now() - start)
                                                .count());
                    ++zahlen.formen;
                    std::vector<Eingabe> angeboten;
                    bool zk = false, wt = false;
                    for (const auto& d : deutungen) {
                        if (std::find(angeboten.begin(), angeboten.end(), d.eingabe) ==
                            angeboten.end())
                            angeboten.push_back(d.eingabe);
                        if (d.zelle == form.zelle && d.klasse == seite.klasse) zk = true;
                        if (d.zelle == form.zelle && d.eingabe == wahr) wt = true;
                    }
                    zahlen.zelleUndKlasse += zk;
                    zahlen.woerter += wt;
                    zahlen.ersterRichtig += !angeboten.empty() && angeboten.front() == wahr;
                    if (bekannt) {
                        ++zahlen.imWoerterbuch;
                        zahlen.imWoerterbuchErster +=
                            !angeboten.empty() && angeboten.front() == wahr;
                    }
                    // The first entry a guess of the rules: a word the program does not know.
                    zahlen.erfunden += !deutungen.empty() &&
                                       deutungen.front().herkunft == analysis::Herkunft::regeln;
                    zahlen.eintraege.push_back(angeboten.size());
                    if ((std::getenv("FEHLT") &&
                         (angeboten.empty() || !(angeboten.front() == wahr))) ||
                        (std::getenv("OHNE_ZELLE") && !zk)) {
                        std::cerr << wahr.befehl << " " << key.second << " " << ganz << " |";
                        for (const auto& a : angeboten)
                            std::cerr << " " << analysis::woerter(a) << ";";
                        std::cerr << "\n";
                    }
                }
    }

    // Any text at all: the slowest of a set of hostile inputs.
    const std::vector<std::string> feindlich{"",
                                             std::string(100000, 'a'),
                                             "1234567890",
                                             "<b>rosa</b>",
                                             "\u05D0\u05D1\u05D2 rosa",
                                             "\U0001F339\U0001F339",
                                             "ro\u0301\u0301sa",
                                             std::string(100000, ' ') + "rosa",
                                             "amaverimus amaverimus amaverimus"};
    double langsamste = 0;
    for (const auto& text : feindlich) {
        const auto start = std::chrono::steady_clock::now();
        analysis::bestimmen(text);
        langsamste = std::max(langsamste, std::chrono::duration<double, std::milli>(
                                              std::chrono::steady_clock::now() - start)
                                              .count());
    }

    std::cout
        << "class     forms  cell+class  dictionary  entries mean/median  first right  guess first"
           "  ms median  in dict.  first right there\n";
    for (const auto& [klasse, z] : klassen) {
        std::vector<double> e(z.eintraege.begin(), z.eintraege.end());
        double summe = 0;
        for (double x : e)
            summe += x;
        const double n = double(std::max<std::size_t>(z.formen, 1));
        std::printf("%-9s %6zu  %9.2f%%  %9.2f%%  %8.2f / %-6.0f  %10.2f%%  %10.2f%%  %9.4f  %8zu  "
                    "%9.2f%%\n",
                    klasse.c_str(), z.formen, 100.0 * z.zelleUndKlasse / n, 100.0 * z.woerter / n,
                    summe / n, median(e), 100.0 * z.ersterRichtig / n, 100.0 * z.erfunden / n,
                    median(z.zeiten), z.imWoerterbuch,
                    100.0 * double(z.imWoerterbuchErster) /
                        double(std::max<std::size_t>(z.imWoerterbuch, 1)));
    }
    std::printf("slowest hostile input: %.3f ms\n", langsamste);
    for (const std::size_t n : {4, 5, 6, 7})
        grenze(gesehen, n);
    return 0;
}
