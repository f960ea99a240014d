// SPDX-License-Identifier: GPL-3.0-or-later
// The Latin-German dictionary as installed (or at LATIFLEX_WOERTERBUCH): how long opening
// it takes (reading the index, decompressing and parsing every entry) and looking up every
// headword, by headword, by any form and as the pupil's typed word. It also counts what the
// reader made of the entries, to show at a glance that every class was understood.
#include "dictionary/woerterbuch.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace latiflex;
using namespace latiflex::woerterbuch;

std::unique_ptr<const Woerterbuch> geoeffnet() {
    auto w = Woerterbuch::oeffnen(Woerterbuch::standardPfad());
    if (!w) std::fprintf(stderr, "kein Wörterbuch unter %s\n", Woerterbuch::standardPfad().c_str());
    return w;
}

void BM_Oeffnen(benchmark::State& state) {
    for (auto _ : state) {
        auto w = Woerterbuch::oeffnen(Woerterbuch::standardPfad());
        if (!w) {
            state.SkipWithError("no dictionary");
            return;
        }
        benchmark::DoNotOptimize(w.get());
    }
}

// One iteration looks up one headword; the loop runs through all of them.
template <typename Suche> void jedesStichwort(benchmark::State& state, Suche suche) {
    const auto w = geoeffnet();
    if (!w) {
        state.SkipWithError("no dictionary");
        return;
    }
    const auto& e = w->eintraege();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(suche(*w, e[i]));
        i = i + 1 == e.size() ? 0 : i + 1;
    }
}

void BM_NachStichwort(benchmark::State& state) {
    jedesStichwort(state, [](const Woerterbuch& w, const Eintrag& e) {
        return w.stichwort(e.stichwort).size();
    });
}

void BM_NachForm(benchmark::State& state) {
    jedesStichwort(state, [](const Woerterbuch& w, const Eintrag& e) {
        return w.mitForm(e.formen.empty() ? e.stichwort : e.formen.back().text).size();
    });
}

void BM_ZuEingabe(benchmark::State& state) {
    jedesStichwort(state, [](const Woerterbuch& w, const Eintrag& e) {
        Eingabe eingabe{"SUBST", {e.stichwort}};
        if (const auto g = e.form(Formart::genitiv)) eingabe.antworten.push_back(*g);
        return w.zuEingabe(eingabe);
    });
}

BENCHMARK(BM_Oeffnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NachStichwort);
BENCHMARK(BM_NachForm);
BENCHMARK(BM_ZuEingabe);

void zaehlen() {
    const auto w = geoeffnet();
    if (!w) return;
    std::map<std::string, int> arten;
    int ohneBedeutung = 0, gefunden = 0;
    for (const auto& e : w->eintraege()) {
        ++arten[std::string(e.wortart == Wortart::unbekannt ? "?" : name(e.wortart))];
        ohneBedeutung += e.bedeutungen.empty();
        gefunden += !w->stichwort(e.stichwort).empty();
    }
    std::printf("%zu Einträge, %d nach ihrem Stichwort gefunden, %d ohne Bedeutung:",
                w->eintraege().size(), gefunden, ohneBedeutung);
    for (const auto& [art, n] : arten)
        std::printf(" %s %d,", art.c_str(), n);
    std::printf("\n%s\n", w->herkunft().titel.c_str());
}

} // namespace

int main(int argc, char** argv) {
    zaehlen();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
