// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/bestimmung.h"

#include "analysis/kandidaten.h"
#include "analysis/muster.h"
#include "analysis/schreibung.h"
#include "drill/vergleich.h"
#include "engine/wort.h"
#include "grammar/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <unordered_map>

namespace latiflex::analysis {

namespace {

using grammar::Paradigma;

// A root is the less probable the more letters it has beyond those its pattern fixes.
constexpr double strafeJeBuchstabe = 2.0;
// A pattern seen only with roots of other last letters is that much less probable.
constexpr double beliebigStrafe = 3.0;

// The pages of an entry: one for a noun or an adjective, the four tense pages of a verb.
std::size_t seitenZahl(std::string_view befehl) { return befehl == "VERBUM" ? 4 : 1; }

// The page `seite` of the entry as its command prints it (a verb's tense pages in the order
// of their buttons); nothing where the command refuses it.
const Paradigma* seiteVon(const engine::Wort& w, std::size_t seite) {
    if (!w.verb) return w.seite.get();
    const auto& z = w.zeitseiten[seite];
    return z ? z->get() : nullptr;
}

Eingabe bilden(const Muster& m, std::string_view wurzel) {
    Eingabe e{std::string(m.befehl), {}};
    for (std::size_t i = 0; i < antwortenZahl(m); ++i)
        e.antworten.push_back(std::string(wurzel).append(m.endungen[i]));
    return e;
}

std::string schluessel(std::string_view endung, char letzter) {
    return std::string(endung).append(1, '|').append(1, letzter);
}

struct Fundstelle {
    std::uint16_t muster;
    std::uint8_t seite;
    bool beliebig; // found for a root with any last letter, not only the pattern's own
};

// The letter that stands for any last letter of a root.
constexpr char jederBuchstabe = '*';

// For every pattern, what its example's pages print after the stem all its forms share,
// by that ending and the root's last letter; the letters of the root beyond that stem
// (causa: the a that rosis does not show); the class each pattern's pages name; and how
// many words follow its tails with a root of any last letter (a pattern tried beyond the
// letters it was seen with is weighed by its words, not by how often they occur, which
// would let a few frequent words speak for roots they do not have).
struct Verzeichnis {
    std::unordered_map<std::string, std::vector<Fundstelle>> nachEndung;
    std::vector<std::string> klassen;
    std::vector<std::string> zurueck;
    std::vector<int> alleBuchstaben;
    std::size_t laengsteEndung = 0;

