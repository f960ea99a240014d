#include "shell/prompt.h"
#include "grammar/text.h"
#include "verbs/seite.h"
#include "verbs/tempora.h"

#include <string>

namespace latiflex::verbs {

namespace {

using Endungen = std::array<std::string_view, 7>;

enum class Genus { aktiv, passiv };

// The present-indicative stem of person n; a later rule that holds replaces an earlier one.
std::string praesstamm(int n, int klasse, std::string_view p, std::string_view inf,
                       const Endungen& bindevokale, Genus genus) {
    std::string stamm;
    if (klasse == a || klasse == e || klasse == i) stamm = text::lessOrEmpty(inf, 2);
    if (klasse == konsonantisch) stamm = text::lessOrEmpty(p, 1).append(bindevokale[n]);
    if (klasse == misch) stamm = text::lessOrEmpty(p, 1);
    if (n == 1 && klasse == a) stamm = text::lessOrEmpty(p, 1);
    if (genus == Genus::passiv && n == 2 && klasse == misch)
        stamm = text::lessOrEmpty(inf, 2); // caperis
    if (n == 6 && klasse == i) stamm = text::lessOrEmpty(inf, 2) + "u";
    if (n == 6 && klasse == misch) stamm = text::lessOrEmpty(p, 1) + "u";
    return stamm;
}

std::string impfstamm(int klasse, std::string_view p, std::string_view inf) {
    return klasse < i ? text::lessOrEmpty(inf, 2) + "ba" : text::lessOrEmpty(p, 1) + "eba";
}

// The future stem of person n: -b- with the connecting vowel in the A and E classes, the
// vowel a, then e, in the others.
std::string futurstamm(int n, int klasse, std::string_view p, std::string_view inf,
                       const Endungen& bindevokale) {
    if (klasse == a || klasse == e)
        return text::lessOrEmpty(inf, 2).append("b").append(bindevokale[n]);
    if (klasse > e) return text::lessOrEmpty(p, 1) + (n == 1 ? "a" : "e");
    return {};
}

std::string konjstamm(int klasse, std::string_view p) {
    return text::lessOrEmpty(p, 1) + (klasse == a ? "e" : "a");
}

bool istAundE(int klasse) { return klasse == a || klasse == e; }

std::array<Tempus, 5> aktiv(VerbZustand& v) {
    const std::string& p = v.stammformen[1];
    const std::string& inf = v.stammformen[2];
    Endungen endungen{"", "o", "s", "t", "mus", "tis", "nt"};
    constexpr Endungen bindevokale{"", "", "i", "i", "i", "i", "u"};
    // volo, nolo, malo: their own present stems, the blank of "non vis" included.
    const auto eigenerStamm = [&p](int n) -> std::string_view {
        static constexpr std::array<Endungen, 3> staemme{{
            {"", "vol", "vi", "vul", "volu", "vul", "volu"},
            {"", "nol", "non vi", "non vul", "nolu", "non vul", "nolu"},
            {"", "mal", "mavi", "mavul", "malu", "mavul", "malu"},
        }};
        return staemme[p == "volo" ? 0 : p == "nolo" ? 1 : 2][n];
    };
    const bool unregelmaessig = istVoloNoloMalo(p);

    std::array<Tempus, 5> t{{{"PRAES.IND.AKT.", {}},
                             {"IMP.IND.AKT.", {}},
                             {"FUTUR.AKT.", {}},
                             {"PRAES.KON.AKT.", {}},
                             {"IMP.KON.AKT", {}}}};
    for (int n = 1; n <= 6; ++n) {
        t[0].formen[n - 1] = {unregelmaessig
                                  ? std::string(eigenerStamm(n))
                                  : praesstamm(n, v.konjklasse, p, inf, bindevokale, Genus::aktiv),
                              std::string(endungen[n])};
    }

    endungen[1] = "m";
    std::string impf = impfstamm(v.konjklasse, p, inf);
    if (unregelmaessig) impf = text::lessOrEmpty(p, 1) + "eba"; // voleba, noleba, maleba
    for (int n = 1; n <= 6; ++n)
        t[1].formen[n - 1] = {impf, std::string(endungen[n])};

    if (unregelmaessig) v.konjklasse = konsonantisch; // and so it stays
    for (int n = 1; n <= 6; ++n) {
        if (istAundE(v.konjklasse)) endungen[1] = "o";
        t[2].formen[n - 1] = {futurstamm(n, v.konjklasse, p, inf, bindevokale),
                              std::string(endungen[n])};
    }

    endungen[1] = "m";
    std::string konj = konjstamm(v.konjklasse, p);
    if (unregelmaessig) konj = p == "volo" ? "veli" : p == "nolo" ? "noli" : "mali";
    for (int n = 1; n <= 6; ++n) {
        t[3].formen[n - 1] = {konj, std::string(endungen[n])};
        t[4].formen[n - 1] = {inf, std::string(endungen[n])};
    }
    return t;
}

std::array<Tempus, 5> passiv(const VerbZustand& v) {
    const std::string& p = v.stammformen[1];
    const std::string& inf = v.stammformen[2];
    const int klasse = v.konjklasse;
    Endungen endungen{"", "or", "ris", "tur", "mur", "mini", "ntur"};
    constexpr Endungen bindevokale{"", "", "e", "i", "i", "i", "u"};

    std::array<Tempus, 5> t{{{"PRAES.IND.PASS.", {}},
                             {"IMP.IND.PASS.", {}},
                             {"FUTUR.PASS.", {}},
                             {"PRAES.KON.PASS.", {}},
                             {"IMP.KON.PASS.", {}}}};
    for (int n = 1; n <= 6; ++n)
        t[0].formen[n - 1] = {praesstamm(n, klasse, p, inf, bindevokale, Genus::passiv),
                              std::string(endungen[n])};

    endungen[1] = "r";
    const std::string impf = impfstamm(klasse, p, inf);
    for (int n = 1; n <= 6; ++n)
        t[1].formen[n - 1] = {impf, std::string(endungen[n])};

    if (istAundE(klasse)) endungen[1] = "or"; // amabor, but regar
    for (int n = 1; n <= 6; ++n)
        t[2].formen[n - 1] = {futurstamm(n, klasse, p, inf, bindevokale), std::string(endungen[n])};

    endungen[1] = "r";
    const std::string konj = konjstamm(klasse, p);
    for (int n = 1; n <= 6; ++n) {
        t[3].formen[n - 1] = {konj, std::string(endungen[n])};
        t[4].formen[n - 1] = {inf, std::string(endungen[n])};
    }
    return t;
}

std::array<Tempus, 5> esseSeite() {
    std::array<Tempus, 5> t{{{"PRAES.IND.AKT.", {}},
                             {"IMP.IND.AKT.", {}},
                             {"FUTUR.AKT.", {}},
                             {"PRAES.KON.AKT.", {}},
                             {"IMP.KON.AKT", {}}}};
    const std::array<const Personen*, 5> tabellen{&esse_praes, &esse_impf, &esse_fut, &esse_konj,
                                                  &esse_impfkonj};
    for (std::size_t k = 0; k < t.size(); ++k)
        for (int n = 1; n <= 6; ++n)
            t[k].formen[n - 1] = {std::string((*tabellen[k])[n]), ""};
    return t;
}

// Whether the stems can be cut: an infinitive of two letters at least, and a class from
// "VERBUM" unless the verb has stems of its own.
bool formbar(const VerbZustand& v, bool eigeneStaemme) {
    return text::letterCount(v.stammformen[2]) >= 2 && (v.konjklasse != keine || eigeneStaemme);
}

} // namespace

void prakt(Umgebung& u, VerbZustand& v) {
    if (!aktivBereit(u, v)) return;
    const std::string& p = v.stammformen[1];
    if (p.empty() || v.stammformen[2].empty() || (!v.istsum && !formbar(v, istVoloNoloMalo(p)))) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    if (v.istsum)
        druckeSeite(u, esseSeite(), Farbe::ohne);
    else
        druckeSeite(u, aktiv(v));
}

void prpass(Umgebung& u, VerbZustand& v) {
    if (!verbGewaehlt(u, v)) return;
    if (v.istsum) {
        melden(u.dialoge, "Nicht vorhanden", "LEER");
        return;
    }
    u.bild1.clear();
    const std::string& p = v.stammformen[1];
    if (p.empty() || v.stammformen[2].empty() || istVoloNoloMalo(p) || !formbar(v, false)) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    druckeSeite(u, passiv(v));
}

} // namespace latiflex::verbs
