#include "grammar/text.h"
#include "interfaces/prompt.h"
#include "verbs/seite.h"
#include "verbs/tempora.h"

#include <string>

namespace latiflex::verbs {

namespace {

constexpr Personen endungen_perf{{"i", "isti", "it", "imus", "istis", "erunt"}};
constexpr Personen endungen_perfkonj{{"erim", "eris", "erit", "erimus", "eritis", "erint"}};
constexpr Personen endungen_plqpfkonj{{"issem", "isses", "isset", "issemus", "issetis", "issent"}};
// The future perfect takes the future of esse, but "erint" in the 3rd plural.
constexpr Personen endungen_futex{{"ero", "eris", "erit", "erimus", "eritis", "erint"}};

} // namespace

void perfakt(Umgebung& u, const Verb* verb) {
    if (!leerenFuerAktiv(u, verb)) return;
    const Verb& v = *verb;
    const std::string& f = v.stammformen[3];
    if (f.empty()) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    // Exactly one letter is cut, whatever it is: amavi gives amav, fui fu.
    grammar::AbEins<std::string, 6> staemme;
    staemme.werte.fill(std::string(*text::less(f, 1)));
    zeigeSeite(u, v, Seite::perfektAktiv,
               nachTabellen({&endungen_perf, &esse_impf, &endungen_futex, &endungen_perfkonj,
                             &endungen_plqpfkonj},
                            &staemme));
}

void perfpass(Umgebung& u, const Verb* verb) {
    if (!verbGewaehlt(u, verb)) return;
    const Verb& v = *verb;
    if (istVoloNoloMalo(v.stammformen[1])) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    if (v.istsum) {
        melden(u.dialoge, "Nicht vorhanden", "LEER");
        return;
    }
    u.leeren();
    const std::string& q = v.stammformen[4];
    const auto plural = text::less(q, 2);
    if (q.empty() || !plural) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER ?");
        return;
    }
    // The participle and a blank; in the plural in -i, with two more blanks.
    grammar::AbEins<std::string, 6> staemme;
    for (int n = 1; n <= 6; ++n)
        staemme[n] = n < 4 ? q + " " : std::string(*plural) + "i   ";
    zeigeSeite(u, v, Seite::perfektPassiv, nachTabellen(esseTabellen, &staemme));
}

} // namespace latiflex::verbs
