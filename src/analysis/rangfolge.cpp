// SPDX-License-Identifier: GPL-3.0-or-later
// The readings of a typed form, ranked: the pupil's words, then real words by how common
// they are, then the rules' guesses.
#include "analysis/bestimmung.h"
#include "analysis/festewoerter.h"
#include "analysis/haeufigkeit.h"
#include "analysis/kandidaten.h"
#include "analysis/schreibung.h"
#include "analysis/woerterbuch.h"
#include "drill/vergleich.h"
#include "grammar/bezeichnung.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

namespace latiflex::analysis {

namespace {

// No Latin form the rules print from real words is longer; a longer text is none.
constexpr std::size_t laengstesWort = 60;
// Guesses whose readings look alike (they differ in forms the typed one does not show: a
// perfect beside a present form, a nominative beside a genitive) are offered at most so
// often, the most common first; and at most so many guesses in all: with twelve, the true
// cell and class of a common word's form is among the readings for 99.6 % of the forms
// (bench/README.md), though the frequency table alone knows lemmas, not their forms.
constexpr std::size_t gleicheHoechstens = 2;
constexpr std::size_t vermutungenHoechstens = 12;

bool nurBuchstaben(std::string_view w) {
    return std::all_of(w.begin(), w.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || c == ' '; });
}

// One dictionary entry with its readings of the form, and where it stands in the ranking.
struct Eintrag {
    std::vector<Deutung> deutungen;
    int gruppe = 0; // 1: an enclitic, after the word it hangs on
};

const Deutung& kopf(const Eintrag& e) { return e.deutungen.front(); }

// What the pupil sees of an entry's readings: two entries alike in this differ only in
// dictionary forms the typed form does not show.
std::string aussehen(const Eintrag& e) {
    std::string s = kopf(e).eingabe.befehl;
    for (const auto& d : e.deutungen) {
        s.append("|").append(d.seite).append("|").append(d.klasse).append("|");
        s.append(d.wortform.stamm).append("+").append(d.wortform.endung).append("|");
        s.append(grammar::bezeichnung(d.zelle));
    }
    return s;
}

bool gleicheWoerter(const Eingabe& a, const Eingabe& b) {
    if (a.befehl != b.befehl) return false;
    for (std::size_t i = 0; i < std::min(a.antworten.size(), b.antworten.size()); ++i)
        if (!a.antworten[i].empty() && !b.antworten[i].empty() &&
            schluessel(a.antworten[i]) != schluessel(b.antworten[i]))
            return false;
    return true;
}

void setzen(Eintrag& e, Herkunft h, int haeufigkeit, const std::string& bedeutung = {},
            const std::string& genus = {}) {
    for (auto& d : e.deutungen) {
        d.herkunft = h;
        d.haeufigkeit = haeufigkeit;
        if (!bedeutung.empty()) d.bedeutung = bedeutung;
        if (!genus.empty()) d.genus = genus;
    }
}

// Which of the rules' entries are real words: of the entries of one lemma, the one that
// fits the dictionary's word (no dictionary form it contradicts, the most it confirms),
// and where the dictionary does not have the lemma, the one of the most common pattern if
// the frequency table knows the lemma (it knows lemmas, not their forms).
void einordnen(std::vector<Eintrag>& eintraege, const Woerterbuch* woerterbuch,
               const std::string& wort) {
    struct Bester {
        std::size_t eintrag;
        std::tuple<bool, int, int, double> rang; // the pupil's, fits, confirmed, pattern weight
        std::optional<Lexem> lexem;
    };
    std::map<std::string, Bester> bester;
    std::map<std::string, bool> imWoerterbuch;
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        Eintrag& e = eintraege[i];
        const Deutung& d = kopf(e);
        const std::string lemma = d.eingabe.antworten.empty() ? "" : d.eingabe.antworten[0];
        const int h = haeufigkeit(lemma);
        if (d.eigen) setzen(e, Herkunft::eigen, h);
        std::optional<Lexem> lexem;
        if (woerterbuch) {
            const auto [hat, neu] = imWoerterbuch.try_emplace(schluessel(lemma));
            if (neu) hat->second = woerterbuch->hat(lemma);
            if (hat->second) {
                lexem = woerterbuch->eintrag(d.eingabe);
                if (lexem && d.eigen) setzen(e, Herkunft::eigen, h, lexem->bedeutung, lexem->genus);
                if (!lexem && !d.eigen) continue; // another word's lemma
            }
        }
        if (!d.eigen && !lexem && h == 0) continue;
        const bool passt = !lexem || lexem->widersprochen == 0;
        const Bester b{
            i,
            {d.eigen, passt, lexem ? lexem->bestaetigt - lexem->widersprochen : 0, d.gewicht},
            lexem};
        const auto [it, neu] = bester.try_emplace(schluessel(lemma), b);
        if (!neu && it->second.rang < b.rang) it->second = b;
    }
    for (const auto& [lemma, b] : bester) {
        Eintrag& e = eintraege[b.eintrag];
        if (kopf(e).eigen) continue;
        const int h = std::max(haeufigkeit(lemma), 1);
        if (!b.lexem || b.lexem->widersprochen == 0 || b.lexem->eingabe.befehl.empty()) {
            if (!b.lexem || b.lexem->widersprochen == 0)
                setzen(e, Herkunft::bekannt, h, b.lexem ? b.lexem->bedeutung : std::string(),
                       b.lexem ? b.lexem->genus : std::string());
            continue;
        }
        // The dictionary's word has other forms than any entry of the rules: its own page,
        // where that prints the form; else the rules' cells, named with its forms, no page.
        Eintrag eigenes{lesarten(b.lexem->eingabe, wort)};
        const bool gebildet = !eigenes.deutungen.empty();
        if (!gebildet) {
            eigenes = e;
            for (auto& d : eigenes.deutungen) {
                d.eingabe = b.lexem->eingabe;
                d.druckbar = false;
            }
        }
        // Cells its own forms do not give (montes named as mos, moris) come after every
        // real word that forms them, however common the word.
        setzen(eigenes, Herkunft::bekannt, gebildet ? h : 1, b.lexem->bedeutung, b.lexem->genus);
        eintraege.push_back(std::move(eigenes));
    }
}

