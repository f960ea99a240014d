// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammar/text.h"
#include "grammar/zelle.h"
#include "verbs/tempora.h"
#include "verbs/zeitseite.h"

#include <string>

namespace latiflex::verbs {

namespace {

using Endungen = grammar::AbEins<std::string_view, 6>;
using K = Konjklasse;

using grammar::GenusVerbi;

// The present-indicative stem of person n; a later rule that holds replaces an earlier one.
std::string praesstamm(int n, K klasse, std::string_view p, std::string_view inf,
                       const Endungen& bindevokale, GenusVerbi genus) {
    std::string stamm;
    if (klasse == K::a || klasse == K::e || klasse == K::i) stamm = text::lessOrEmpty(inf, 2);
    if (klasse == K::konsonantisch) stamm = text::lessOrEmpty(p, 1).append(bindevokale[n]);
    if (klasse == K::misch) stamm = text::lessOrEmpty(p, 1);
    if (n == 1 && klasse == K::a) stamm = text::lessOrEmpty(p, 1);
    if (genus == GenusVerbi::passiv && n == 2 && klasse == K::misch)
        stamm = text::lessOrEmpty(inf, 2); // caperis
    if (n == 6 && klasse == K::i) stamm = text::lessOrEmpty(inf, 2) + "u";
    if (n == 6 && klasse == K::misch) stamm = text::lessOrEmpty(p, 1) + "u";
    return stamm;
}

std::string impfstamm(K klasse, std::string_view p, std::string_view inf) {
    return imperfektAusInfinitiv(klasse) ? text::lessOrEmpty(inf, 2) + "ba"
                                         : text::lessOrEmpty(p, 1) + "eba";
}

// The future stem of person n: -b- with the connecting vowel in the A and E classes, the
// vowel a, then e, in the others.
std::string futurstamm(int n, K klasse, std::string_view p, std::string_view inf,
                       const Endungen& bindevokale) {
    if (futurMitB(klasse)) return text::lessOrEmpty(inf, 2).append("b").append(bindevokale[n]);
    if (futurMitAundE(klasse)) return text::lessOrEmpty(p, 1) + (n == 1 ? "a" : "e");
    return {};
}

std::string konjstamm(K klasse, std::string_view p) {
    return text::lessOrEmpty(p, 1) + (klasse == K::a ? "e" : "a");
}

// The six persons: the stem of each, with the endings of the table.
template <typename Stamm> Formen jePerson(Stamm stamm, const Endungen& endungen) {
    Formen f;
    for (int n = 1; n <= 6; ++n)
        f[static_cast<std::size_t>(n - 1)] = {stamm(n), std::string(endungen[n])};
    return f;
}

// One stem for all six persons, with the endings of the table.
Formen einStamm(const std::string& stamm, const Endungen& endungen) {
    return jePerson([&stamm](int) { return stamm; }, endungen);
}

// The future: with -b- the endings of the present (amabo, amabor), else those of the
// other tenses (legam, regar).
Formen futur(K klasse, std::string_view p, std::string_view inf, const Endungen& bindevokale,
             const Endungen& praesens, const Endungen& sonst) {
    return jePerson([&](int n) { return futurstamm(n, klasse, p, inf, bindevokale); },
                    futurMitB(klasse) ? praesens : sonst);
}

// The endings of the present and of the other tenses, active and passive.
constexpr Endungen praesensAktiv{{"o", "s", "t", "mus", "tis", "nt"}};
constexpr Endungen sonstAktiv{{"m", "s", "t", "mus", "tis", "nt"}};
constexpr Endungen praesensPassiv{{"or", "ris", "tur", "mur", "mini", "ntur"}};
constexpr Endungen sonstPassiv{{"r", "ris", "tur", "mur", "mini", "ntur"}};

// volo, nolo, malo: their own present stems, the blank of "non vis" included, and their
// own subjunctive stems.
std::string_view eigenerStamm(std::string_view p, int n) {
    static constexpr std::array<Endungen, 3> staemme{{
        {{"vol", "vi", "vul", "volu", "vul", "volu"}},
        {{"nol", "non vi", "non vul", "nolu", "non vul", "nolu"}},
        {{"mal", "mavi", "mavul", "malu", "mavul", "malu"}},
    }};
    return staemme[p == "volo" ? 0 : p == "nolo" ? 1 : 2][n];
}

std::string eigenerKonjunktiv(std::string_view p) {
    return p == "volo" ? "veli" : p == "nolo" ? "noli" : "mali";
}

// The active present system of the 1st singular `p` and the infinitive `inf`.
Tempora aktiv(const std::string& p, const std::string& inf, K klasse) {
    constexpr Endungen bindevokale{{"", "i", "i", "i", "i", "u"}};
    const bool unregelmaessig = istVoloNoloMalo(p);
    Tempora t;
    t[0] = jePerson(
        [&](int n) {
            return unregelmaessig ? std::string(eigenerStamm(p, n))
                                  : praesstamm(n, klasse, p, inf, bindevokale, GenusVerbi::aktiv);
        },
        praesensAktiv);
    // voleba, noleba, maleba
    t[1] = einStamm(unregelmaessig ? text::lessOrEmpty(p, 1) + "eba" : impfstamm(klasse, p, inf),
                    sonstAktiv);
    t[2] = futur(klasse, p, inf, bindevokale, praesensAktiv, sonstAktiv);
    t[3] = einStamm(unregelmaessig ? eigenerKonjunktiv(p) : konjstamm(klasse, p), sonstAktiv);
    t[4] = einStamm(inf, sonstAktiv);
    return t;
}

Tempora passiv(const std::string& p, const std::string& inf, K klasse) {
    constexpr Endungen bindevokale{{"", "e", "i", "i", "i", "u"}};
    Tempora t;
    t[0] = jePerson(
        [&](int n) { return praesstamm(n, klasse, p, inf, bindevokale, GenusVerbi::passiv); },
        praesensPassiv);
    t[1] = einStamm(impfstamm(klasse, p, inf), sonstPassiv);
    t[2] = futur(klasse, p, inf, bindevokale, praesensPassiv, sonstPassiv);
    t[3] = einStamm(konjstamm(klasse, p), sonstPassiv);
    t[4] = einStamm(inf, sonstPassiv);
    return t;
}

// Whether the stems can be cut: an infinitive of two letters at least, and a class from
// "VERBUM" unless the verb has stems of its own.
bool formbar(const Verb& v, bool eigeneStaemme) {
    return text::letterCount(v.stammformen[2]) >= 2 && (v.konjklasse != K::keine || eigeneStaemme);
}

} // namespace

std::optional<Tempora> praesensAktivFormen(const Verb& v) {
    const std::string& p = v.stammformen[1];
    if (p.empty() || v.stammformen[2].empty() || (!v.istsum && !formbar(v, istVoloNoloMalo(p))))
        return std::nullopt;
    if (v.istsum) return nachTabellen(esseTabellen);
    return aktiv(p, v.stammformen[2], v.konjklasse);
}

std::optional<Tempora> praesensPassivFormen(const Verb& v) {
    const std::string& p = v.stammformen[1];
    if (p.empty() || v.stammformen[2].empty() || istVoloNoloMalo(p) || !formbar(v, false))
        return std::nullopt;
    return passiv(p, v.stammformen[2], v.konjklasse);
}

} // namespace latiflex::verbs
