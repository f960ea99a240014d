// SPDX-License-Identifier: GPL-3.0-or-later
// How long the drill takes to choose the next question and to check an answer, over the
// pages of a typical lesson: a noun, an adjective and a verb with its four tense pages.
#include "drill/uebung.h"
#include "recorder.h"
#include "shell/form1.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <sstream>
#include <string>

namespace {

using namespace latiflex;
using namespace latiflex::testing;

struct Lektion {
    std::ostringstream log;
    RecordingPane pane{log};
    ScriptedDialogs dialoge{log};
    Form1 form{pane, dialoge};

    Lektion() {
        for (const char* a : {"0", "12", "rosa", "rosae", "bonus", "bona", "bonum", "rego",
                              "regere", "rexi", "rectus"})
            dialoge.push(Answer{a});
        form.Form_Load();
        for (const char* c :
             {"Befehl1", "Befehl4", "verbum", "prakt", "prpass", "perfakt", "perfpass"})
            if (!form.click(c)) std::abort();
    }
};

void BM_DrillNaechsteFrage(benchmark::State& state) {
    Lektion l;
    drill::Uebung u(l.form.seiten(), 1);
    u.setAuswahl(drill::Auswahl::gemischt);
    for (auto _ : state) {
        benchmark::DoNotOptimize(u.naechsteFrage());
        u.antworte("falsch"); // keeps the loop of cells to come back full
    }
}

void answer(benchmark::State& state, const std::string& text) {
    Lektion l;
    drill::Uebung u(l.form.seiten(), 1);
    for (auto _ : state) {
        state.PauseTiming();
        u.naechsteFrage();
        state.ResumeTiming();
        benchmark::DoNotOptimize(u.antworte(text));
    }
}

void BM_DrillAntwort(benchmark::State& state) { answer(state, "  Rēctī   sumus "); }
void BM_DrillAntwortHuge(benchmark::State& state) { answer(state, std::string(100000, 'a')); }

} // namespace

BENCHMARK(BM_DrillNaechsteFrage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrillAntwort)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrillAntwortHuge)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
