// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/woerterbuch.h"

#include "dictionary/dictd.h"
#include "grammar/text.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace latiflex::woerterbuch {

namespace {

// The plain letter of a Latin letter with a mark (macron, breve, accent, diaeresis), or 0.
char32_t ohneZeichen(char32_t c) {
    struct Bereich {
        char32_t von, bis, buchstabe;
    };
    static constexpr Bereich bereiche[] = {
        {0xC0, 0xC5, 'a'},   {0xE0, 0xE5, 'a'},   {0xC8, 0xCB, 'e'},   {0xE8, 0xEB, 'e'},
        {0xCC, 0xCF, 'i'},   {0xEC, 0xEF, 'i'},   {0xD2, 0xD6, 'o'},   {0xF2, 0xF6, 'o'},
        {0xD9, 0xDC, 'u'},   {0xF9, 0xFC, 'u'},   {0xDD, 0xDD, 'y'},   {0xFD, 0xFD, 'y'},
        {0xFF, 0xFF, 'y'},   {0x100, 0x105, 'a'}, {0x112, 0x11B, 'e'}, {0x128, 0x131, 'i'},
        {0x14C, 0x151, 'o'}, {0x168, 0x173, 'u'}, {0x232, 0x233, 'y'},
    };
    for (const auto& b : bereiche)
        if (c >= b.von && c <= b.bis) return b.buchstabe;
    return 0;
}

bool istZeichen(char32_t c) { return c >= 0x300 && c <= 0x36F; } // combining marks

std::optional<Wortart> wortartDes(std::string_view befehl) {
    if (befehl == "SUBST") return Wortart::substantiv;
    if (befehl == "ADJEKTIV") return Wortart::adjektiv;
    if (befehl == "VERBUM") return Wortart::verb;
    return std::nullopt;
}

// A participle or a supine without its ending, so "laudatus" and "laudatum" compare equal;
// a deponent's perfect ("hortatus sum") by its participle.
std::string partizipStamm(std::string_view form) {
    std::string s = schluessel(form);
    if (const auto blank = s.find(' '); blank != std::string::npos) s.resize(blank);
    if (text::endsWith(s, "us") || text::endsWith(s, "um")) s.resize(s.size() - 2);
    return s;
}

void vergleiche(const std::optional<std::string>& eintrags, std::string_view getippt, Passung& p) {
    if (!eintrags) return;
    ++(schluessel(*eintrags) == schluessel(getippt) ? p.bestaetigt : p.widersprochen);
}

void verbVergleichen(const Eintrag& e, const std::vector<std::string>& antworten, Passung& p) {
    if (antworten.size() > 1) vergleiche(e.form(Formart::infinitiv), antworten[1], p);
    for (std::size_t i = 2; i < antworten.size(); ++i) {
        const std::string a = schluessel(antworten[i]);
        const bool partizip = a.find(' ') != std::string::npos || text::endsWith(a, "us");
        if (!partizip) {
            vergleiche(e.form(Formart::perfekt), a, p);
        } else if (const auto supinum = e.form(Formart::supinum)) {
            ++(partizipStamm(*supinum) == partizipStamm(a) ? p.bestaetigt : p.widersprochen);
        }
    }
}

void adjektivVergleichen(const Eintrag& e, const std::vector<std::string>& antworten, Passung& p) {
    if (antworten.size() > 1) {
        // The second prompt asks the feminine, or the genitive of one ending for all genders.
        const auto f = e.form(Formart::femininum);
        const auto g = e.form(Formart::genitiv);
        const std::string a = schluessel(antworten[1]);
        if ((f && schluessel(*f) == a) || (g && schluessel(*g) == a))
            ++p.bestaetigt;
        else if (f || g)
            ++p.widersprochen;
    }
    if (antworten.size() > 2) vergleiche(e.form(Formart::neutrum), antworten[2], p);
}

// The text of the information entry's line that starts with `anfang`, without it.
std::string nachAnfang(std::string_view text, std::string_view anfang) {
    for (std::size_t von = 0; von < text.size();) {
        const auto bis = std::min(text.find('\n', von), text.size());
        const auto zeile = text::trimmed(text.substr(von, bis - von));
        if (zeile.starts_with(anfang))
            return std::string(text::trimmed(zeile.substr(anfang.size())));
        von = bis + 1;
    }
    return "";
}

// "Sebastian Humenda <shumenda |at| gmx |dot| de>" names "Sebastian Humenda".
std::string nurName(std::string_view s) {
    return std::string(text::trimmed(s.substr(0, s.find('<'))));
}

// The copyright line and the licence sentences below it, up to the next empty line.
void verfuegbarkeit(std::string_view info, Herkunft& h) {
    const auto zeichen = info.find("©");
    if (zeichen == std::string_view::npos) return;
    const auto zeilenende = std::min(info.find('\n', zeichen), info.size());
    h.urheber = text::trimmed(info.substr(zeichen, zeilenende - zeichen));
    for (std::size_t von = zeilenende + 1; von < info.size();) {
        const auto bis = std::min(info.find('\n', von), info.size());
        const auto zeile = text::trimmed(info.substr(von, bis - von));
        if (zeile.empty()) break;
        if (!h.lizenz.empty()) h.lizenz += ' ';
        h.lizenz += zeile;
        von = bis + 1;
    }
}

Herkunft herkunftAus(std::string_view info, std::string_view kurz, std::string_view adresse) {
    Herkunft h;
    h.titel = text::trimmed(kurz.substr(0, kurz.find('\n')));
    for (const auto* rolle : {"created by:", "Maintainer:"})
        if (const auto name = nurName(nachAnfang(info, rolle));
            !name.empty() && std::find(h.autoren.begin(), h.autoren.end(), name) == h.autoren.end())
            h.autoren.push_back(name);
    verfuegbarkeit(info, h);
    h.adresse = nachAnfang(info, "Published at:");
    if (h.adresse.empty() && adresse.find("://") != std::string_view::npos)
        h.adresse = text::trimmed(adresse);
    return h;
}

} // namespace

