// SPDX-License-Identifier: GPL-3.0-or-later
#include "verbs/zeitseite.h"

#include "grammar/bezeichnung.h"
#include "interfaces/prompt.h"
#include "verbs/tempora.h"

namespace latiflex::verbs {

namespace {

using grammar::GenusVerbi;
using grammar::Modus;
using grammar::Tempus;

struct Platz {
    int spalte;
    int oben; // twips; -1: where the cleared pane starts
};

constexpr std::array<Platz, 5> plaetze{{{5, -1}, {25, 0}, {45, 0}, {5, 1900}, {25, 1900}}};

struct Seitenart {
    std::string_view knopf; // the caption of the button that prints the page
    std::array<std::string_view, 5> koepfe;
    bool perfekt;
    GenusVerbi genusVerbi;
};

// The headings as the page prints them; FUTUR.IND.PASS. is the future perfect passive.
using Koepfe = std::array<std::string_view, 5>;
constexpr Koepfe praesensAktiv{"PRAES.IND.AKT.", "IMP.IND.AKT.", "FUTUR.AKT.", "PRAES.KON.AKT.",
                               "IMP.KON.AKT"};
constexpr Koepfe praesensPassiv{"PRAES.IND.PASS.", "IMP.IND.PASS.", "FUTUR.PASS.",
                                "PRAES.KON.PASS.", "IMP.KON.PASS."};
constexpr Koepfe perfektAktiv{"PERF.IND.AKT.", "PLQPF.IND.AKT.", "FUTUR.EX.AKT.", "PERF.KON.AKT.",
                              "PLQPF.KON.AKT."};
constexpr Koepfe perfektPassiv{"PERF.IND.PASS.", "PLQPF.IND.PASS.", "FUTUR.IND.PASS.",
                               "PERF.KON.PASS.", "PLQPF.KON.PASS."};

// In the order of `Seite`.
constexpr std::array<Seitenart, 4> seitenarten{{
    {seitenKnoepfe[0], praesensAktiv, false, GenusVerbi::aktiv},
    {seitenKnoepfe[1], praesensPassiv, false, GenusVerbi::passiv},
    {seitenKnoepfe[2], perfektAktiv, true, GenusVerbi::aktiv},
    {seitenKnoepfe[3], perfektPassiv, true, GenusVerbi::passiv},
}};

// Tense and mood of the page's five columns.
std::array<std::pair<Tempus, Modus>, 5> zeitenDer(bool perfekt) {
    if (perfekt)
        return {{{Tempus::perfekt, Modus::indikativ},
                 {Tempus::plusquamperfekt, Modus::indikativ},
                 {Tempus::futur2, Modus::indikativ},
                 {Tempus::perfekt, Modus::konjunktiv},
                 {Tempus::plusquamperfekt, Modus::konjunktiv}}};
    return {{{Tempus::praesens, Modus::indikativ},
             {Tempus::imperfekt, Modus::indikativ},
             {Tempus::futur1, Modus::indikativ},
             {Tempus::praesens, Modus::konjunktiv},
             {Tempus::imperfekt, Modus::konjunktiv}}};
}

} // namespace

Tempora nachTabellen(const std::array<const Personen*, 5>& tabellen,
                     const grammar::AbEins<std::string, 6>* staemme) {
    Tempora t;
    for (std::size_t k = 0; k < t.size(); ++k)
        for (int n = 1; n <= 6; ++n) {
            const std::string eintrag((*tabellen[k])[n]);
            t[k][static_cast<std::size_t>(n - 1)] =
                staemme ? Wortform{(*staemme)[n], eintrag} : Wortform{eintrag, ""};
        }
    return t;
}

grammar::Paradigma seitenParadigma(const Verb& v, Zeitseite seite, const Tempora& tempora,
                                   Farbe farbe) {
    const Seitenart& art = seitenarten[static_cast<std::size_t>(seite)];
    grammar::Paradigma p;
    p.wortart = grammar::Wortart::verbum;
    p.seite = art.knopf;
    p.klasse = klasse(v);
    p.klassenname = klassenname(v);
    p.stichwoerter = stichwoerter(v);
    p.einfarbig = farbe == Farbe::ohne;
    const auto zeiten = zeitenDer(art.perfekt);
    for (std::size_t t = 0; t < tempora.size(); ++t) {
        const auto [tempus, modus] = zeiten[t];
        grammar::Block block{
            std::string(art.koepfe[t]), grammar::bezeichnung(tempus, modus, art.genusVerbi), {}};
        for (int n = 1; n <= 6; ++n)
            block.formen.push_back({tempora[t][static_cast<std::size_t>(n - 1)],
                                    grammar::personenZelle(n, tempus, modus, art.genusVerbi)});
        p.bloecke.push_back(std::move(block));
    }
    return p;
}

void druckeSeite(Umgebung& u, const grammar::Paradigma& p) {
    for (std::size_t t = 0; t < p.bloecke.size() && t < plaetze.size(); ++t) {
        const auto [spalte, oben] = plaetze[t];
        if (oben >= 0) u.bild1.setY(oben);
        u.bild1.setBezug({int(t), -1});
        write::columnLine(u.bild1, spalte, p.bloecke[t].kopf);
        const auto& formen = p.bloecke[t].formen;
        for (std::size_t f = 0; f < formen.size(); ++f) {
            u.bild1.setBezug({int(t), int(f)});
            const Wortform& form = formen[f].wortform;
            if (p.einfarbig)
                write::columnLine(u.bild1, spalte, form.ganz());
            else
                write::form(u.bild1, u.farben, spalte, form);
        }
    }
    u.bild1.setBezug({});
}

std::optional<Ablehnung> schranke(const Verb& v, Zeitseite seite) {
    const bool aktiv = seite == Zeitseite::praesensAktiv || seite == Zeitseite::perfektAktiv;
    if (aktiv && v.deponens) return Ablehnung{"Kein Eintrag", "DEPONENS"};
    if (seite == Zeitseite::perfektPassiv && istVoloNoloMalo(v.stammformen[1]))
        return keineFormen();
    if (!aktiv && v.istsum) return Ablehnung{"Nicht vorhanden", "LEER"};
    return std::nullopt;
}

bool geprueft(Umgebung& u, const Verb* v, Zeitseite seite) {
    if (!v) {
        melden(u.dialoge, "Zuerst VERBUM wählen", "FEHLER");
        return false;
    }
    const bool aktiv = seite == Zeitseite::praesensAktiv || seite == Zeitseite::perfektAktiv;
    if (aktiv) u.leeren();
    if (const auto nein = schranke(*v, seite)) {
        melden(u.dialoge, *nein);
        return false;
    }
    if (!aktiv) u.leeren();
    return true;
}

} // namespace latiflex::verbs
