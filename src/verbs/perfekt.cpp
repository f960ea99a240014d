#include "grammar/text.h"
#include "shell/prompt.h"
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

// Five tenses with the endings tables given, on the stem of each person.
Tempora tempora(const std::array<const Personen*, 5>& tabellen,
                const grammar::AbEins<std::string, 6>& staemme) {
    Tempora t;
    for (std::size_t k = 0; k < t.size(); ++k)
        for (int n = 1; n <= 6; ++n)
            t[k][static_cast<std::size_t>(n - 1)] = {staemme[n], std::string((*tabellen[k])[n])};
    return t;
}

} // namespace

std::optional<Tempora> perfektFormen(const VerbZustand& v, grammar::GenusVerbi genus) {
    if (v.verbgewaehlt != VerbGewaehlt::ja) return std::nullopt;
    grammar::AbEins<std::string, 6> staemme;
    if (genus == grammar::GenusVerbi::aktiv) {
        const std::string& f = v.stammformen[3];
        if (v.deponens || f.empty()) return std::nullopt;
        // Exactly one letter is cut, whatever it is: amavi gives amav, fui fu.
        staemme.werte.fill(std::string(*text::less(f, 1)));
        return tempora(
            {&endungen_perf, &esse_impf, &endungen_futex, &endungen_perfkonj, &endungen_plqpfkonj},
            staemme);
    }
    const std::string& q = v.stammformen[4];
    const auto plural = text::less(q, 2);
    if (istVoloNoloMalo(v.stammformen[1]) || v.istsum || q.empty() || !plural) return std::nullopt;
    // The participle and a blank; in the plural in -i, with two more blanks.
    for (int n = 1; n <= 6; ++n)
        staemme[n] = n < 4 ? q + " " : std::string(*plural) + "i   ";
    return tempora({&esse_praes, &esse_impf, &esse_fut, &esse_konj, &esse_impfkonj}, staemme);
}

void perfakt(Umgebung& u, const VerbZustand& v) {
    if (!aktivBereit(u, v)) return;
    const auto formen = perfektFormen(v, grammar::GenusVerbi::aktiv);
    if (!formen) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    zeigeSeite(u, v, Seite::perfektAktiv, *formen);
}

void perfpass(Umgebung& u, const VerbZustand& v) {
    if (!verbGewaehlt(u, v)) return;
    if (istVoloNoloMalo(v.stammformen[1])) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    if (v.istsum) {
        melden(u.dialoge, "Nicht vorhanden", "LEER");
        return;
    }
    u.leeren();
    const auto formen = perfektFormen(v, grammar::GenusVerbi::passiv);
    if (!formen) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER ?");
        return;
    }
    zeigeSeite(u, v, Seite::perfektPassiv, *formen);
}

} // namespace latiflex::verbs
