// SPDX-License-Identifier: GPL-3.0-or-later
// The lessons at the size of years of practice: 10,000 words in 20 lessons and a million
// stored answers. What opening "Lektionen" costs (every lesson with its progress), what the
// drill over due cells costs to open and to choose each next question, and the store's own
// steps: one answer stored, the migration of such a file from the first schema.
//
// The file is written once per run in the first schema's form (lessons, words, answers), as
// a pupil's older program left it; opening it migrates it.
#include "grammar/bezeichnung.h"
#include "lauf.h"
#include "lessons/database.h"
#include "lessons/lektionsdatei.h"
#include "shell/lektionen.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

using namespace latiflex;
namespace fs = std::filesystem;

constexpr int woerter = 10'000;
constexpr int antworten = 1'000'000;
constexpr int lektionen = 20;

// The words the lessons are filled with, as a teacher's lesson file lists them.
constexpr std::string_view vorratsdatei = R"(# Vorrat
SUBST rosa, rosae
SUBST dominus, domini
SUBST templum, templi
SUBST rex, regis
SUBST senatus, senatus
SUBST res, rei
ADJEKTIV bonus, bona, bonum
ADJEKTIV acer, acris, acre
VERBUM laudo, laudare, laudavi, laudatus
VERBUM moneo, monere, monui, monitus
VERBUM rego, regere, rexi, rectus
VERBUM audio, audire, audivi, auditus
)";

const std::vector<Eingabe>& vorrat() {
    static const std::vector<Eingabe> v = [] {
        std::vector<Eingabe> woerter;
        for (const lektionen::Dateizeile& z : lektionen::lesen(vorratsdatei, "Vorrat").woerter)
            woerter.push_back(z.eingabe);
        return woerter;
    }();
    return v;
}

// A cell's key as the first schemas stored it: its German label, a verb's with its page.
std::string alterSchluessel(const grammar::Paradigma& seite, std::size_t block, std::size_t form) {
    const grammar::Zelle& zelle = seite.bloecke[block].formen[form].zelle;
    std::string aus = grammar::bezeichnung(zelle);
    if (seite.wortart == grammar::Wortart::verbum) aus += " – " + seite.seite;
    int vorher = 0;
    for (std::size_t b = 0; b <= block; ++b)
        for (std::size_t f = 0; f < (b == block ? form : seite.bloecke[b].formen.size()); ++f)
            if (seite.bloecke[b].formen[f].zelle == zelle) ++vorher;
    if (vorher > 0) aus += " (" + std::to_string(vorher + 1) + ")";
    return aus;
}

