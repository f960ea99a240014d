// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammar/text.h"
#include "interfaces/prompt.h"
#include "verbs/tempora.h"
#include "verbs/zeitseite.h"

#include <array>
#include <string>

namespace latiflex::verbs {

namespace {

constexpr Personen endungen_perf{{"i", "isti", "it", "imus", "istis", "erunt"}};
constexpr Personen endungen_perfkonj{{"erim", "eris", "erit", "erimus", "eritis", "erint"}};
constexpr Personen endungen_plqpfkonj{{"issem", "isses", "isset", "issemus", "issetis", "issent"}};
// The future perfect takes the future of esse, but "erint" in the 3rd plural.
constexpr Personen endungen_futex{{"ero", "eris", "erit", "erimus", "eritis", "erint"}};

} // namespace

std::optional<Tempora> perfektAktivFormen(const Verb& v) {
    const std::string& f = v.stammformen[3];
    if (f.empty()) return std::nullopt;
    // Exactly one letter is cut, whatever it is: amavi gives amav, fui fu.
    grammar::AbEins<std::string, 6> staemme;
    staemme.werte.fill(std::string(*text::less(f, 1)));
    return nachTabellen(
        {&endungen_perf, &esse_impf, &endungen_futex, &endungen_perfkonj, &endungen_plqpfkonj},
        &staemme);
}

std::optional<Tempora> perfektPassivFormen(const Verb& v) {
    const std::string& q = v.stammformen[4];
    const auto plural = text::less(q, 2);
    if (q.empty() || !plural) return std::nullopt;
    // The participle and a blank; in the plural in -i, with two more blanks.
    grammar::AbEins<std::string, 6> staemme;
    for (int n = 1; n <= 6; ++n)
        staemme[n] = n < 4 ? q + " " : std::string(*plural) + "i   ";
    return nachTabellen(esseTabellen, &staemme);
}

Ergebnis<grammar::Paradigma> seite(const Verb& v, Zeitseite seite) {
    if (auto nein = schranke(v, seite)) return std::move(*nein);
    // Each page's forms, in the order of the pages.
    static constexpr std::array<std::optional<Tempora> (*)(const Verb&), 4> formen{
        praesensAktivFormen, praesensPassivFormen, perfektAktivFormen, perfektPassivFormen};
    const std::optional<Tempora> t = formen.at(static_cast<std::size_t>(seite))(v);
    // The perfect passive has its own title for a participle the rules cannot cut.
    if (!t)
        return keineFormen(seite == Zeitseite::perfektPassiv ? "EINGABEFEHLER ?" : "EINGABEFEHLER");
    const bool esse = seite == Zeitseite::praesensAktiv && v.istsum;
    return seitenParadigma(v, seite, *t, esse ? Farbe::ohne : Farbe::wortform);
}

} // namespace latiflex::verbs
