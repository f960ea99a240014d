// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lektionen.h"

#include "engine/wort.h"
#include "grammar/zellcode.h"
#include "lessons/tagespensum.h"
#include "shell/bedeutungen.h"
#include "shell/hinweis.h"
#include "shell/lektionenintern.h"
#include "shell/runde.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>

namespace latiflex {

Gebildet bilden(const Eingabe& eingabe) {
    Gebildet g;
    auto wort = engine::bilde(eingabe);
    if (!wort) {
        if (!wort.ablehnung().titel.empty()) g.ablehnung = wort.ablehnung();
        return g;
    }
    g.wort = std::move(*wort);
    g.hinweis = hinweis::pruefe(*g.wort->seite);
    for (const auto& z : g.wort->zeitseiten)
        if (!g.hinweis.warnt() && z && (*z)->hatFormen()) g.hinweis = hinweis::pruefe(**z);
    return g;
}

Lektionen::Lektionen(Form1& form, std::filesystem::path datei)
    : impl_(std::make_unique<Impl>()), form_(form), db_(std::move(datei)) {
    form_.seiten().beiAenderung([this, lebt = std::weak_ptr<bool>(lebt_)] {
        if (!lebt.expired()) seiteGebildet();
    });
}

Lektionen::~Lektionen() = default;

std::filesystem::path Lektionen::standardDatei() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::filesystem::path ordner;
    if (xdg && std::filesystem::path(xdg).is_absolute()) {
        ordner = xdg;
    } else {
        const char* home = std::getenv("HOME");
        ordner = std::filesystem::path(home ? home : ".") / ".local" / "share";
    }
    return ordner / "latiflex" / "lektionen.sqlite";
}

lektionen::Datum Lektionen::heute() const { return heute_ ? *heute_ : lektionen::heute(); }

std::optional<std::string> Lektionen::meldung() {
    if (meldung_) return std::exchange(meldung_, std::nullopt);
    return db_.meldung();
}

void Lektionen::geaendert() {
    for (const auto& f : beiAenderung_)
        f();
}

bool Lektionen::geaendert(bool ja) {
    if (ja) geaendert();
    return ja;
}

void Lektionen::seiteGebildet() {
    const Seiten& s = form_.seiten();
    const grammar::Paradigma* p = s.zuletzt();
    const Eingabe* eingabe = s.eingabe();
    if (!p || !eingabe || s.alle().empty() || s.alle().back().get() != p) return;
    const Seiten::Zeiger seite = s.alle().back();
    auto id = db_.finde(*eingabe);
    // A word a lesson keeps with vowel marks ("rēx, rēgis") is the word typed plainly.
    if (!id)
        for (const auto& w : db_.alleWoerter())
            if (w.eingabe.befehl == eingabe->befehl && zumBilden(w.eingabe) == *eingabe) {
                id = w.id;
                break;
            }
    if (!id) {
        // Every page of the word must fit, as for a word imported from a lesson file.
        const Gebildet g = bilden(*eingabe);
        if (g.hinweis.warnt() || g.seiten().empty()) return;
        // The word and its count of cells and cards in one transaction.
        id = db_.hinzufuegen(*eingabe, std::nullopt, g.zellen() + karten(*eingabe, {}));
        if (!id) return;
        if (const auto w = db_.wort(*id)) impl_->merke(*this, *w, g);
        geaendert();
    }
    impl_->laufseiten.emplace_back(seite, *id);
}

std::vector<lektionen::Lektion> Lektionen::lektionen() { return db_.lektionen(); }

std::optional<Lektionen::LektionId> Lektionen::aktuelle() { return db_.aktuelleLektion(); }

std::string Lektionen::aktuellerName() {
    if (const auto id = aktuelle())
        for (const auto& l : lektionen())
            if (l.id == *id) return l.name;
    return std::string(lektionen::ersteLektion);
}

bool Lektionen::setAktuelle(LektionId lektion) {
    return geaendert(db_.setAktuelleLektion(lektion));
}

std::optional<Lektionen::LektionId> Lektionen::anlegen(std::string_view name) {
    auto id = db_.anlegen(name);
    geaendert(id.has_value());
    return id;
}

bool Lektionen::umbenennen(LektionId lektion, std::string_view name) {
    return geaendert(db_.umbenennen(lektion, name));
}