void sql(sqlite3* db, const char* text) {
    if (sqlite3_exec(db, text, nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
}

// The run's folder, removed when the run ends.
struct Ordner {
    fs::path pfad = fs::temp_directory_path() / ("latiflex-bench-" + std::to_string(::getpid()));
    Ordner() {
        fs::remove_all(pfad);
        fs::create_directories(pfad);
    }
    ~Ordner() { fs::remove_all(pfad); }
};

// The store as the first schema held it, with `antworten` answers over 60 days.
fs::path datei() {
    static const Ordner o;
    static const fs::path pfad = [] {
        const fs::path& ordner = o.pfad;
        const fs::path p = ordner / "lektionen.sqlite";
        testing::Lauf lauf;
        Lektionen l(lauf.form, ordner / "unbenutzt.sqlite");
        std::vector<std::vector<std::string>> schluessel;
        for (const Eingabe& e : vorrat()) {
            schluessel.emplace_back();
            for (const auto& s : l.seiten(e))
                for (std::size_t b = 0; b < s->bloecke.size(); ++b)
                    for (std::size_t f = 0; f < s->bloecke[b].formen.size(); ++f)
                        if (!s->bloecke[b].formen[f].wortform.leer())
                            schluessel.back().push_back(alterSchluessel(*s, b, f));
        }
        sqlite3* db = nullptr;
        sqlite3_open(p.c_str(), &db);
        sql(db, "PRAGMA application_id = 1280591448; BEGIN;"
                "CREATE TABLE lektion(id INTEGER PRIMARY KEY, name TEXT NOT NULL);"
                "CREATE TABLE wort(id INTEGER PRIMARY KEY, lektion INTEGER NOT NULL, befehl TEXT "
                "NOT NULL, antworten TEXT NOT NULL, im_drill INTEGER NOT NULL DEFAULT 1);"
                "CREATE TABLE antwort(id INTEGER PRIMARY KEY, wort INTEGER NOT NULL, schluessel "
                "TEXT NOT NULL, datum TEXT NOT NULL, richtig INTEGER NOT NULL);"
                "CREATE TABLE einstellung(name TEXT PRIMARY KEY, wert TEXT NOT NULL);");
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO lektion(name) VALUES(?)", -1, &s, nullptr);
        for (int i = 1; i <= lektionen; ++i) {
            const std::string name = "Lektion " + std::to_string(i);
            sqlite3_bind_text(s, 1, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_prepare_v2(db, "INSERT INTO wort(lektion, befehl, antworten) VALUES(?, ?, ?)", -1,
                           &s, nullptr);
        for (int w = 0; w < woerter; ++w) {
            const Eingabe& e = vorrat()[static_cast<std::size_t>(w) % vorrat().size()];
            // Every word its own: a prefix of letters before the model's forms.
            std::string vorn;
            for (int n = w; n > 0; n /= 26)
                vorn += static_cast<char>('a' + n % 26);
            std::string verbunden;
            for (const auto& a : e.antworten)
                verbunden += (verbunden.empty() ? "" : "\n") + vorn + a;
            sqlite3_bind_int(s, 1, 1 + w % lektionen);
            sqlite3_bind_text(s, 2, e.befehl.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 3, verbunden.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_prepare_v2(db,
                           "INSERT INTO antwort(wort, schluessel, datum, richtig) "
                           "VALUES(?, ?, ?, ?)",
                           -1, &s, nullptr);
        std::mt19937 zufall(1);
        for (int a = 0; a < antworten; ++a) {
            const int w = a % woerter;
            const auto& k = schluessel[static_cast<std::size_t>(w) % vorrat().size()];
            const int tag = a * 60 / antworten;
            const std::string datum =
                lektionen::text(*lektionen::datumAus("2026-01-01") + std::chrono::days{tag});
            sqlite3_bind_int(s, 1, w + 1);
            sqlite3_bind_text(s, 2, k[zufall() % std::min<std::size_t>(k.size(), 25)].c_str(), -1,
                              SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 3, datum.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(s, 4, zufall() % 4 != 0);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sql(db, "INSERT INTO einstellung VALUES('aktuelle_lektion', '1'); COMMIT;"
                "PRAGMA user_version = 1;");
        sqlite3_close(db);
        return p;
    }();
    return pfad;
}

// A copy of the first-schema file, migrated once for the benchmarks that read it.
fs::path migriert() {
    static const fs::path pfad = [] {
        const fs::path p = datei().parent_path() / "migriert.sqlite";
        fs::copy_file(datei(), p, fs::copy_options::overwrite_existing);
        lektionen::Database db(p);
        db.lektionen();
        return p;
    }();
    return pfad;
}

void BM_MigrationVonVersion1(benchmark::State& state) {
    const fs::path p = datei().parent_path() / "migration.sqlite";
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(datei(), p, fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        lektionen::Database db(p);
        benchmark::DoNotOptimize(db.aktuelleLektion());
    }
}

// What opening the window "Lektionen" reads: every lesson with its progress.
void BM_LektionenMitFortschritt(benchmark::State& state) {
    lektionen::Database db(migriert());
    db.lektionen();
    for (auto _ : state)
        benchmark::DoNotOptimize(db.lektionen());
}

void BM_HeuteFaelligZaehlen(benchmark::State& state) {
    lektionen::Database db(migriert());
    const auto heute = *lektionen::datumAus("2026-03-02");
    for (auto _ : state)
        benchmark::DoNotOptimize(db.anzahlFaellig(heute));
}

void BM_AntwortSpeichern(benchmark::State& state) {
    lektionen::Database db(migriert());
    const auto heute = *lektionen::datumAus("2026-03-02");
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.antworte(1 + (i++ % woerter), "gen.pl", true, heute));
}

// The drill over due cells, opened: every word with a due cell formed by the rules.
void BM_UebungFaelligOeffnen(benchmark::State& state) {
    testing::Lauf lauf;
    Lektionen l(lauf.form, migriert());
    l.setHeute(*lektionen::datumAus("2026-03-02"));
    for (auto _ : state)
        benchmark::DoNotOptimize(l.uebung(Lektionen::Umfang::faellig, std::nullopt, 1));
}

// Choosing the next due question, once the drill is open.
void BM_NaechsteFaelligeFrage(benchmark::State& state) {
    testing::Lauf lauf;
    Lektionen l(lauf.form, migriert());
    l.setHeute(*lektionen::datumAus("2026-03-02"));
    auto u = l.uebung(Lektionen::Umfang::faellig, std::nullopt, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(u->naechsteFrage());
}

// One whole step of the drill over due cells: the answer judged and stored (wrong, so the
// cell stays due and the loop of cells to come back fills), then the next question chosen.
void BM_FaelligAntwortenUndWeiter(benchmark::State& state) {
    testing::Lauf lauf;
    Lektionen l(lauf.form, migriert());
    l.setHeute(*lektionen::datumAus("2026-03-02"));
    auto u = l.uebung(Lektionen::Umfang::faellig, std::nullopt, 1);
    u->naechsteFrage();
    for (auto _ : state) {
        u->antworte("falsch");
        benchmark::DoNotOptimize(u->naechsteFrage());
    }
}

} // namespace

BENCHMARK(BM_LektionenMitFortschritt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeuteFaelligZaehlen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NaechsteFaelligeFrage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FaelligAntwortenUndWeiter)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_AntwortSpeichern)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_UebungFaelligOeffnen)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MigrationVonVersion1)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
