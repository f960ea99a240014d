// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/frage.h"
#include "drill/vergleich.h"
#include "grammar/bezeichnung.h"
#include "grammar/text.h"
#include "lessons/anki.h"
#include "shell/bedeutungen.h"
#include "shell/grundwortschatz.h"
#include "shell/lektionen.h"
#include "shell/lektionenintern.h"

#include <algorithm>
#include <fstream>
#include <map>

// The lessons' files and cards: a lesson file read and checked by the rules, imported,
// written back; a lesson as cards for Anki.
namespace latiflex {

namespace {

std::string hex(Rgb farbe) {
    static constexpr char ziffern[] = "0123456789ABCDEF";
    std::string aus = "#";
    for (const std::uint8_t b : {farbe.r, farbe.g, farbe.b}) {
        aus += ziffern[b >> 4];
        aus += ziffern[b & 0xF];
    }
    return aus;
}

// Whether a lesson takes the word the rules formed: its command accepts it, the rules form
// its pages, and the hint line does not warn that the typed forms do not fit them.
bool nimmt(const Gebildet& g) { return !g.ablehnung && !g.seiten().empty() && !g.hinweis.warnt(); }

// The core vocabulary of the installed dictionary, checked by the rules once in a run.
const std::vector<Eingabe>& grundwortschatzWoerter() {
    static const std::vector<Eingabe> woerter = [] {
        const auto* w = woerterbuch::installiertes();
        if (!w) return std::vector<Eingabe>{};
        return grundwortschatz::woerter(*w, [](const Eingabe& e) { return nimmt(bilden(e)); });
    }();
    return woerter;
}

} // namespace

std::vector<std::string> Lektionen::grundwortschatzLektionen() {
    std::vector<std::string> namen;
    const std::size_t n = grundwortschatzWoerter().size();
    for (std::size_t i = 0; i * grundwortschatz::woerterJeLektion < n; ++i)
        namen.push_back(grundwortschatz::lektionsname(i + 1));
    return namen;
}

std::optional<Lektionen::Import> Lektionen::grundwortschatz(std::string_view name) {
    const std::size_t nummer = grundwortschatz::nummer(name);
    const auto& alle = grundwortschatzWoerter();
    const std::size_t je = grundwortschatz::woerterJeLektion;
    if (nummer == 0 || (nummer - 1) * je >= alle.size()) return std::nullopt;
    const auto von = alle.begin() + static_cast<std::ptrdiff_t>((nummer - 1) * je);
    const auto bis = alle.begin() + static_cast<std::ptrdiff_t>(std::min(nummer * je, alle.size()));
    // No meaning of its own: the window shows the dictionary's, as for a word typed.
    Import import;
    import.name = name;
    for (auto w = von; w != bis; ++w)
        import.woerter.push_back({*w, "", ""});
    return import;
}

std::string Lektionen::grundwortschatzFehlt(std::string_view name) {
    if (!woerterbuch::installiertes()) return std::string(woerterbuch::nichtInstalliert);
    return "Der Grundwortschatz hat keine Lektion „" + std::string(name) + "“.";
}

Lektionen::Import Lektionen::pruefen(const std::filesystem::path& pfad) {
    std::error_code fehler;
    const bool ordner = std::filesystem::is_directory(pfad, fehler);
    std::ifstream datei;
    if (!ordner) datei.open(pfad, std::ios::binary);
    if (ordner || !datei) {
        Import i;
        i.name = pfad.stem().string();
        i.fehler = "Die Datei „" + pfad.filename().string() + "“ lässt sich nicht lesen" +
                   (ordner ? ": sie ist ein Ordner." : ".");
        return i;
    }
    // Never more than the largest lesson file, whatever the file's size.
    std::string bytes(lektionen::hoechstBytes + 1, '\0');
    datei.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(datei.gcount()));
    return pruefenText(bytes, pfad.filename().string());
}

Eingabe Lektionen::zumBilden(Eingabe eingabe) {
    for (std::string& antwort : eingabe.antworten)
        antwort = drill::bereinigt(antwort);
    return eingabe;
}