bool Lektionen::loeschen(LektionId lektion) { return geaendert(db_.loeschen(lektion)); }

std::vector<lektionen::Wort> Lektionen::woerter(LektionId lektion) { return db_.woerter(lektion); }

std::string Lektionen::fortschritt(int zellen, int geuebt, int richtig, int sicher) {
    if (zellen <= 0) return {};
    return std::to_string(zellen) + (zellen == 1 ? " Form: " : " Formen: ") +
           std::to_string(geuebt) + " geübt, " + std::to_string(richtig) + " richtig, " +
           std::to_string(sicher) + " sicher";
}

std::string Lektionen::woerterText(const Eingabe& eingabe) {
    std::string aus;
    for (const std::string& a : eingabe.antworten) {
        if (a.empty()) continue;
        if (!aus.empty()) aus += ", ";
        aus += a;
    }
    return aus;
}

std::optional<Lektionen::WortId> Lektionen::hinzufuegen(const Eingabe& eingabe,
                                                        std::optional<LektionId> lektion) {
    // The word is stored with its count of cells in one transaction.
    Gebildet g;
    if (auto wort = engine::bilde(eingabe)) g.wort = std::move(*wort);
    auto id = db_.hinzufuegen(eingabe, lektion, g.zellen() + karten(eingabe, {}));
    if (id)
        if (const auto w = db_.wort(*id)) impl_->merke(*this, *w, g);
    geaendert(id.has_value());
    return id;
}

std::optional<Lektionen::WortId> Lektionen::aufSichtHinzufuegen(std::optional<LektionId> lektion) {
    const Eingabe* eingabe = form_.seiten().eingabe();
    const grammar::Paradigma* p = form_.seiten().aufSicht();
    if (!eingabe || !p) return std::nullopt;
    auto id = hinzufuegen(*eingabe, lektion);
    if (id)
        for (const auto& s : form_.seiten().alle())
            if (s.get() == p) impl_->laufseiten.emplace_back(s, *id);
    return id;
}

bool Lektionen::verschieben(WortId wort, LektionId lektion) {
    return geaendert(db_.verschieben(wort, lektion));
}

bool Lektionen::entfernen(WortId wort) { return geaendert(db_.entfernen(wort)); }

bool Lektionen::setImDrill(WortId wort, bool imDrill) {
    return geaendert(db_.setImDrill(wort, imDrill));
}

bool Lektionen::oeffnen(WortId wort) {
    const auto w = db_.wort(wort);
    return w && form_.eingeben(zumBilden(w->eingabe));
}

std::vector<Seiten::Zeiger> Lektionen::seiten(const Eingabe& eingabe) {
    return engine::seiten(zumBilden(eingabe));
}

std::unique_ptr<Runde> Lektionen::runde(Umfang umfang, std::optional<LektionId> lektion) {
    std::vector<lektionen::Wort> woerter = umfang != Umfang::lektion ? db_.alleWoerter()
                                           : lektion                 ? db_.woerter(*lektion)
                                                     : std::vector<lektionen::Wort>{};
    return std::make_unique<Runde>(
        db_, std::move(woerter), umfang == Umfang::faellig, umfang != Umfang::lektion, heute(),
        [this](const lektionen::Wort& w) -> const std::vector<Seiten::Zeiger>& {
            return impl_->seitenVon(*this, w);
        },
        [this](const lektionen::Wort& w) { return !vokabel(w).bedeutung.empty(); });
}

std::string Lektionen::bedeutungDerSeite(const grammar::Paradigma& seite,
                                         std::optional<WortId> wort) {
    if (wort)
        if (const auto w = db_.wort(*wort)) return vokabel(*w).bedeutung;
    // A page of this run no lesson holds: the dictionary's meaning of the word as typed.
    Eingabe eingabe{std::string(grammar::befehl(seite.wortart)), {}};
    for (const grammar::Stichwort& s : seite.stichwoerter)
        eingabe.antworten.push_back(s.wort);
    const auto b = latiflex::ausWoerterbuch(eingabe);
    return b ? b->bedeutung : std::string();
}