std::vector<std::string> teile(const std::string& woerter) {
    std::vector<std::string> t;
    std::size_t start = 0;
    for (std::size_t i; (i = woerter.find(", ", start)) != std::string::npos; start = i + 2)
        t.push_back(woerter.substr(start, i - start));
    t.push_back(woerter.substr(start));
    return t;
}

// The readings the program's own table gives: a verb's where its page prints the form in
// that cell are the page's own; where it would print the cell otherwise, the reading names
// the word and cell but offers no page.
void festeEintraege(std::vector<Eintrag>& eintraege, const std::string& wort) {
    std::map<const FestesWort*, Eintrag> neu;
    std::vector<const FestesWort*> reihe;
    for (const auto& f : festeFormen(wort)) {
        const FestesWort& w = *f.wort;
        const Eingabe eingabe{w.verb ? "VERBUM" : "", teile(w.woerter)};
        if (w.verb) {
            // The rules' entry of these forms already reads it so: it is the real word.
            bool gedruckt = false;
            for (auto& e : eintraege)
                if (gleicheWoerter(kopf(e).eingabe, eingabe) &&
                    std::any_of(e.deutungen.begin(), e.deutungen.end(),
                                [&](const Deutung& d) { return d.zelle == *f.zelle; })) {
                    gedruckt = true;
                    setzen(e, kopf(e).eigen ? Herkunft::eigen : Herkunft::bekannt,
                           std::max(kopf(e).haeufigkeit, 1), w.bedeutung);
                }
            if (gedruckt) continue;
            for (auto& d : lesarten(eingabe, wort))
                if (d.zelle == *f.zelle) {
                    d.bedeutung = w.bedeutung;
                    gedruckt = true;
                    if (!neu.count(&w)) reihe.push_back(&w);
                    neu[&w].deutungen.push_back(std::move(d));
                }
            if (gedruckt) continue;
        }
        Deutung d;
        d.eingabe = eingabe;
        d.klasse = w.klasse;
        d.zelle = f.zelle.value_or(grammar::Zelle{});
        d.wortform = {wort, ""};
        d.mitZelle = f.zelle.has_value();
        d.druckbar = false;
        d.bedeutung = w.bedeutung;
        if (!neu.count(&w)) reihe.push_back(&w);
        neu[&w].deutungen.push_back(std::move(d));
    }
    for (const FestesWort* w : reihe) {
        // The rules' entries of its lemma with other forms (fio, fire) are guesses.
        const std::string lemma = schluessel(teile(w->woerter).front());
        for (auto& e : eintraege)
            if (kopf(e).herkunft == Herkunft::bekannt && !kopf(e).eingabe.antworten.empty() &&
                schluessel(kopf(e).eingabe.antworten.front()) == lemma && kopf(e).bedeutung.empty())
                setzen(e, Herkunft::regeln, 0);
        Eintrag& e = neu[w];
        setzen(e, Herkunft::bekannt, std::max(haeufigkeit(teile(w->woerter).front()), 1),
               w->bedeutung);
        eintraege.push_back(std::move(e));
    }
}