Lektionen::Import Lektionen::pruefenText(std::string_view bytes, std::string_view dateiname) {
    const lektionen::Lektionsdatei datei = lektionen::lesen(bytes, dateiname);
    Import import{datei.name, {}, datei.abgelehnt, {}, datei.fehler};
    for (const auto& z : datei.woerter) {
        // Vowel marks and stray blanks as a textbook prints them are read as the drill reads
        // a typed form; the lesson keeps the word as written.
        const Gebildet g = bilden(zumBilden(z.eingabe));
        std::optional<std::string> grund;
        if (g.ablehnung)
            grund = g.ablehnung->text;
        else if (g.seiten().empty())
            grund = "Die Regeln bilden zu diesem Wort keine Form.";
        else if (g.hinweis.warnt())
            grund = g.hinweis.text;
        if (grund) {
            import.abgelehnt.push_back({z.zeile, *grund});
            continue;
        }
        import.woerter.push_back({z.eingabe, z.genus, z.bedeutung});
        if (!z.anmerkung.empty()) import.anmerkungen.push_back({z.zeile, z.anmerkung});
    }
    std::sort(import.abgelehnt.begin(), import.abgelehnt.end(),
              [](const auto& a, const auto& b) { return a.zeile < b.zeile; });
    return import;
}

std::optional<Lektionen::LektionId> Lektionen::importieren(const Import& import) {
    if (!import.fehler.empty() || import.woerter.empty()) return std::nullopt;
    std::vector<int> zellen;
    for (const lektionen::Vokabel& v : import.woerter)
        zellen.push_back(
            bilden(zumBilden(v.eingabe)).zellen() +
            karten(v.eingabe, v.bedeutung.empty() ? std::nullopt : std::optional(v.bedeutung)));
    auto id = db_.lektionMit(import.name, import.woerter, zellen);
    geaendert(id.has_value());
    return id;
}

std::optional<Lektionen::LektionId> Lektionen::gleichnamig(const Import& import) {
    for (const auto& l : db_.lektionen())
        if (l.name == import.name) return l.id;
    return std::nullopt;
}

std::optional<Lektionen::Erneuerung> Lektionen::erneuern(LektionId lektion, const Import& import) {
    if (!import.fehler.empty()) return std::nullopt;
    // Each stored word, by the word the rules read, waits for its line in the file.
    using Schluessel = std::pair<std::string, std::vector<std::string>>;
    std::map<Schluessel, std::vector<lektionen::Wort>> gespeichert;
    for (auto& w : db_.woerter(lektion)) {
        Eingabe e = zumBilden(w.eingabe);
        gespeichert[{e.befehl, std::move(e.antworten)}].push_back(std::move(w));
    }
    std::vector<std::tuple<WortId, lektionen::Vokabel, int>> behalten;
    std::vector<lektionen::Vokabel> neu;
    std::vector<int> zellen;
    for (const lektionen::Vokabel& v : import.woerter) {
        const Eingabe gebildet = zumBilden(v.eingabe);
        auto& alte = gespeichert[{gebildet.befehl, gebildet.antworten}];
        // Its cells and, with the meaning it has after the update, its two cards.
        const std::optional<std::string> gegeben =
            v.bedeutung.empty() ? std::nullopt : std::optional(v.bedeutung);
        const int formen = bilden(gebildet).zellen();
        if (!alte.empty()) {
            behalten.emplace_back(
                alte.front().id, v,
                formen + karten(v.eingabe, gegeben ? gegeben : alte.front().bedeutung));
            // `alte` is one list, held by reference: its own begin is erased.
            // cppcheck-suppress mismatchingContainerIterator
            alte.erase(alte.begin());
        } else {
            neu.push_back(v);
            zellen.push_back(formen + karten(v.eingabe, gegeben));
        }
    }
    std::vector<WortId> weg;
    for (const auto& [schluessel, alte] : gespeichert)
        for (const auto& w : alte)
            weg.push_back(w.id);
    if (!db_.lektionErneuern(lektion, behalten, neu, zellen, weg)) return std::nullopt;
    // The pages formed for a word that left, or changed its spelling, are formed again.
    impl_->gebildet.clear();
    geaendert();
    return Erneuerung{static_cast<int>(behalten.size()), static_cast<int>(neu.size()),
                      static_cast<int>(weg.size())};
}