int Lektionen::faellig() {
    const auto alle = db_.lektionen();
    if (alle.empty()) return 0;
    // Where no lesson narrows the drill, the store counts alone, without forming a word.
    if (std::all_of(alle.begin(), alle.end(),
                    [&](const lektionen::Lektion& l) { return db_.eingrenzung(l.id).empty(); })) {
        int neu = 0;
        for (const auto& [lektion, n] :
             lektionen::tagespensum(db_.lernstand(heute()), db_.aktuelleLektion()))
            neu += n;
        return db_.anzahlFaellig(heute()) + neu;
    }
    return runde(Umfang::faellig, std::nullopt)->anzahl();
}

std::string Lektionen::faelligText() { return "Heute fällig: " + std::to_string(faellig()); }

std::unique_ptr<drill::Uebung> Lektionen::uebung(Umfang umfang, std::optional<LektionId> lektion,
                                                 std::uint32_t seed) {
    if (umfang == Umfang::lauf) {
        auto u = std::make_unique<drill::Uebung>(form_.seiten(), seed);
        // A page whose typed forms do not fit joins the drill only when added on purpose.
        auto warnt = std::make_shared<std::map<const grammar::Paradigma*, bool>>();
        u->setZulassung([this, warnt](const drill::Frage& f) {
            const auto [it, neu] = warnt->try_emplace(f.seite.get(), false);
            if (neu) it->second = hinweis::pruefe(*f.seite).warnt();
            return !it->second ||
                   std::any_of(impl_->laufseiten.begin(), impl_->laufseiten.end(),
                               [&](const auto& gemerkt) { return gemerkt.first == f.seite; });
        });
        u->beiAntwort([this](const drill::Frage& f, const drill::Urteil& urteil) {
            for (const auto& [seite, wort] : impl_->laufseiten)
                if (seite == f.seite) {
                    speichere(wort,
                              f.art == drill::Fragenart::bedeutung
                                  ? std::string(grammar::bedeutungDeutsch)
                              : f.art == drill::Fragenart::lateinisch
                                  ? std::string(grammar::bedeutungLatein)
                                  : grammar::schluessel(*f.seite, f.block, f.form),
                              urteil.richtig);
                    return;
                }
        });
        u->setBedeutungen([this](const Seiten::Zeiger& p) {
            std::optional<WortId> wort;
            for (const auto& [seite, id] : impl_->laufseiten)
                if (seite == p) wort = id;
            return bedeutungDerSeite(*p, wort);
        });
        return u;
    }
    std::shared_ptr<Runde> r = runde(umfang, lektion);
    auto u =
        std::make_unique<drill::Uebung>(std::shared_ptr<const Seiten>(r, r->seiten().get()), seed);
    if (umfang == Umfang::lektion && lektion) u->setEingrenzung(eingrenzung(*lektion));
    if (umfang == Umfang::faellig) u->setNichtsZuFragen("Heute ist nichts fällig.");
    u->setAbstandHalten(true);
    if (r->laesstAus()) u->setZulassung([r](const drill::Frage& f) { return r->passt(f); });
    u->setBedeutungen([this, r](const Seiten::Zeiger& p) {
        const Runde::Herkunft* h = r->herkunft(drill::Frage{drill::Fragenart::bilden, p});
        return bedeutungDerSeite(*p, h ? std::optional(h->wort) : std::nullopt);
    });
    u->beiAntwort([this, r](const drill::Frage& f, const drill::Urteil& urteil) {
        Runde::Herkunft* h = r->herkunft(f);
        const auto schluessel = r->schluessel(f);
        if (!h || !schluessel) return;
        const auto kasten = speichere(h->wort, *schluessel, urteil.richtig);
        // A cell answered right is not due again today; one answered wrong stays.
        if (kasten && kasten->faellig > heute()) r->erledigt(f);
    });
    return u;
}

std::optional<lektionen::Kasten> Lektionen::speichere(WortId wort, const std::string& schluessel,
                                                      bool richtig) {
    auto kasten = db_.antworte(wort, schluessel, richtig, heute());
    geaendert();
    return kasten;
}

drill::Eingrenzung Lektionen::eingrenzung(LektionId lektion) {
    return drill::eingrenzungAusCode(db_.eingrenzung(lektion)).value_or(drill::Eingrenzung{});
}

bool Lektionen::setEingrenzung(LektionId lektion, const drill::Eingrenzung& eingrenzung) {
    return db_.setEingrenzung(lektion, drill::code(eingrenzung));
}

std::vector<lektionen::Uebungstag> Lektionen::uebungstage(LektionId lektion) {
    return db_.uebungstage(lektion);
}

} // namespace latiflex
