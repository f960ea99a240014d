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

std::optional<Tempora> perfektFormen(const Verb& v, grammar::GenusVerbi genus) {
    grammar::AbEins<std::string, 6> staemme;
    if (genus == grammar::GenusVerbi::aktiv) {
        const std::string& f = v.stammformen[3];
        if (v.deponens || f.empty()) return std::nullopt;
        // Exactly one letter is cut, whatever it is: amavi gives amav, fui fu.
        staemme.werte.fill(std::string(*text::less(f, 1)));
        return nachTabellen(
            {&endungen_perf, &esse_impf, &endungen_futex, &endungen_perfkonj, &endungen_plqpfkonj},
            &staemme);
    }
    const std::string& q = v.stammformen[4];
    const auto plural = text::less(q, 2);
    if (istVoloNoloMalo(v.stammformen[1]) || v.istsum || q.empty() || !plural) return std::nullopt;
    // The participle and a blank; in the plural in -i, with two more blanks.
    for (int n = 1; n <= 6; ++n)
        staemme[n] = n < 4 ? q + " " : std::string(*plural) + "i   ";
    return nachTabellen(esseTabellen, &staemme);
}

void perfakt(Umgebung& u, const Verb* verb) {
    if (!leerenFuerAktiv(u, verb)) return;
    const auto tempora = perfektFormen(*verb, grammar::GenusVerbi::aktiv);
    if (!tempora) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    zeigeSeite(u, *verb, Seite::perfektAktiv, *tempora);
}

void perfpass(Umgebung& u, const Verb* verb) {
    if (!verbGewaehlt(u, verb)) return;
    if (istVoloNoloMalo(verb->stammformen[1])) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    if (verb->istsum) {
        melden(u.dialoge, "Nicht vorhanden", "LEER");
        return;
    }
    u.leeren();
    const auto tempora = perfektFormen(*verb, grammar::GenusVerbi::passiv);
    if (!tempora) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER ?");
        return;
    }
    zeigeSeite(u, *verb, Seite::perfektPassiv, *tempora);
}

} // namespace latiflex::verbs