std::string schluessel(std::string_view form) {
    const std::string_view s = text::trimmed(form);
    std::string k;
    k.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = text::nextCodePoint(s, i);
        if (c >= 'A' && c <= 'Z')
            k += static_cast<char>(c - 'A' + 'a');
        else if (c < 0x80)
            k += static_cast<char>(c);
        else if (const char32_t b = ohneZeichen(c))
            k += static_cast<char>(b);
        else if (c == 0xC6 || c == 0xE6)
            k += "ae";
        else if (c == 0x152 || c == 0x153)
            k += "oe";
        else if (!istZeichen(c))
            text::appendCodePoint(k, c);
    }
    return k;
}

std::optional<Passung> passung(const Eintrag& eintrag, const Eingabe& eingabe) {
    const auto art = wortartDes(eingabe.befehl);
    if (!art || *art != eintrag.wortart || eingabe.antworten.empty() ||
        schluessel(eintrag.stichwort) != schluessel(eingabe.antworten.front()))
        return std::nullopt;
    Passung p;
    const auto& a = eingabe.antworten;
    if (*art == Wortart::substantiv && a.size() > 1)
        vergleiche(eintrag.form(Formart::genitiv), a[1], p);
    else if (*art == Wortart::adjektiv)
        adjektivVergleichen(eintrag, a, p);
    else if (*art == Wortart::verb)
        verbVergleichen(eintrag, a, p);
    return p;
}

