// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/uebung.h"

#include "drill/bedeutung.h"
#include "drill/bezeichnungen.h"
#include "drill/vergleich.h"
#include "grammar/bezeichnung.h"

#include <algorithm>

namespace latiflex::drill {

namespace {

using grammar::Paradigma;
using grammar::Zelle;

// Pages of one word: the same class of word typed with the same dictionary forms (a verb's
// four tense pages).
bool gleichesWort(const Paradigma& a, const Paradigma& b) {
    if (a.wortart != b.wortart || a.stichwoerter.size() != b.stichwoerter.size()) return false;
    for (std::size_t i = 0; i < a.stichwoerter.size(); ++i)
        if (a.stichwoerter[i].wort != b.stichwoerter[i].wort) return false;
    return true;
}

std::string ganz(const grammar::Form& f) { return f.wortform.ganz(); }

// What differs between the named cell and the nearest right one, in the labels' words.
std::string unterschied(const Zelle& gewaehlt, const std::vector<Zelle>& richtige) {
    std::vector<std::string_view> bestes;
    for (const Zelle& r : richtige) {
        std::vector<std::string_view> falsch;
        if (gewaehlt.genus != r.genus) falsch.emplace_back("Genus");
        if (gewaehlt.kasus != r.kasus) falsch.emplace_back("Kasus");
        if (gewaehlt.person != r.person) falsch.emplace_back("Person");
        if (gewaehlt.numerus != r.numerus) falsch.emplace_back("Numerus");
        if (gewaehlt.tempus != r.tempus) falsch.emplace_back("Tempus");
        if (gewaehlt.modus != r.modus) falsch.emplace_back("Modus");
        if (gewaehlt.genusVerbi != r.genusVerbi) falsch.emplace_back("Genus verbi");
        if (bestes.empty() || falsch.size() < bestes.size()) bestes = falsch;
    }
    std::string text = "Gewählt: " + grammar::bezeichnung(gewaehlt) + "; anders: ";
    for (std::size_t i = 0; i < bestes.size(); ++i)
        text.append(i == 0 ? "" : ", ").append(bestes[i]);
    return text + ".";
}

} // namespace

Uebung::Uebung(const Seiten& seiten, std::uint32_t seed) : seiten_(seiten), zufall_(seed) {}

Uebung::Uebung(std::shared_ptr<const Seiten> seiten, std::uint32_t seed)
    : eigene_(std::move(seiten)), seiten_(*eigene_), zufall_(seed) {}

void Uebung::setZulassung(Zulassung zulassung) {
    zulassung_ = std::move(zulassung);
    vorratAlt_ = true;
}

void Uebung::setBedeutungen(Bedeutungen bedeutungen) {
    bedeutungen_ = std::move(bedeutungen);
    vorratAlt_ = true;
}

void Uebung::setAuswahl(Auswahl auswahl) {
    const bool vorherKarten = karten();
    const bool anders = auswahl != auswahl_;
    auswahl_ = auswahl;
    // Forms and each direction of the meaning cards are pools of their own.
    if (anders && (vorherKarten || karten())) vorratAlt_ = true;
}

void Uebung::setEingrenzung(Eingrenzung eingrenzung) {
    eingrenzung_ = std::move(eingrenzung);
    vorratAlt_ = true;
}

const std::vector<Uebung::Eintrag>& Uebung::vorrat() {
    const auto& alle = seiten_.alle();
    if (!vorratAlt_ && vorratAus_ == alle.size()) return vorrat_;
    vorrat_.clear();
    std::vector<const Paradigma*> genommen;
    std::vector<const Paradigma*> woerter; // a page of each word with a card
    for (auto it = alle.rbegin(); it != alle.rend(); ++it) {
        const Seiten::Zeiger& seite = *it;
        if (eingrenzung_.nurLetztesWort && !gleichesWort(*seite, *alle.back())) continue;
        if (std::any_of(weggelassen_.begin(), weggelassen_.end(),
                        [&](const Seiten::Zeiger& w) { return gleichesWort(*w, *seite); }))
            continue;
        // A page printed twice (the same word declined again) is asked as one.
        if (std::any_of(genommen.begin(), genommen.end(),
                        [&](const Paradigma* p) { return *p == *seite; }))
            continue;
        genommen.push_back(seite.get());
        if (karten()) {
            karteNehmen(seite, woerter);
            continue;
        }
        for (std::size_t b = 0; b < seite->bloecke.size(); ++b) {
            const auto& formen = seite->bloecke[b].formen;
            for (std::size_t f = 0; f < formen.size(); ++f)
                if (!normiert(ganz(formen[f])).empty() && eingrenzung_.passt(formen[f].zelle) &&
                    (!zulassung_ || zulassung_(Frage{Fragenart::bilden, seite, b, f})))
                    vorrat_.push_back({seite, b, f});
        }
    }
    vorratAus_ = alle.size();
    vorratAlt_ = false;
    return vorrat_;
}

// The card of the page's word, once for the word, where it has a meaning and is admitted.
void Uebung::karteNehmen(const Seiten::Zeiger& seite, std::vector<const Paradigma*>& woerter) {
    if (!bedeutungen_ || std::any_of(woerter.begin(), woerter.end(),
                                     [&](const Paradigma* p) { return gleichesWort(*p, *seite); }))
        return;
    woerter.push_back(seite.get());
    std::string bedeutung = bedeutungen_(seite);
    const Fragenart art =
        auswahl_ == Auswahl::bedeutung ? Fragenart::bedeutung : Fragenart::lateinisch;
    if (bedeutung.empty() || (zulassung_ && !zulassung_(Frage{art, seite, 0, 0, bedeutung})))
        return;
    vorrat_.push_back({seite, 0, 0, true, std::move(bedeutung)});
}

const Frage* Uebung::naechsteFrage() {
    const auto& pool = vorrat();
    frage_.reset();
    beantwortet_ = false;
    if (pool.empty()) return nullptr;
    ++nummer_;
    const auto stelle = [this](const Eintrag& e, Fragenart art) {
        frage_ = Frage{art, e.seite, e.block, e.form, e.bedeutung};
        return &*frage_;
    };
    Fragenart art = auswahl_ == Auswahl::bestimmen    ? Fragenart::bestimmen
                    : auswahl_ == Auswahl::bedeutung  ? Fragenart::bedeutung
                    : auswahl_ == Auswahl::lateinisch ? Fragenart::lateinisch
                                                      : Fragenart::bilden;
    // A cell comes back in the kind the pupil chose now; mixed, in the kind it was missed in.
    for (const Wiederholung& w : wiederholungen_)
        if (w.faellig <= nummer_ && std::find(pool.begin(), pool.end(), w.eintrag) != pool.end())
            return stelle(w.eintrag, auswahl_ == Auswahl::gemischt ? w.art : art);

    // The first question comes from the most recent page, which leads the pool.
    const std::size_t n = vorige_ ? pool.size()
                                  : static_cast<std::size_t>(std::count_if(
                                        pool.begin(), pool.end(), [&](const Eintrag& e) {
                                            return e.seite == pool.front().seite;
                                        }));
    // Never the same cell twice in a row while there is another; where asked, a cell
    // answered wrong not before its turn either.
    const auto wartet = [&](const Eintrag& e) {
        return abstandHalten_ && std::any_of(wiederholungen_.begin(), wiederholungen_.end(),
                                             [&](const Wiederholung& w) { return w.eintrag == e; });
    };
    std::vector<std::size_t> kandidaten;
    for (const bool mitWartenden : {false, true}) {
        for (std::size_t k = 0; k < n; ++k)
            if (!(vorige_ && pool[k] == *vorige_) && (mitWartenden || !wartet(pool[k])))
                kandidaten.push_back(k);
        if (!kandidaten.empty()) break;
    }
    if (kandidaten.empty()) kandidaten.push_back(0);
    const std::size_t i = kandidaten[zufall_.unter(kandidaten.size())];
    if (auswahl_ == Auswahl::gemischt && zufall_.unter(2) == 1) art = Fragenart::bestimmen;
    return stelle(pool[i], art);
}

std::string Uebung::frageText() const {
    if (frage_) return frage_->text();
    if (!nichtsZuFragen_.empty() && (!hatWoerter() || vorrat_.empty())) return nichtsZuFragen_;
    if (!hatWoerter()) return std::string(keinWort);
    if (karten()) return "Keine Frage: kein Wort dieser Auswahl hat eine Bedeutung.";
    return "Keine Frage: zu dieser Auswahl gibt es keine Form.";
}

std::vector<Zelle> Uebung::zellenDerForm(const Frage& f) const {
    if (istKarte(f.art)) return {};
    const std::string gesucht = normiert(ganz(f.seite->bloecke[f.block].formen[f.form]));
    std::vector<Zelle> zellen;
    const auto sammle = [&](const Paradigma& p) {
        for (const auto& block : p.bloecke)
            for (const auto& form : block.formen)
                if (std::find(zellen.begin(), zellen.end(), form.zelle) == zellen.end() &&
                    normiert(ganz(form)) == gesucht)
                    zellen.push_back(form.zelle);
    };
    sammle(*f.seite);
    for (const auto& p : seiten_.alle())
        if (p != f.seite && gleichesWort(*p, *f.seite)) sammle(*p);
    return zellen;
}

// A meaning judged as leniently as a teacher reads it; dictionary forms as typed at the
// prompts, each read as the drill reads a form.
Urteil Uebung::karteGewertet(std::string_view text) {
    Urteil u{false, {frage_->kartenantwort(), ""}, {}, {}};
    if (normiert(text).empty()) {
        u.abweichung = "Keine Antwort.";
    } else if (frage_->art == Fragenart::bedeutung) {
        const Bedeutungsurteil b = bedeutungPruefen(text, frage_->bedeutung);
        u.richtig = b.treffer != Treffer::falsch;
        if (b.treffer == Treffer::fast) u.abweichung = "Fast richtig: " + b.bedeutung;
    } else {
        std::vector<std::string> getippt;
        for (std::string_view rest = text;;) {
            const auto komma = rest.find(',');
            if (!normiert(rest.substr(0, komma)).empty())
                getippt.push_back(normiert(rest.substr(0, komma)));
            if (komma == std::string_view::npos) break;
            rest.remove_prefix(komma + 1);
        }
        std::vector<std::string> formen;
        for (const grammar::Stichwort& s : frage_->seite->stichwoerter)
            if (!normiert(s.wort).empty()) formen.push_back(normiert(s.wort));
        u.richtig = getippt == formen;
    }
    return gewertet(std::move(u));
}

std::optional<Urteil> Uebung::antworte(std::string_view text) {
    if (!frage_ || beantwortet_) return std::nullopt;
    if (istKarte(frage_->art)) return karteGewertet(text);
    if (frage_->art == Fragenart::bestimmen) {
        if (const auto zelle = zelleAus(text)) return bestimme(*zelle);
        Urteil u{false, frage_->wortform(), zellenDerForm(*frage_),
                 text.empty() ? "Keine Antwort." : "Keine Bezeichnung, die das Programm kennt."};
        return gewertet(std::move(u));
    }
    Urteil u{false, frage_->wortform(), zellenDerForm(*frage_), {}};
    const std::string getippt = normiert(text);
    // Right is any form of the word in the asked cell (a page printed again counts alike).
    const auto richtigIn = [&](const Paradigma& p) {
        return std::any_of(p.bloecke.begin(), p.bloecke.end(), [&](const grammar::Block& b) {
            return std::any_of(b.formen.begin(), b.formen.end(), [&](const grammar::Form& f) {
                return f.zelle == frage_->zelle() && !getippt.empty() &&
                       normiert(ganz(f)) == getippt;
            });
        });
    };
    u.richtig =
        std::any_of(seiten_.alle().begin(), seiten_.alle().end(), [&](const Seiten::Zeiger& p) {
            return (p == frage_->seite || gleichesWort(*p, *frage_->seite)) && richtigIn(*p);
        });
    if (!u.richtig) u.abweichung = abweichung(text, u.form.stamm, u.form.endung);
    return gewertet(std::move(u));
}

std::optional<Urteil> Uebung::bestimme(const Zelle& zelle) {
    if (!frage_ || beantwortet_) return std::nullopt;
    Urteil u{false, frage_->wortform(), zellenDerForm(*frage_), {}};
    if (frage_->art != Fragenart::bestimmen) {
        u.abweichung = istKarte(frage_->art) ? "Gefragt ist eine Antwort, keine Bezeichnung."
                                             : "Gefragt ist die Form, nicht ihre Bezeichnung.";
        return gewertet(std::move(u));
    }
    u.richtig = std::find(u.zellen.begin(), u.zellen.end(), zelle) != u.zellen.end();
    if (!u.richtig) u.abweichung = unterschied(zelle, u.zellen);
    return gewertet(std::move(u));
}

std::optional<Urteil> Uebung::loesung() {
    if (!frage_ || beantwortet_) return std::nullopt;
    const Wortform richtig =
        istKarte(frage_->art) ? Wortform{frage_->kartenantwort(), ""} : frage_->wortform();
    return gewertet(Urteil{false, richtig, zellenDerForm(*frage_), "Lösung gezeigt."});
}

Urteil Uebung::gewertet(Urteil urteil) {
    const Eintrag e{frage_->seite, frage_->block, frage_->form, istKarte(frage_->art),
                    frage_->bedeutung};
    ++gestellt_;
    if (urteil.richtig) ++richtig_;
    const auto w = std::find_if(wiederholungen_.begin(), wiederholungen_.end(),
                                [&](const Wiederholung& x) { return x.eintrag == e; });
    if (urteil.richtig) {
        if (w != wiederholungen_.end()) wiederholungen_.erase(w);
    } else if (w != wiederholungen_.end()) {
        w->faellig = nummer_ + abstand;
        w->art = frage_->art;
    } else {
        wiederholungen_.push_back({e, frage_->art, nummer_ + abstand});
    }
    beantwortet_ = true;
    vorige_ = e;
    for (const auto& f : beiAntwort_)
        f(*frage_, urteil);
    // The admission may shut the cell out now (answered right, it is not due today).
    if (zulassung_ && !vorratAlt_ &&
        !zulassung_(Frage{e.karte ? frage_->art : Fragenart::bilden, e.seite, e.block, e.form,
                          e.bedeutung}))
        std::erase(vorrat_, e);
    return urteil;
}

void Uebung::weglassen() {
    if (!frage_) return;
    const Seiten::Zeiger seite = frage_->seite;
    weggelassen_.push_back(seite);
    std::erase_if(wiederholungen_,
                  [&](const Wiederholung& w) { return gleichesWort(*w.eintrag.seite, *seite); });
    vorratAlt_ = true;
    naechsteFrage();
}

void Uebung::leereStand() {
    richtig_ = 0;
    gestellt_ = 0;
}

void Uebung::neuBeginnen() {
    leereStand();
    nummer_ = 0;
    wiederholungen_.clear();
    vorige_.reset();
    naechsteFrage();
}

std::string Uebung::stand() const {
    return std::to_string(richtig_) + " von " + std::to_string(gestellt_) + " richtig";
}

} // namespace latiflex::drill