std::optional<int> Lektionen::exportieren(LektionId lektion, const std::filesystem::path& pfad) {
    std::string name;
    for (const auto& l : db_.lektionen())
        if (l.id == lektion) name = l.name;
    if (name.empty()) return std::nullopt;
    // Each word with a noun's gender and its meaning, as the window lists it.
    std::vector<lektionen::Vokabel> woerter;
    for (const auto& w : db_.woerter(lektion))
        if (lektionen::darstellbar(w.eingabe)) woerter.push_back(vokabel(w));
    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    datei << lektionen::schreiben(name, woerter);
    datei.close();
    if (!datei) {
        meldung_ = "Die Datei „" + pfad.string() + "“ lässt sich nicht schreiben.";
        return std::nullopt;
    }
    return static_cast<int>(woerter.size());
}

lektionen::Vokabel Lektionen::vokabel(const lektionen::Wort& wort) {
    // What was given stands; the dictionary is asked only for what was not.
    if (wort.bedeutung && !wort.genus.empty()) return {wort.eingabe, wort.genus, *wort.bedeutung};
    const auto b = latiflex::ausWoerterbuch(zumBilden(wort.eingabe));
    return {wort.eingabe,
            !wort.genus.empty() ? wort.genus
            : b                 ? b->genus
                                : "",
            wort.bedeutung ? *wort.bedeutung
            : b            ? b->bedeutung
                           : ""};
}

bool Lektionen::setBedeutung(WortId wort, std::string_view bedeutung) {
    // A meaning must fit a lesson file's line, so that an exported lesson reads back whole.
    if (bedeutung.size() > hoechstBedeutung) {
        meldung_ = "Die Bedeutung ist zu lang: höchstens " + std::to_string(hoechstBedeutung) +
                   " Bytes (" + std::to_string(bedeutung.size()) + " eingegeben).";
        return false;
    }
    const auto vorher = db_.wort(wort);
    if (!vorher || !db_.setBedeutung(wort, bedeutung)) return false;
    // A word that gains or loses its meaning gains or loses its two cards.
    if (const auto w = db_.wort(wort))
        if (const int mehr =
                karten(w->eingabe, w->bedeutung) - karten(vorher->eingabe, vorher->bedeutung);
            mehr != 0 && w->zellen > 0)
            db_.setZellenzahl(wort, w->zellen + mehr);
    geaendert();
    return true;
}

int karten(const Eingabe& eingabe, const std::optional<std::string>& bedeutung) {
    return bedeutung || ausWoerterbuch(Lektionen::zumBilden(eingabe)) ? 2 : 0;
}

std::string Lektionen::ankiText(LektionId lektion) {
    std::vector<lektionen::Karte> karten;
    for (const auto& w : db_.woerter(lektion))
        for (const auto& s : impl_->seitenVon(*this, w))
            for (std::size_t b = 0; b < s->bloecke.size(); ++b)
                for (std::size_t f = 0; f < s->bloecke[b].formen.size(); ++f) {
                    const Wortform& form = s->bloecke[b].formen[f].wortform;
                    if (form.leer()) continue;
                    const drill::Frage frage{drill::Fragenart::bilden, s, b, f};
                    // The blanks that set the pane's columns apart are one blank on a card.
                    const Wortform gezeigt = text::einBlank(frage.wortform());
                    karten.push_back({woerterText(w.eingabe) + ": " +
                                          grammar::bezeichnung(s->bloecke[b].formen[f].zelle),
                                      gezeigt.stamm, gezeigt.endung});
                }
    // A word with a meaning gives two cards more: its dictionary forms to the meaning and back.
    for (const auto& w : db_.woerter(lektion))
        if (const auto v = vokabel(w); !v.bedeutung.empty()) {
            const std::string latein =
                woerterText(w.eingabe) + (v.genus.empty() ? "" : " " + v.genus);
            karten.push_back({latein, v.bedeutung, "", true});
            karten.push_back({v.bedeutung, latein, "", true});
        }
    return lektionen::ankiText(karten, hex(form_.farben().stammfarbe),
                               hex(form_.farben().endfarbe));
}

} // namespace latiflex
