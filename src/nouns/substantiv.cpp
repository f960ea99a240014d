#include "nouns/substantiv.h"

#include "nouns/deklination.h"
#include "shell/prompt.h"

namespace latiflex::nouns {

namespace {

constexpr int spalteSingular = 5;
constexpr int spaltePlural = 25;
constexpr int pluralOben = 250; // twips: the plural starts beside the first singular rows

} // namespace

void substantiv(Umgebung& u) {
    u.bild1.clear();

    const auto nom = frageWort(u.dialoge, "Substantiv im Nom. eingeben: ", "1.Sg.");
    if (!nom) return;
    const auto gen = frageWort(u.dialoge, "Substantiv im Gen. eingeben: ", "2.Sg.");
    if (!gen) return;
    if (nom->empty() || gen->empty()) {
        melden(u.dialoge, "Keine Formen vorhanden", "EINGABEFEHLER");
        return;
    }
    if (*nom == "bos") {
        melden(u.dialoge, "Unregelmäßig: nicht vorhanden", "FEHLT");
        return;
    }

    const Klasse klasse = klassifizieren(*nom, *gen);
    print::line(u.bild1, ueberschrift(klasse));

    KMarken marken;
    if (klasse.typ == Typ::K) {
        const auto k = kMarken(*nom, *gen);
        if (!k) return; // a genitive too short to tell: the heading stays alone
        marken = *k;
    }

    Paradigma paradigma(*nom, *gen, klasse.typ, marken);
    const int zeilen = paradigma.hatPlural() ? 12 : 6;
    for (int zeile = 1; zeile <= zeilen; ++zeile) {
        const auto form = paradigma.form(zeile);
        if (!form) return; // too short for its cut: what is printed stays
        if (zeile == 7) u.bild1.setY(pluralOben);
        print::form(u.bild1, u.farben, zeile <= 6 ? spalteSingular : spaltePlural, *form);
    }
}

} // namespace latiflex::nouns
