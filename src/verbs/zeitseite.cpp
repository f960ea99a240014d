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

std::optional<grammar::Paradigma> seiteAus(const std::vector<grammar::Stichwort>& stichwoerter,
                                           std::string_view knopf) {
    // The order stichwoerter() gives: present, infinitive, then a deponent's perfect, or an
    // active verb's perfect and participle.
    const auto wort = [&stichwoerter](std::size_t i) {
        return i < stichwoerter.size() ? stichwoerter[i].wort : std::string();
    };
    const bool deponens = !stichwoerter.empty() && stichwoerter[0].zelle &&
                          stichwoerter[0].zelle->genusVerbi == GenusVerbi::passiv;
    Stammformen eingegeben;
    eingegeben[1] = wort(0);
    eingegeben[2] = wort(1);
    eingegeben[3] = deponens ? std::string() : wort(2);
    eingegeben[4] = deponens ? wort(2) : wort(3);
    const Verb v = verb(eingegeben);
    if (knopf == "VERBUM") return kopfseite(v);
    for (std::size_t i = 0; i < seitenKnoepfe.size(); ++i)
        if (seitenKnoepfe[i] == knopf) return seitenParadigma(v, static_cast<Zeitseite>(i));
    return std::nullopt;
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

void zeigeSeite(Umgebung& u, const Verb& v, Zeitseite seite, const Tempora& tempora, Farbe farbe) {
    grammar::Paradigma p = seitenParadigma(v, seite, tempora, farbe);
    druckeSeite(u, p);
    u.seiten.zeige(std::move(p));
}

void zeigeOderMelde(Umgebung& u, const Verb& v, Zeitseite seite,
                    const std::optional<Tempora>& tempora, Farbe farbe, std::string_view titel) {
    if (tempora)
        zeigeSeite(u, v, seite, *tempora, farbe);
    else
        melden(u.dialoge, "Keine Formen vorhanden", titel);
}

bool leerenFuerPassiv(Umgebung& u, const Verb* v) {
    if (!verbGewaehlt(u, v)) return false;
    if (v->istsum) {
        melden(u.dialoge, "Nicht vorhanden", "LEER");
        return false;
    }
    u.leeren();
    return true;
}

bool verbGewaehlt(Umgebung& u, const Verb* v) {
    if (v) return true;
    melden(u.dialoge, "Zuerst VERBUM wählen", "FEHLER");
    return false;
}

bool leerenFuerAktiv(Umgebung& u, const Verb* v) {
    if (!verbGewaehlt(u, v)) return false;
    u.leeren();
    if (!v->deponens) return true;
    melden(u.dialoge, "Kein Eintrag", "DEPONENS");
    return false;
}

} // namespace latiflex::verbs
