// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesen/kontext.h"

#include "drill/vergleich.h"
#include "grammar/bezeichnung.h"
#include "grammar/text.h"
#include "lesen/praepositionen.h"

#include <algorithm>
#include <optional>
#include <string>

namespace latiflex::lesen {

namespace {

using grammar::Genus;
using grammar::Kasus;
using grammar::Numerus;
using grammar::Person;
using grammar::Tempus;

// How many words after a preposition its case can reach (in magno cum periculo).
constexpr std::size_t praepositionReicht = 3;

std::string zitat(std::string_view form) { return "»" + std::string(form) + "«"; }

bool nomen(const Lesart& l) { return l.zelle && l.zelle->kasus; }
bool substantiv(const Lesart& l) { return nomen(l) && l.eingabe.befehl == "SUBST"; }
bool adjektiv(const Lesart& l) { return nomen(l) && l.eingabe.befehl == "ADJEKTIV"; }
bool finit(const Lesart& l) { return l.zelle && l.zelle->person; }
bool esse(const Lesart& l) {
    return l.eingabe.befehl == "VERBUM" && !l.eingabe.antworten.empty() &&
           l.eingabe.antworten.front() == "sum";
}

// A noun's gender as the dictionary gives it, else as its page's class tells it; nothing
// where the class leaves it open (the consonant declension's masculines and feminines).
std::optional<Genus> genus(const Lesart& l) {
    if (l.genus == "m.") return Genus::maskulinum;
    if (l.genus == "f.") return Genus::femininum;
    if (l.genus == "n.") return Genus::neutrum;
    const auto hat = [&l](std::string_view s) { return l.klasse.find(s) != std::string::npos; };
    if (hat("(n)")) return Genus::neutrum;
    if (hat("(f)") || hat(" A - ") || hat(" E - ")) return Genus::femininum;
    if (hat(" O - ") || hat(" U - ")) return Genus::maskulinum;
    return std::nullopt;
}

// How sure a reading is: the pupil's word, a word the program knows, a guess of the rules.
int stufe(const Lesart& l) { return l.eigen ? 2 : l.bekannt ? 1 : 0; }

// The readings a rule may choose among: those as sure as the surest (a guess never goes
// before a known word, a known word never before the pupil's); only the first when a rule
// has already placed the word.
std::size_t waehlbar(const Wort& w) {
    if (w.lesarten.empty()) return 0;
    if (!w.grund.empty()) return 1;
    const int oben = stufe(w.lesarten.front());
    std::size_t n = 0;
    while (n < w.lesarten.size() && stufe(w.lesarten[n]) == oben)
        ++n;
    return n;
}

// Moves the choosable readings that `passt` to the front, keeping their order, and gives
// the reason when any fitted.
template <typename Passt> void bevorzugen(Wort& w, Passt passt, const std::string& grund) {
    const auto ende = w.lesarten.begin() + static_cast<std::ptrdiff_t>(waehlbar(w));
    if (std::stable_partition(w.lesarten.begin(), ende, passt) != w.lesarten.begin())
        w.grund = grund;
}

bool hatWaehlbar(const Wort& w, const auto& passt) {
    const auto n = static_cast<std::ptrdiff_t>(waehlbar(w));
    return std::any_of(w.lesarten.begin(), w.lesarten.begin() + n, passt);
}

// The participle as the perfect passive page prints it, in the masculine: laudata est
// and laudatum est are the form laudatus est.
std::string maskulinum(std::string_view partizip, const Lesart& hilfsverb) {
    const bool plural = hilfsverb.zelle && hilfsverb.zelle->numerus == Numerus::plural;
    const auto [weg, dazu] = [&]() -> std::pair<std::size_t, std::string_view> {
        const std::string n = drill::normiert(partizip);
        if (plural) return {n.ends_with("ae") ? 2 : n.ends_with('a') ? 1 : 0, "i"};
        return {n.ends_with("um") || n.ends_with("us") ? 2 : n.ends_with('a') ? 1 : 0, "us"};
    }();
    if (weg == 0) return std::string(partizip);
    return text::lessOrEmpty(partizip, weg).append(dazu);
}

// A participle and a form of esse beside it, read together ("laudatus est").
void perfektPassiv(std::vector<Wort>& woerter, std::size_t von, std::size_t bis,
                   const Bestimmer& bestimmer) {
    for (std::size_t i = von; i < bis; ++i) {
        if (woerter[i].lesarten.empty() || !esse(woerter[i].lesarten.front())) continue;
        for (const std::size_t p : {i - 1, i + 1}) {
            if (p < von || p >= bis || !woerter[p].grund.empty() || woerter[p].lesarten.empty())
                continue;
            auto zusammen = bestimmer(maskulinum(woerter[p].form, woerter[i].lesarten.front()) +
                                      " " + woerter[i].form);
            // Only as sure a reading as the word's own: Gallia est is no perfect of a guessed
            // verb *gallieo*.
            const int sicher = stufe(woerter[p].lesarten.front());
            std::erase_if(zusammen, [sicher](const Lesart& l) {
                return !l.zelle || !l.zelle->tempus || l.zelle->tempus < Tempus::perfekt ||
                       stufe(l) < sicher;
            });
            if (zusammen.empty()) continue;
            auto& partizip = woerter[p];
            auto& hilfsverb = woerter[i];
            partizip.lesarten.insert(partizip.lesarten.begin(), zusammen.begin(), zusammen.end());
            hilfsverb.lesarten.insert(hilfsverb.lesarten.begin(), zusammen.begin(), zusammen.end());
            const std::string zeit(grammar::name(*zusammen.front().zelle->tempus));
            partizip.grund = zeit + " Passiv mit " + zitat(hilfsverb.form);
            hilfsverb.grund = zeit + " Passiv mit " + zitat(partizip.form);
            break;
        }
    }
}

void praepositionen(std::vector<Wort>& woerter, std::size_t von, std::size_t bis) {
    for (std::size_t i = von; i + 1 < bis; ++i) {
        const Lesart* p = woerter[i].lesart();
        if (!p) continue;
        const auto faelle = rektion(p->klasse);
        if (faelle.empty()) continue;
        const auto regiert = [&faelle](const Lesart& l) {
            return nomen(l) &&
                   std::find(faelle.begin(), faelle.end(), *l.zelle->kasus) != faelle.end();
        };
        for (std::size_t k = i + 1; k < bis && k <= i + praepositionReicht; ++k) {
            Wort& w = woerter[k];
            if (!w.grund.empty() || !hatWaehlbar(w, regiert)) break;
            bevorzugen(w, regiert, "");
            // The case is named once the reading is chosen (in takes two).
            w.grund = std::string(grammar::name(*w.lesarten.front().zelle->kasus)) + " nach " +
                      zitat(p->formen);
            if (w.lesarten.front().eingabe.befehl == "SUBST") break; // the phrase's noun ends it
        }
    }
}

// The subject of a finite verb in the third person: the first noun that can be a
// nominative of the verb's number (an adjective beside it follows by agreement).
void subjekte(std::vector<Wort>& woerter, std::size_t von, std::size_t bis) {
    for (std::size_t v = von; v < bis; ++v) {
        const Lesart* verb = woerter[v].lesart();
        if (!verb || !finit(*verb) || verb->zelle->person != Person::dritte) continue;
        const Numerus zahl = verb->zelle->numerus;
        const auto nominativ = [zahl](const Lesart& l) {
            return substantiv(l) && l.zelle->kasus == Kasus::nominativ && l.zelle->numerus == zahl;
        };
        for (std::size_t s = von; s < bis; ++s) {
            Wort& w = woerter[s];
            const Lesart* l = w.lesart();
            if (s == v || !l || finit(*l) || !w.grund.empty() || !hatWaehlbar(w, nominativ))
                continue;
            const std::string grund = "Nominativ: Subjekt zu " + zitat(woerter[v].form);
            bevorzugen(w, nominativ, grund);
            // A second subject joined by -que or et (puellae agricolaeque cantant).
            std::size_t k = s + 1;
            if (k + 1 < bis && drill::normiert(woerter[k].form) == "et") ++k;
            const bool verbunden = k > s + 1 || (k < bis && woerter[k].form.ends_with("que") &&
                                                 !woerter[k].wirt.empty());
            if (verbunden && k < bis && k != v && woerter[k].grund.empty() &&
                hatWaehlbar(woerter[k], nominativ))
                bevorzugen(woerter[k], nominativ, grund);
            break;
        }
    }
}

bool kongruent(const Lesart& adj, const Lesart& sub) {
    if (!adjektiv(adj) || !substantiv(sub)) return false;
    const auto& a = *adj.zelle;
    const auto& s = *sub.zelle;
    if (a.kasus != s.kasus || a.numerus != s.numerus) return false;
    const auto g = genus(sub);
    return g ? a.genus == g : a.genus != Genus::neutrum;
}

// An adjective and a noun side by side: the readings, among those each may choose, that
// agree and stand the furthest forward together.
void kongruenz(std::vector<Wort>& woerter, std::size_t von, std::size_t bis) {
    for (std::size_t i = von; i + 1 < bis; ++i) {
        Wort& x = woerter[i];
        Wort& y = woerter[i + 1];
        // A word read as a verb or a word without cells is no partner.
        if (!x.lesart() || !nomen(*x.lesart()) || !y.lesart() || !nomen(*y.lesart())) continue;
        const std::size_t nx = waehlbar(x);
        const std::size_t ny = waehlbar(y);
        std::optional<std::pair<std::size_t, std::size_t>> best;
        for (std::size_t a = 0; a < nx; ++a)
            for (std::size_t b = 0; b < ny; ++b)
                if ((kongruent(x.lesarten[a], y.lesarten[b]) ||
                     kongruent(y.lesarten[b], x.lesarten[a])) &&
                    (!best || a + b < best->first + best->second))
                    best = std::pair{a, b};
        if (!best) continue;
        const Lesart lx = x.lesarten[best->first];
        const Lesart ly = y.lesarten[best->second];
        bevorzugen(
            x, [&lx](const Lesart& l) { return l == lx; },
            "stimmt mit " + zitat(y.form) + " in Kasus, Numerus und Genus überein");
        bevorzugen(
            y, [&ly](const Lesart& l) { return l == ly; },
            "stimmt mit " + zitat(x.form) + " in Kasus, Numerus und Genus überein");
    }
}

} // namespace

void imKontext(std::vector<Wort>& woerter, const Bestimmer& bestimmer) {
    std::size_t von = 0;
    for (std::size_t i = 0; i < woerter.size(); ++i) {
        if (!woerter[i].satzende && i + 1 < woerter.size()) continue;
        perfektPassiv(woerter, von, i + 1, bestimmer);
        praepositionen(woerter, von, i + 1);
        subjekte(woerter, von, i + 1);
        kongruenz(woerter, von, i + 1);
        von = i + 1;
    }
    for (auto& w : woerter) {
        if (w.wirt.empty()) continue;
        const std::string enklitisch =
            zitat("-" + w.form.substr(w.wirt.size())) + " angehängt an " + zitat(w.wirt);
        w.grund = w.grund.empty() ? enklitisch : enklitisch + "; " + w.grund;
    }
}

} // namespace latiflex::lesen
