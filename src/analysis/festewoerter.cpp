// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/festewoerter.h"

#include "analysis/festewoertertabelle.h"
#include "analysis/schreibung.h"
#include "analysis/zeilen.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>

namespace latiflex::analysis {

namespace {

using grammar::Genus;
using grammar::GenusVerbi;
using grammar::Modus;
using grammar::Numerus;
using grammar::Tempus;
using grammar::Zelle;

std::vector<std::string> teile(std::string_view s, std::string_view trenner) {
    std::vector<std::string> t;
    for (std::size_t i; (i = s.find(trenner)) != std::string_view::npos;) {
        t.emplace_back(s.substr(0, i));
        s.remove_prefix(i + trenner.size());
    }
    t.emplace_back(s);
    return t;
}

// A row's key: "m.sg" or "pl" for the cases, "pass.subj.impf" for the persons.
struct Zeile {
    std::optional<Genus> genus;
    Numerus numerus = Numerus::singular;
    bool verb = false;
    Tempus tempus = Tempus::praesens;
    Modus modus = Modus::indikativ;
    GenusVerbi genusVerbi = GenusVerbi::aktiv;

    Zelle zelle(int i) const {
        if (verb) return grammar::personenZelle(i + 1, tempus, modus, genusVerbi);
        return grammar::nomenZelle(static_cast<grammar::Kasus>(i), numerus, genus);
    }
};

std::optional<Zeile> zeile(std::string_view key) {
    const auto t = teile(key, ".");
    Zeile z;
    if (t.size() == 3) {
        static const std::map<std::string, Tempus> tempora{
            {"pres", Tempus::praesens}, {"impf", Tempus::imperfekt}, {"fut", Tempus::futur1}};
        const auto tempus = tempora.find(t[2]);
        if (tempus == tempora.end()) return std::nullopt;
        z.verb = true;
        z.tempus = tempus->second;
        z.modus = t[1] == "subj" ? Modus::konjunktiv : Modus::indikativ;
        z.genusVerbi = t[0] == "pass" ? GenusVerbi::passiv : GenusVerbi::aktiv;
        return z;
    }
    if (t.size() == 2)
        z.genus = t[0] == "m" ? Genus::maskulinum : t[0] == "f" ? Genus::femininum : Genus::neutrum;
    z.numerus = t.back() == "pl" ? Numerus::plural : Numerus::singular;
    return z;
}

// A form the word has but not its compounds (forem beside essem, but not abforem).
bool eigeneForm(std::string_view form) { return form.ends_with("!"); }

bool vokal(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

// The perfect system of a verb: from the perfect's stem (fu-i) with the endings every verb
// has, or, for a verb whose perfect is "factus sum", from its participle with the forms of
// sum; and the perfect passive from the participle its supine gives (latum: latus).
class Perfektformen {
public:
    explicit Perfektformen(const FestesWort& sum) {
        for (const auto& [zelle, form] : sum.formen)
            if (zelle && !sumFormen_.count(key(*zelle))) sumFormen_[key(*zelle)] = form;
    }

    void aktiv(FestesWort& w, const std::string& perfekt) const {
        if (perfekt.ends_with(" sum"))
            return umschrieben(w, perfekt.substr(0, perfekt.size() - 4), GenusVerbi::aktiv);
        if (!perfekt.ends_with("i")) return;
        const std::string stamm = perfekt.substr(0, perfekt.size() - 1);
        static constexpr std::array<std::array<std::string_view, 6>, 5> endungen{{
            {"i", "isti", "it", "imus", "istis", "erunt/ere"},
            {"eram", "eras", "erat", "eramus", "eratis", "erant"},
            {"ero", "eris", "erit", "erimus", "eritis", "erint"},
            {"erim", "eris", "erit", "erimus", "eritis", "erint"},
            {"issem", "isses", "isset", "issemus", "issetis", "issent"},
        }};
        for (std::size_t t = 0; t < endungen.size(); ++t)
            for (int p = 0; p < 6; ++p)
                for (const auto& e : teile(endungen[t][p], "/"))
                    w.formen.emplace_back(zelle(t, p, GenusVerbi::aktiv), stamm + e);
    }

    void umschrieben(FestesWort& w, const std::string& partizip, GenusVerbi gv) const {
        if (!partizip.ends_with("us")) return;
        const std::string plural = partizip.substr(0, partizip.size() - 2) + "i";
        for (std::size_t t = 0; t < reihen.size(); ++t)
            for (int p = 0; p < 6; ++p) {
                const auto sum = sumFormen_.find(key(grammar::personenZelle(
                    p + 1, reihen[t].sum, reihen[t].modus, GenusVerbi::aktiv)));
                if (sum == sumFormen_.end()) continue;
                w.formen.emplace_back(zelle(t, p, gv),
                                      (p < 3 ? partizip : plural) + " " + sum->second);
            }
    }

private:
    // The rows of the perfect system: perfect, pluperfect, future perfect, then the
    // subjunctive's perfect and pluperfect; each with the tense of sum that makes it after a
    // participle (laudatus sum, eram, ero, sim, essem).
    struct Reihe {
        Tempus tempus;
        Tempus sum;
        Modus modus;
    };
    static constexpr std::array<Reihe, 5> reihen{{
        {Tempus::perfekt, Tempus::praesens, Modus::indikativ},
        {Tempus::plusquamperfekt, Tempus::imperfekt, Modus::indikativ},
        {Tempus::futur2, Tempus::futur1, Modus::indikativ},
        {Tempus::perfekt, Tempus::praesens, Modus::konjunktiv},
        {Tempus::plusquamperfekt, Tempus::imperfekt, Modus::konjunktiv},
    }};

    // The cell of row t of the perfect system.
    static Zelle zelle(std::size_t t, int p, GenusVerbi gv) {
        return grammar::personenZelle(p + 1, reihen[t].tempus, reihen[t].modus, gv);
    }
    static int key(const Zelle& z) {
        return int(*z.tempus) * 100 + int(*z.modus) * 10 + int(*z.person) * 2 + int(z.numerus);
    }

    std::map<int, std::string> sumFormen_;
};

// The present forms of the verb `basis` after a prefix ("prod/pro": before a vowel, before
// a consonant).
void zusammengesetzt(FestesWort& w, const FestesWort& basis, std::string_view praefix) {
    const auto p = teile(praefix, "/");
    for (const auto& [zelle, form] : basis.formen) {
        if (!zelle || *zelle->tempus >= Tempus::perfekt || eigeneForm(form)) continue;
        w.formen.emplace_back(zelle, (vokal(form.front()) ? p.front() : p.back()) + form);
    }
}

std::vector<FestesWort> lesen() {
    std::vector<FestesWort> woerter;
    std::map<std::string, std::size_t> nachLemma;
    const auto perfekt = [&](FestesWort& w) {
        const auto teil = teile(w.woerter, ", ");
        if (!w.verb || teil.size() < 3) return;
        const Perfektformen p(woerter[nachLemma.at("sum")]);
        p.aktiv(w, teil[2]);
        const bool passiv = std::any_of(w.formen.begin(), w.formen.end(), [](const auto& f) {
            return f.first && f.first->genusVerbi == GenusVerbi::passiv;
        });
        if (passiv && teil.size() > 3 && teil[3].ends_with("um"))
            p.umschrieben(w, teil[3].substr(0, teil[3].size() - 2) + "us", GenusVerbi::passiv);
    };
    // A paradigm's perfect system follows when its rows are read.
    constexpr auto keiner = std::size_t(-1);
    std::size_t offen = keiner;
    const auto schliessen = [&] {
        if (offen != keiner) perfekt(woerter[offen]);
        offen = keiner;
    };
    for (const auto& f : zeilen(festewoerterTabelle)) {
        if (f[0] == "wort" && f.size() == 4) {
            schliessen();
            woerter.push_back({std::string(f[1]),
                               std::string(f[2]),
                               std::string(f[3]),
                               false,
                               {{std::nullopt, std::string(f[1])}}});
        } else if (f[0] == "paradigma" && f.size() == 4) {
            schliessen();
            const bool verb = f[2].ends_with("VERBUM");
            woerter.push_back({std::string(f[1]), std::string(f[2]), std::string(f[3]), verb, {}});
            nachLemma[teile(f[1], ", ").front()] = woerter.size() - 1;
            offen = woerter.size() - 1;
        } else if (f[0] == "kompositum" && f.size() == 5) {
            schliessen();
            const FestesWort& basis = woerter[nachLemma.at(std::string(f[2]))];
            FestesWort w{std::string(f[1]), basis.klasse, std::string(f[4]), true, {}};
            zusammengesetzt(w, basis, f[3]);
            woerter.push_back(std::move(w));
            perfekt(woerter.back());
        } else if (offen != keiner && f.size() == 7) {
            const auto z = zeile(f[0]);
            if (!z) continue;
            for (int i = 0; i < 6; ++i)
                for (const auto& form : teile(f[i + 1], "/"))
                    if (form != "-") woerter[offen].formen.emplace_back(z->zelle(i), form);
        }
    }
    schliessen();
    // The compounds are formed: the marks of forms of their own go.
    for (auto& w : woerter)
        for (auto& [zelle, form] : w.formen)
            if (eigeneForm(form)) form.pop_back();
    return woerter;
}
struct Verzeichnis {
    std::vector<FestesWort> woerter = lesen();
    std::unordered_map<std::string, std::vector<FesteForm>> nachForm;

    Verzeichnis() {
        for (const auto& w : woerter)
            for (const auto& [zelle, form] : w.formen)
                nachForm[schluessel(form)].push_back({&w, zelle});
    }
};

const Verzeichnis& verzeichnis() {
    static const Verzeichnis v;
    return v;
}

} // namespace

const std::vector<FestesWort>& festeWoerter() { return verzeichnis().woerter; }

std::vector<FesteForm> festeFormen(std::string_view form) {
    const auto& v = verzeichnis();
    const auto it = v.nachForm.find(schluessel(form));
    return it == v.nachForm.end() ? std::vector<FesteForm>{} : it->second;
}

} // namespace latiflex::analysis