    Verzeichnis() {
        const auto muster = alleMuster();
        klassen.resize(muster.size());
        zurueck.resize(muster.size());
        alleBuchstaben.resize(muster.size());
        std::map<std::pair<std::string_view, std::array<std::string_view, 4>>, std::size_t> erste;
        for (std::size_t i = 0; i < muster.size(); ++i) {
            const Muster& m = muster[i];
            const auto [it, neu] = erste.try_emplace({m.befehl, m.endungen}, i);
            alleBuchstaben[it->second] += m.anzahl;
            const bool auchBeliebig = neu && m.letzter != 0;

            const auto wort = engine::bilde(bilden(m, m.beispiel));
            std::vector<std::pair<std::string, std::size_t>> gedruckt;
            std::string stamm(m.beispiel);
            for (std::size_t s = 0; wort && s < seitenZahl(m.befehl); ++s) {
                const Paradigma* p = seiteVon(*wort, s);
                if (!p) continue;
                klassen[i] = p->klasse;
                for (const auto& block : p->bloecke)
                    for (const auto& form : block.formen) {
                        if (form.wortform.leer()) continue;
                        gedruckt.emplace_back(text::einBlank(form.wortform.ganz()), s);
                        const auto& g = gedruckt.back().first;
                        const auto gleich =
                            std::mismatch(stamm.begin(), stamm.end(), g.begin(), g.end());
                        stamm.erase(gleich.first, stamm.end());
                    }
            }
            zurueck[i] = m.beispiel.substr(stamm.size());
            const char letzter = zurueck[i].empty() ? m.letzter : jederBuchstabe;
            for (const auto& [ganz, s] : gedruckt) {
                const std::string_view endung = std::string_view(ganz).substr(stamm.size());
                laengsteEndung = std::max(laengsteEndung, endung.size());
                eintragen(endung, letzter,
                          {static_cast<std::uint16_t>(i), static_cast<std::uint8_t>(s), false});
                if (auchBeliebig && letzter != jederBuchstabe)
                    eintragen(endung, jederBuchstabe,
                              {static_cast<std::uint16_t>(i), static_cast<std::uint8_t>(s), true});
            }
        }
    }

private:
    void eintragen(std::string_view endung, char letzter, Fundstelle f) {
        auto& liste = nachEndung[schluessel(endung, letzter)];
        if (liste.empty() || liste.back().muster != f.muster || liste.back().seite != f.seite ||
            liste.back().beliebig != f.beliebig)
            liste.push_back(f);
    }
};

const Verzeichnis& verzeichnis() {
    static const Verzeichnis v;
    return v;
}

struct Kandidat {
    Eingabe eingabe;
    std::string klasse; // the class its pattern's pages name; empty for the pupil's words
    double gewicht = -1e9;
    bool eigen = false;
    std::array<bool, 4> seiten{};
    std::vector<Deutung> deutungen;
};

// How probable an entry is, as a logarithm: as common as the words of its pattern are in
// texts, and the less so the longer its root, since each letter of a root is one more
// chance (a long root most often holds an ending the pattern missed).
double gewicht(int anzahl, std::size_t wurzel) {
    return std::log(double(anzahl)) - strafeJeBuchstabe * double(wurzel);
}

// A pattern by its words and by how often they occur, half each: by occurrences alone a
// few frequent words (do, dare, dedi) would outweigh a whole class (laudo, laudavi).
double gewicht(const Muster& m, std::size_t wurzel) {
    return 0.5 * std::log(double(m.anzahl)) + 0.5 * std::log(double(m.haeufigkeit) + 1) -
           strafeJeBuchstabe * double(wurzel);
}

// The readings of the candidate: every cell of its pages that prints the form whose
// `schluessel` is `wort`.
void pruefen(Kandidat& k, const std::string& wort) {
    const auto gebildet = engine::bilde(k.eingabe, k.seiten);
    for (std::size_t s = 0; gebildet && s < seitenZahl(k.eingabe.befehl); ++s) {
        if (!k.seiten[s]) continue;
        const Paradigma* p = seiteVon(*gebildet, s);
        if (!p || (!k.eigen && p->klasse != k.klasse)) continue;
        for (const auto& block : p->bloecke)
            for (const auto& form : block.formen)
                if (!form.wortform.leer() &&
                    gleichGeschrieben(form.wortform.stamm, form.wortform.endung, wort)) {
                    Deutung& d = k.deutungen.emplace_back();
                    d.eingabe = k.eingabe;
                    d.seite = p->seite;
                    d.klasse = p->klasse;
                    d.zelle = form.zelle;
                    d.wortform = form.wortform;
                    d.eigen = k.eigen;
                    d.gewicht = k.gewicht;
                }
    }
}

} // namespace

Eingabe eingabe(const Paradigma& seite) {
    Eingabe e{seite.wortart == grammar::Wortart::substantiv ? "SUBST"
              : seite.wortart == grammar::Wortart::adjektiv ? "ADJEKTIV"
                                                            : "VERBUM",
              {}};
    for (const auto& s : seite.stichwoerter)
        e.antworten.push_back(s.wort);
    return e;
}

std::string woerter(const Eingabe& eingabe) {
    std::size_t n = eingabe.antworten.size();
    while (n > 0 && eingabe.antworten[n - 1].empty())
        --n;
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s.append(i ? ", " : "").append(eingabe.antworten[i]);
    return s;
}

std::vector<std::vector<Deutung>> regelEintraege(const std::string& wort,
                                                 const std::vector<Eingabe>& eigene) {
    const Verzeichnis& v = verzeichnis();
    const auto muster = alleMuster();
    std::map<std::vector<std::string>, Kandidat> kandidaten;
    const auto kandidat = [&kandidaten](Eingabe e) -> Kandidat& {
        std::vector<std::string> schluessel{e.befehl};
        schluessel.insert(schluessel.end(), e.antworten.begin(), e.antworten.end());
        auto [it, neu] = kandidaten.try_emplace(std::move(schluessel));
        if (neu) it->second.eingabe = std::move(e);
        return it->second;
    };

    for (std::size_t k = 0; k <= std::min(wort.size(), v.laengsteEndung); ++k) {
        const std::string_view stamm = std::string_view(wort).substr(0, wort.size() - k);
        if (stamm.find(' ') != std::string_view::npos) continue;
        const std::string_view endung = std::string_view(wort).substr(stamm.size());
        for (const char letzter : {stamm.empty() ? char(0) : stamm.back(), jederBuchstabe}) {
            const auto it = v.nachEndung.find(schluessel(endung, letzter));
            if (it == v.nachEndung.end()) continue;
            for (const Fundstelle& f : it->second) {
                const Muster& m = muster[f.muster];
                const std::string wurzel = std::string(stamm) + v.zurueck[f.muster];
                if (m.letzter != 0 && wurzel.empty()) continue;
                Kandidat& c = kandidat(bilden(m, wurzel));
                if (c.klasse.empty()) c.klasse = v.klassen[f.muster];
                const double g =
                    f.beliebig ? gewicht(v.alleBuchstaben[f.muster], wurzel.size()) - beliebigStrafe
                               : gewicht(m, wurzel.size());
                c.gewicht = std::max(c.gewicht, g);
                c.seiten[f.seite] = true;
            }
        }
    }
    for (const Eingabe& e : eigene) {
        if (e.befehl != "SUBST" && e.befehl != "ADJEKTIV" && e.befehl != "VERBUM") continue;
        Kandidat& c = kandidat(e);
        c.eigen = true;
        c.seiten.fill(true);
    }

    const std::string gesucht = analysis::schluessel(wort);
    std::vector<std::vector<Deutung>> gefunden;
    for (auto& [antworten, k] : kandidaten) {
        pruefen(k, gesucht);
        if (!k.deutungen.empty()) gefunden.push_back(std::move(k.deutungen));
    }
    return gefunden;
}

std::vector<Deutung> lesarten(const Eingabe& eingabe, const std::string& wort) {
    Kandidat k;
    k.eingabe = eingabe;
    k.eigen = true; // every page, whatever class it names
    k.seiten.fill(true);
    pruefen(k, analysis::schluessel(wort));
    for (auto& d : k.deutungen)
        d.eigen = false;
    return std::move(k.deutungen);
}

} // namespace latiflex::analysis