// The same word, found by two spellings (video, uideo), is one entry: the first found.
// The pupil's own spelling (mīles, mīlitis) stands for the rules' one (miles, militis).
void dazu(std::vector<Eintrag>& eintraege, std::vector<Deutung> deutungen) {
    for (auto& e : eintraege)
        if (kopf(e).eingabe.antworten.size() == deutungen.front().eingabe.antworten.size() &&
            gleicheWoerter(kopf(e).eingabe, deutungen.front().eingabe)) {
            if (deutungen.front().eigen && !kopf(e).eigen) e.deutungen = std::move(deutungen);
            return;
        }
    eintraege.push_back({std::move(deutungen)});
}

// Every entry for the form as typed and in the spellings the pages may print.
std::vector<Eintrag> eintraegeFuer(const std::string& wort, const std::vector<Eingabe>& eigene,
                                   const Woerterbuch* woerterbuch) {
    std::vector<Eintrag> eintraege;
    for (const auto& s : schreibungen(wort))
        for (auto& deutungen : regelEintraege(s, eigene))
            dazu(eintraege, std::move(deutungen));
    einordnen(eintraege, woerterbuch, wort);
    festeEintraege(eintraege, wort);
    return eintraege;
}

bool wirklich(const Eintrag& e) { return kopf(e).herkunft != Herkunft::regeln; }

} // namespace

std::vector<Deutung> bestimmen(std::string_view getippt, const std::vector<Eingabe>& eigene,
                               const Umfang& umfang) {
    const Woerterbuch* woerterbuch = umfang.woerterbuch;
    if (getippt.size() > 4 * laengstesWort) return {};
    const std::string wort = drill::normiert(getippt);
    if (wort.empty() || wort.size() > laengstesWort || !nurBuchstaben(wort)) return {};

    std::vector<Eintrag> eintraege = eintraegeFuer(wort, eigene, woerterbuch);
    if (std::none_of(eintraege.begin(), eintraege.end(), wirklich)) {
        // A contracted perfect: the real words of its full form.
        for (const auto& lang : unkontrahiert(wort)) {
            std::vector<Eintrag> voll;
            for (auto& deutungen : regelEintraege(lang, eigene))
                voll.push_back({std::move(deutungen)});
            einordnen(voll, woerterbuch, lang);
            for (auto& e : voll)
                if (wirklich(e)) eintraege.push_back(std::move(e));
        }
    }
    if (umfang.enklitika && std::none_of(eintraege.begin(), eintraege.end(), wirklich)) {
        // A word with an enclitic: the real words of the word, then the enclitic.
        for (const auto& [vorn, enklitikon] : enklitika(wort)) {
            auto teil = eintraegeFuer(vorn, eigene, woerterbuch);
            if (std::none_of(teil.begin(), teil.end(), wirklich)) continue;
            for (auto& e : teil)
                if (wirklich(e)) eintraege.push_back(std::move(e));
            std::vector<Eintrag> angehaengt;
            festeEintraege(angehaengt, "-" + enklitikon);
            for (auto& e : angehaengt) {
                for (auto& d : e.deutungen)
                    d.wortform = {"-" + enklitikon, ""};
                e.gruppe = 1;
                eintraege.push_back(std::move(e));
            }
            break;
        }
    }

    std::stable_sort(eintraege.begin(), eintraege.end(), [](const Eintrag& a, const Eintrag& b) {
        const Deutung& x = kopf(a);
        const Deutung& y = kopf(b);
        return std::tuple(x.herkunft, a.gruppe, -x.haeufigkeit, -x.gewicht) <
               std::tuple(y.herkunft, b.gruppe, -y.haeufigkeit, -y.gewicht);
    });

    std::vector<Deutung> ergebnis;
    std::map<std::string, std::size_t> gleiche;
    std::size_t vermutungen = 0;
    for (const Eintrag& e : eintraege) {
        if (kopf(e).herkunft == Herkunft::regeln && !umfang.alle) {
            if (vermutungen == vermutungenHoechstens) continue;
            if (++gleiche[aussehen(e)] > gleicheHoechstens) continue;
            ++vermutungen;
        }
        ergebnis.insert(ergebnis.end(), e.deutungen.begin(), e.deutungen.end());
    }
    return ergebnis;
}

} // namespace latiflex::analysis
