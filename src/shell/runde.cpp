// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/runde.h"

#include "grammar/zellcode.h"
#include "lessons/tagespensum.h"

#include <deque>
#include <set>

namespace latiflex {

namespace {

// A form never answered that the day may introduce: its page's origin, block and form.
struct NeueZelle {
    Runde::Herkunft* herkunft;
    std::size_t block;
    std::size_t form;
    char* karte = nullptr; ///< a meaning card's admission, in place of a form's
};

// A meaning card's keys, in the order of `Runde::karten_`'s two admissions.
constexpr std::array<std::string_view, 2> kartenschluessel{grammar::bedeutungDeutsch,
                                                           grammar::bedeutungLatein};

std::size_t karteDer(const drill::Frage& f) { return f.art == drill::Fragenart::bedeutung ? 0 : 1; }

} // namespace

Runde::Runde(lektionen::Database& db, std::vector<lektionen::Wort> woerter, bool nurFaellige,
             bool eingrenzungen, lektionen::Datum heute, const SeitenVon& seitenVon,
             const HatBedeutung& hatBedeutung)
    : nurFaellige_(nurFaellige) {
    std::erase_if(woerter, [](const lektionen::Wort& w) { return !w.imDrill; });
    if (eingrenzungen) {
        std::set<lektionen::LektionId> lektionen;
        for (const auto& w : woerter)
            lektionen.insert(w.lektion);
        for (const auto l : lektionen)
            if (auto e = drill::eingrenzungAusCode(db.eingrenzung(l));
                e && !(*e == drill::Eingrenzung{}))
                eingrenzungen_.emplace(l, *e);
    }

    std::map<lektionen::WortId, std::set<std::string>> faellige;
    std::map<lektionen::LektionId, int> pensum;
    if (nurFaellige_) {
        for (auto& z : db.faellig(heute, hoechstWoerter))
            faellige[z.wort].insert(std::move(z.schluessel));
        pensum = lektionen::tagespensum(db.lernstand(heute), db.aktuelleLektion());
    }
    // The new cells of each lesson, word by word in the order the words were added.
    std::map<lektionen::LektionId, std::vector<std::deque<NeueZelle>>> neue;
    int gebildet = 0;
    for (const auto& w : woerter) {
        const auto faellig = faellige.find(w.id);
        const bool mitNeuen = pensum.contains(w.lektion) &&
                              (w.zellen == 0 || w.beantwortet < w.zellen) &&
                              gebildet < hoechstWoerter;
        if (nurFaellige_ && faellig == faellige.end() && !mitNeuen) continue;
        ++gebildet;
        std::set<std::string> beantwortet;
        if (mitNeuen)
            for (auto& z : db.zellen(w.id))
                beantwortet.insert(std::move(z.schluessel));
        std::deque<NeueZelle>* neueDesWorts = nullptr;
        if (mitNeuen) neueDesWorts = &neue[w.lektion].emplace_back();
        if (hatBedeutung(w)) {
            auto& karten = karten_[w.id];
            // Beyond the drill over due cells every card may be asked.
            const char jede = nurFaellige_ ? 0 : 1;
            karten = {jede, jede};
            for (std::size_t k = 0; k < karten.size(); ++k) {
                const std::string schluessel(kartenschluessel[k]);
                if (faellig != faellige.end() && faellig->second.contains(schluessel))
                    karten[k] = 1;
                else if (neueDesWorts && !beantwortet.contains(schluessel))
                    neueDesWorts->push_back({nullptr, 0, 0, &karten[k]});
            }
        }
        for (const auto& s : seitenVon(w)) {
            seiten_->zeige(*s);
            const Seiten::Zeiger& kopie = seiten_->alle().back();
            Herkunft& h = herkunft_[kopie.get()];
            h.wort = w.id;
            h.lektion = w.lektion;
            for (std::size_t b = 0; b < s->bloecke.size(); ++b) {
                const auto& formen = s->bloecke[b].formen;
                h.schluessel.emplace_back();
                h.zugelassen.emplace_back(formen.size(), char{0});
                for (std::size_t f = 0; f < formen.size(); ++f) {
                    std::string k = grammar::schluessel(*s, b, f);
                    if (faellig != faellige.end() && faellig->second.contains(k))
                        h.zugelassen[b][f] = 1;
                    // A new cell counts only where the lesson's narrowing lets it be asked.
                    else if (neueDesWorts && !formen[f].wortform.leer() &&
                             !beantwortet.contains(k) &&
                             erlaubt(h, drill::Frage{drill::Fragenart::bilden, kopie, b, f}))
                        neueDesWorts->push_back({&h, b, f});
                    h.schluessel.back().push_back(std::move(k));
                }
            }
        }
    }
    // One new cell of each word in turn, until the lesson's share for the day is taken.
    for (auto& [lektion, woerterDerLektion] : neue) {
        int rest = pensum[lektion];
        for (bool weiter = true; weiter && rest > 0;) {
            weiter = false;
            for (auto& zellen : woerterDerLektion) {
                if (zellen.empty() || rest == 0) continue;
                const NeueZelle z = zellen.front();
                zellen.pop_front();
                if (z.karte)
                    *z.karte = 1;
                else
                    z.herkunft->zugelassen[z.block][z.form] = 1;
                --rest;
                weiter = true;
            }
        }
    }
}

Runde::Herkunft* Runde::herkunft(const drill::Frage& f) {
    const auto h = herkunft_.find(f.seite.get());
    return h == herkunft_.end() ? nullptr : &h->second;
}

bool Runde::erlaubt(const Herkunft& h, const drill::Frage& f) const {
    const auto e = eingrenzungen_.find(h.lektion);
    return e == eingrenzungen_.end() || e->second.passt(f.zelle());
}

bool Runde::passt(const drill::Frage& f) const {
    const auto h = herkunft_.find(f.seite.get());
    if (h == herkunft_.end()) return false;
    if (drill::istKarte(f.art)) {
        const auto k = karten_.find(h->second.wort);
        return k != karten_.end() && k->second[karteDer(f)];
    }
    return erlaubt(h->second, f) && (!nurFaellige_ || h->second.zugelassen[f.block][f.form]);
}

void Runde::erledigt(const drill::Frage& f) {
    Herkunft* h = herkunft(f);
    if (!h || !nurFaellige_) return;
    if (!drill::istKarte(f.art)) {
        h->zugelassen[f.block][f.form] = 0;
    } else if (const auto k = karten_.find(h->wort); k != karten_.end()) {
        k->second[karteDer(f)] = 0;
    }
}

std::optional<std::string> Runde::schluessel(const drill::Frage& f) {
    Herkunft* h = herkunft(f);
    if (!h) return std::nullopt;
    return drill::istKarte(f.art) ? std::string(kartenschluessel[karteDer(f)])
                                  : h->schluessel[f.block][f.form];
}

int Runde::anzahl() const {
    int n = 0;
    for (const auto& p : seiten_->alle())
        for (std::size_t b = 0; b < p->bloecke.size(); ++b)
            for (std::size_t f = 0; f < p->bloecke[b].formen.size(); ++f)
                if (!p->bloecke[b].formen[f].wortform.leer() &&
                    passt(drill::Frage{drill::Fragenart::bilden, p, b, f}))
                    ++n;
    for (const auto& [wort, karten] : karten_)
        n += karten[0] + karten[1];
    return n;
}

} // namespace latiflex
