// SPDX-License-Identifier: GPL-3.0-or-later
// How long one command takes, and one full repaint of the pane holding its page.
#include "lauf.h"
#include "nouns/deklination.h"
#include "shell/form1.h"
#include "shell/tabelle.h"
#include "widgets/panereading.h"
#include "widgets/panewidget.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace latiflex;
using namespace latiflex::testing;

std::vector<Response> answers(std::vector<std::string> texts) {
    std::vector<Response> r;
    for (auto& t : texts)
        r.emplace_back(std::in_place_type<Answer>, Answer{std::move(t)});
    return r;
}

// One command again and again on the recording pane; `before` runs once to set the verb.
void command(benchmark::State& state, const std::string& control,
             const std::vector<Response>& responses, const std::string& before = {},
             const std::vector<Response>& beforeResponses = {}) {
    Lauf lauf;
    auto& [log, pane, dialoge, form] = lauf;
    for (const auto& r : beforeResponses)
        dialoge.push(r);
    if (!before.empty() && !form.click(before)) state.SkipWithError("no such control");
    for (auto _ : state) {
        log.str({});
        for (const auto& r : responses)
            dialoge.push(r);
        benchmark::DoNotOptimize(form.click(control));
        benchmark::DoNotOptimize(log.tellp());
    }
}

const auto amo = answers({"amo", "amare", "amavi", "amatus"});
const std::string huge = std::string(99'998, 'a') + "us";

void BM_Substantiv(benchmark::State& s) { command(s, "Befehl1", answers({"rosa", "rosae"})); }
void BM_Adjektiv(benchmark::State& s) { command(s, "Befehl4", answers({"acer", "acris", "acre"})); }
void BM_Verbum(benchmark::State& s) { command(s, "verbum", amo); }
void BM_Prakt(benchmark::State& s) { command(s, "prakt", {}, "verbum", amo); }
void BM_Prpass(benchmark::State& s) { command(s, "prpass", {}, "verbum", amo); }
void BM_Perfakt(benchmark::State& s) { command(s, "perfakt", {}, "verbum", amo); }
void BM_Perfpass(benchmark::State& s) { command(s, "perfpass", {}, "verbum", amo); }
void BM_SubstantivHugeWord(benchmark::State& s) {
    command(s, "Befehl1", answers({huge, "domini"}));
}
void BM_PraktHugeWord(benchmark::State& s) {
    command(s, "prakt", {}, "verbum", answers({huge + "o", huge + "are", huge + "avi", huge}));
}

using Clicks = std::vector<std::pair<std::string, std::vector<Response>>>;

// The real pane widget (offscreen) holding the page the clicks print, handed to `measure`.
template <typename Measure>
void onPage(benchmark::State& state, const Clicks& clicks, Measure measure) {
    std::ostringstream sink;
    ScriptedDialogs dialoge(sink);
    PaneWidget pane;
    pane.resize(pane.sizeHint());
    dialoge.push(Answer{"9"});
    dialoge.push(Answer{"12"});
    Form1 form(pane, dialoge);
    pane.zeigtSeiten(&form.seiten());
    form.Form_Load();
    for (const auto& [control, responses] : clicks) {
        for (const auto& r : responses)
            dialoge.push(r);
        if (!form.click(control)) std::abort();
    }
    measure(pane);
    state.counters["runs"] = static_cast<double>(pane.runs().size());
}

// One full repaint: render() runs the pane's whole paintEvent into an image, as a repaint
// on screen does.
void repaint(benchmark::State& state, const Clicks& clicks) {
    onPage(state, clicks, [&](PaneWidget& pane) {
        QImage image(pane.size(), QImage::Format_RGB32);
        for (auto _ : state)
            pane.render(&image);
    });
}

// What a screen reader is told once a page is printed: the page from its value, each form
// with its label, and the hint line.
void reading(benchmark::State& state, const Clicks& clicks) {
    onPage(state, clicks, [&](PaneWidget& pane) {
        for (auto _ : state)
            benchmark::DoNotOptimize(PaneReading(pane.runs(), pane.seite(), pane.hinweis(),
                                                 pane.lineHeight(), pane.columnWidth()));
    });
}

void BM_RepaintVerbPage(benchmark::State& s) { repaint(s, {{"verbum", amo}, {"prakt", {}}}); }
void BM_RepaintAdjectivePage(benchmark::State& s) {
    repaint(s, {{"Befehl4", answers({"acer", "acris", "acre"})}});
}
void BM_RepaintHugeWord(benchmark::State& s) {
    repaint(s, {{"Befehl1", answers({huge, "domini"})}});
}
void BM_ReadVerbPage(benchmark::State& s) { reading(s, {{"verbum", amo}, {"prakt", {}}}); }
void BM_ReadHugeWord(benchmark::State& s) { reading(s, {{"Befehl1", answers({huge, "domini"})}}); }

// The clipboard's two formats of a page: building the table, its text and its HTML.
void copy(benchmark::State& state, const grammar::Paradigma& p) {
    const Farben farben{{0, 0, 255}, {128, 0, 0}};
    for (auto _ : state) {
        const Tabelle t(p);
        benchmark::DoNotOptimize(t.text());
        benchmark::DoNotOptimize(t.html(farben));
    }
}
void BM_CopyNoun(benchmark::State& s) { copy(s, nouns::paradigma("rosa", "rosae")); }
void BM_CopyHugeWord(benchmark::State& s) { copy(s, nouns::paradigma(huge + "a", huge + "ae")); }

BENCHMARK(BM_Substantiv);
BENCHMARK(BM_Adjektiv);
BENCHMARK(BM_Verbum);
BENCHMARK(BM_Prakt);
BENCHMARK(BM_Prpass);
BENCHMARK(BM_Perfakt);
BENCHMARK(BM_Perfpass);
BENCHMARK(BM_SubstantivHugeWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PraktHugeWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintVerbPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintAdjectivePage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintHugeWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadVerbPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadHugeWord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyNoun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyHugeWord)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
