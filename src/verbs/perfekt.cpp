#include "shell/prompt.h"
#include "grammar/text.h"
#include "verbs/seite.h"
#include "verbs/tempora.h"

#include <string>

namespace latiflex::verbs {

namespace {

using Endungen = std::array<std::string_view, 7>;

constexpr Endungen endungen_perf{"", "i", "isti", "it", "imus", "istis", "erunt"};
constexpr Endungen endungen_perfkonj{"", "erim", "eris", "erit", "erimus", "eritis", "erint"};
constexpr Endungen endungen_plqpfkonj{"",        "issem",   "isses", "isset",
                                      "issemus", "issetis", "issent"};
// The future perfect takes the future of esse, but "erint" in the 3rd plural.
constexpr Endungen endungen_futex{"", "ero", "eris", "erit", "erimus", "eritis", "erint"};

// Five tenses of one stem (or one per person) with the endings tables given.
std::array<Tempus, 5> seite(const std::array<std::string_view, 5>& koepfe,
                            const std::array<const Endungen*, 5>& tabellen,
                            const std::array<std::string, 7>& staemme) {
    std::array<Tempus, 5> t;
    for (std::size_t k = 0; k < t.size(); ++k) {
        t[k].kopf = koepfe[k];
        for (int n = 1; n <= 6; ++n)
            t[k].formen[n - 1] = {staemme[n], std::string((*tabellen[k])[n])};
    }
    return t;
}

} // namespace

void perfakt(Umgebung& u, VerbZustand& v) {
    if (!aktivBereit(u, v)) return;
    const std::string& f = v.stammformen[3];
    if (f.empty()) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    // Exactly one letter is cut, whatever it is: amavi gives amav, fui fu.
    const std::string perfstamm(*text::less(f, 1));
    std::array<std::string, 7> staemme;
    staemme.fill(perfstamm);
    druckeSeite(u, seite({"PERF.IND.AKT.", "PLQPF.IND.AKT.", "FUTUR.EX.AKT.", "PERF.KON.AKT.",
                          "PLQPF.KON.AKT."},
                         {&endungen_perf, &esse_impf, &endungen_futex, &endungen_perfkonj,
                          &endungen_plqpfkonj},
                         staemme));
}

void perfpass(Umgebung& u, VerbZustand& v) {
    if (!verbGewaehlt(u, v)) return;
    if (istVoloNoloMalo(v.stammformen[1])) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    if (v.istsum) {
        melden(u.dialoge, "Nicht vorhanden", "LEER");
        return;
    }
    u.bild1.clear();
    std::string& q = v.stammformen[4];
    // A deponent's perfect is kept up to its first blank: hortatus sum gives hortatus.
    if (!q.empty() && v.deponens) q.erase(std::min(q.find(' '), q.size()));
    const auto plural = text::less(q, 2);
    if (q.empty() || !plural) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER ?");
        return;
    }
    // The participle and a blank; in the plural in -i, with two more blanks.
    std::array<std::string, 7> staemme;
    for (int n = 1; n <= 6; ++n)
        staemme[n] = n < 4 ? q + " " : std::string(*plural) + "i   ";
    druckeSeite(u,
                seite({"PERF.IND.PASS.", "PLQPF.IND.PASS.", "FUTUR.IND.PASS.", "PERF.KON.PASS.",
                       "PLQPF.KON.PASS."},
                      {&esse_praes, &esse_impf, &esse_fut, &esse_konj, &esse_impfkonj}, staemme));
}

} // namespace latiflex::verbs
