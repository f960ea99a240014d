#include "grammar/text.h"
#include "grammar/zelle.h"
#include "shell/prompt.h"
#include "verbs/seite.h"
#include "verbs/tempora.h"

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

// The future: 1st singular in -o (active) or -or (passive) where it is formed with -b-.
Formen futur(K klasse, std::string_view p, std::string_view inf, const Endungen& bindevokale,
             Endungen endungen, std::string_view ersteMitB) {
    if (futurMitB(klasse)) endungen[1] = ersteMitB; // amabo, amabor, but legam, regar
    return jePerson([&](int n) { return futurstamm(n, klasse, p, inf, bindevokale); }, endungen);
}

// The active present system of the 1st singular `p` and the infinitive `inf`.
Tempora aktiv(const std::string& p, const std::string& inf, K klasse) {
    Endungen endungen{{"o", "s", "t", "mus", "tis", "nt"}};
    constexpr Endungen bindevokale{{"", "i", "i", "i", "i", "u"}};
    // volo, nolo, malo: their own present stems, the blank of "non vis" included.
    const auto eigenerStamm = [&p](int n) -> std::string_view {
        static constexpr std::array<Endungen, 3> staemme{{
            {{"vol", "vi", "vul", "volu", "vul", "volu"}},
            {{"nol", "non vi", "non vul", "nolu", "non vul", "nolu"}},
            {{"mal", "mavi", "mavul", "malu", "mavul", "malu"}},
        }};
        return staemme[p == "volo" ? 0 : p == "nolo" ? 1 : 2][n];
    };
    const bool unregelmaessig = istVoloNoloMalo(p);

    Tempora t;
    t[0] = jePerson(
        [&](int n) {
            return unregelmaessig ? std::string(eigenerStamm(n))
                                  : praesstamm(n, klasse, p, inf, bindevokale, GenusVerbi::aktiv);
        },
        endungen);

    endungen[1] = "m";
    // voleba, noleba, maleba
    t[1] = einStamm(unregelmaessig ? text::lessOrEmpty(p, 1) + "eba" : impfstamm(klasse, p, inf),
                    endungen);

    t[2] = futur(klasse, p, inf, bindevokale, endungen, "o");

    endungen[1] = "m";
    std::string konj = konjstamm(klasse, p);
    if (unregelmaessig) konj = p == "volo" ? "veli" : p == "nolo" ? "noli" : "mali";
    t[3] = einStamm(konj, endungen);
    t[4] = einStamm(inf, endungen);
    return t;
}

Tempora passiv(const std::string& p, const std::string& inf, K klasse) {
    Endungen endungen{{"or", "ris", "tur", "mur", "mini", "ntur"}};
    constexpr Endungen bindevokale{{"", "e", "i", "i", "i", "u"}};

    Tempora t;
    t[0] = jePerson(
        [&](int n) { return praesstamm(n, klasse, p, inf, bindevokale, GenusVerbi::passiv); },
        endungen);

    endungen[1] = "r";
    t[1] = einStamm(impfstamm(klasse, p, inf), endungen);

    t[2] = futur(klasse, p, inf, bindevokale, endungen, "or");

    endungen[1] = "r";
    t[3] = einStamm(konjstamm(klasse, p), endungen);
    t[4] = einStamm(inf, endungen);
    return t;
}

Tempora esseSeite() {
    const std::array<const Personen*, 5> tabellen{&esse_praes, &esse_impf, &esse_fut, &esse_konj,
                                                  &esse_impfkonj};
    Tempora t;
    for (std::size_t k = 0; k < t.size(); ++k)
        for (int n = 1; n <= 6; ++n)
            t[k][static_cast<std::size_t>(n - 1)] = {std::string((*tabellen[k])[n]), ""};
    return t;
}

// Whether the stems can be cut: an infinitive of two letters at least, and a class from
// "VERBUM" unless the verb has stems of its own.
bool formbar(const VerbZustand& v, bool eigeneStaemme) {
    return text::letterCount(v.stammformen[2]) >= 2 && (v.konjklasse != K::keine || eigeneStaemme);
}

} // namespace

std::optional<Tempora> praesensFormen(const VerbZustand& v, GenusVerbi genus) {
    if (v.verbgewaehlt != VerbGewaehlt::ja) return std::nullopt;
    const std::string& p = v.stammformen[1];
    const std::string& inf = v.stammformen[2];
    if (genus == GenusVerbi::aktiv) {
        if (v.deponens || p.empty() || inf.empty() ||
            (!v.istsum && !formbar(v, istVoloNoloMalo(p))))
            return std::nullopt;
        return v.istsum ? esseSeite() : aktiv(p, inf, v.konjklasse);
    }
    if (v.istsum || p.empty() || inf.empty() || istVoloNoloMalo(p) || !formbar(v, false))
        return std::nullopt;
    return passiv(p, inf, v.konjklasse);
}

void prakt(Umgebung& u, const VerbZustand& v) {
    if (!aktivBereit(u, v)) return;
    const auto tempora = praesensFormen(v, GenusVerbi::aktiv);
    if (!tempora) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    zeigeSeite(u, v, Seite::praesensAktiv, *tempora, v.istsum ? Farbe::ohne : Farbe::wortform);
}

void prpass(Umgebung& u, const VerbZustand& v) {
    if (!verbGewaehlt(u, v)) return;
    if (v.istsum) {
        melden(u.dialoge, "Nicht vorhanden", "LEER");
        return;
    }
    u.leeren();
    const auto tempora = praesensFormen(v, GenusVerbi::passiv);
    if (!tempora) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    zeigeSeite(u, v, Seite::praesensPassiv, *tempora);
}

} // namespace latiflex::verbs
