// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/eingrenzungauswahl.h"

#include "grammar/bezeichnung.h"
#include "widgets/qtext.h"

#include <QCheckBox>
#include <QGridLayout>

#include <algorithm>
#include <ranges>

namespace latiflex {

namespace {

using namespace grammar;

enum Art { numerus, tempus, genusVerbi, modus, letztesWort };

template <typename E> bool enthaelt(const std::vector<E>& werte, int wert) {
    return std::ranges::find(werte, static_cast<E>(wert)) != werte.end();
}

// What `tun` gives for the list of `e` that a box of kind `art` stands for (not the last word).
template <typename E, typename F> decltype(auto) mitListe(E& e, int art, F tun) {
    switch (art) {
    case numerus:
        return tun(e.numeri);
    case tempus:
        return tun(e.tempora);
    case genusVerbi:
        return tun(e.genera);
    default:
        return tun(e.modi);
    }
}

} // namespace

EingrenzungAuswahl::EingrenzungAuswahl(QWidget* parent)
    : QGroupBox(QStringLiteral("E&ingrenzen (nichts angekreuzt: alles)"), parent) {
    struct Wert {
        Art art;
        int wert;
        std::string_view name;
    };
    const auto w = [](Art art, auto wert) {
        return Wert{art, static_cast<int>(wert), grammar::name(wert)};
    };
    // Four rows: the window must fit a small screen at a large scale.
    const std::vector<std::vector<Wert>> reihen{
        {w(numerus, Numerus::singular), w(numerus, Numerus::plural),
         Wert{letztesWort, 1, "nur das letzte Wort"}},
        {w(tempus, Tempus::praesens), w(tempus, Tempus::imperfekt), w(tempus, Tempus::futur1)},
        {w(tempus, Tempus::perfekt), w(tempus, Tempus::plusquamperfekt), w(tempus, Tempus::futur2)},
        {w(genusVerbi, GenusVerbi::aktiv), w(genusVerbi, GenusVerbi::passiv),
         w(modus, Modus::indikativ), w(modus, Modus::konjunktiv)}};
    auto* raster = new QGridLayout(this);
    for (int r = 0; r < static_cast<int>(reihen.size()); ++r)
        for (int c = 0; c < static_cast<int>(reihen[r].size()); ++c) {
            const Wert& wert = reihen[r][c];
            auto* box = new QCheckBox(qtext(wert.name), this);
            box->setAccessibleName(box->text());
            raster->addWidget(box, r, c, 1, wert.art == letztesWort ? 2 : 1);
            felder_.push_back({box, wert.art, wert.wert});
            connect(box, &QCheckBox::toggled, this, &EingrenzungAuswahl::geaendert);
        }
}

drill::Eingrenzung EingrenzungAuswahl::eingrenzung() const {
    drill::Eingrenzung e;
    for (const Feld& f : felder_) {
        if (!f.box->isChecked()) continue;
        if (f.art == letztesWort)
            e.nurLetztesWort = true;
        else
            mitListe(e, f.art, [&](auto& liste) {
                liste.push_back(static_cast<std::ranges::range_value_t<decltype(liste)>>(f.wert));
            });
    }
    return e;
}

void EingrenzungAuswahl::zeige(const drill::Eingrenzung& e) {
    for (const Feld& f : felder_) {
        const QSignalBlocker still(f.box);
        f.box->setChecked(f.art == letztesWort ? e.nurLetztesWort
                                               : mitListe(e, f.art, [&](const auto& liste) {
                                                     return enthaelt(liste, f.wert);
                                                 }));
    }
}

} // namespace latiflex