std::unique_ptr<const Woerterbuch> Woerterbuch::oeffnen(const std::filesystem::path& basis) {
    auto pfad = [&basis](const char* endung) {
        auto p = basis;
        p += endung;
        return p;
    };
    const auto indexText = dictd::datei(pfad(".index"));
    const auto daten = indexText ? dictd::entpackt(pfad(".dict.dz")) : std::nullopt;
    if (!daten) return nullptr;
    const auto zeilen = dictd::index(*indexText);

    auto text = [&daten](dictd::Stelle s) -> std::optional<std::string_view> {
        if (s.anfang > daten->size() || s.laenge > daten->size() - s.anfang) return std::nullopt;
        return std::string_view(*daten).substr(s.anfang, s.laenge);
    };
    // Several index words (a headword and its forms) lead to one entry: one place, one entry.
    std::vector<dictd::Stelle> stellen;
    std::string_view info, kurz, adresse;
    for (const auto& z : zeilen) {
        if (!z.wort.starts_with("00database")) {
            stellen.push_back(z.stelle);
        } else if (const auto t = text(z.stelle)) {
            if (z.wort == "00databaseinfo") info = *t;
            if (z.wort == "00databaseshort") kurz = *t;
            if (z.wort == "00databaseurl") adresse = *t;
        }
    }
    std::sort(stellen.begin(), stellen.end());
    stellen.erase(std::unique(stellen.begin(), stellen.end()), stellen.end());

    std::unique_ptr<Woerterbuch> w(new Woerterbuch);
    std::vector<std::pair<dictd::Stelle, std::uint32_t>> nummern;
    for (const auto s : stellen) {
        const auto t = text(s);
        if (!t) continue;
        Eintrag e = lesen(*t);
        if (e.stichwort.empty()) continue;
        const auto nr = static_cast<std::uint32_t>(w->eintraege_.size());
        nummern.emplace_back(s, nr);
        w->nachForm_[schluessel(e.stichwort)].push_back(nr);
        for (const auto& f : e.formen)
            w->nachForm_[schluessel(f.text)].push_back(nr);
        w->eintraege_.push_back(std::move(e));
    }
    if (w->eintraege_.empty()) return nullptr;
    for (const auto& z : zeilen) {
        const auto n = std::lower_bound(nummern.begin(), nummern.end(), z.stelle,
                                        [](const auto& a, dictd::Stelle b) { return a.first < b; });
        if (n != nummern.end() && n->first == z.stelle)
            w->nachForm_[schluessel(z.wort)].push_back(n->second);
    }
    for (auto& [form, nrn] : w->nachForm_) {
        std::sort(nrn.begin(), nrn.end());
        nrn.erase(std::unique(nrn.begin(), nrn.end()), nrn.end());
    }
    w->herkunft_ = herkunftAus(info, kurz, adresse);
    return w;
}

std::filesystem::path Woerterbuch::standardPfad() {
    if (const char* pfad = std::getenv("LATIFLEX_WOERTERBUCH"); pfad && *pfad) return pfad;
    return "/usr/share/dictd/freedict-lat-deu";
}

std::vector<const Eintrag*> Woerterbuch::mitForm(std::string_view form) const {
    std::vector<const Eintrag*> gefunden;
    if (const auto n = nachForm_.find(schluessel(form)); n != nachForm_.end())
        for (const auto nr : n->second)
            gefunden.push_back(&eintraege_[nr]);
    return gefunden;
}

std::vector<const Eintrag*> Woerterbuch::stichwort(std::string_view stichwort) const {
    auto gefunden = mitForm(stichwort);
    const std::string k = schluessel(stichwort);
    std::erase_if(gefunden, [&k](const Eintrag* e) { return schluessel(e->stichwort) != k; });
    return gefunden;
}

const Eintrag* Woerterbuch::zuEingabe(const Eingabe& eingabe) const {
    if (eingabe.antworten.empty()) return nullptr;
    const Eintrag* bester = nullptr;
    Passung beste;
    for (const Eintrag* e : stichwort(eingabe.antworten.front())) {
        const auto p = passung(*e, eingabe);
        if (p && (!bester || p->bestaetigt > beste.bestaetigt ||
                  (p->bestaetigt == beste.bestaetigt && p->widersprochen < beste.widersprochen))) {
            bester = e;
            beste = *p;
        }
    }
    return bester;
}

const Woerterbuch* installiertes() {
    static const std::unique_ptr<const Woerterbuch> woerterbuch =
        Woerterbuch::oeffnen(Woerterbuch::standardPfad());
    return woerterbuch.get();
}

} // namespace latiflex::woerterbuch
