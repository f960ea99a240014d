// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/merkmalauswahl.h"

#include "grammar/bezeichnung.h"
#include "widgets/qtext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

#include <algorithm>

namespace latiflex {

namespace {

using namespace grammar;
using drill::alleMerkmale;
using drill::gefragt;
using drill::Merkmal;

template <typename E> void fuelle(QComboBox* box) {
    for (int i = 0; i < anzahl<E>; ++i)
        box->addItem(qtext(name(static_cast<E>(i))));
}

// A dimension's title, and what fills its list with the German names of every value, in
// the order declared.
struct MerkmalFeld {
    const char* titel;
    void (*fuelle)(QComboBox* box);
};

// In the order of `Merkmal`.
constexpr std::array<MerkmalFeld, 7> merkmalFelder{{
    {"&Genus:", fuelle<Genus>},
    {"&Kasus:", fuelle<Kasus>},
    {"Pers&on:", fuelle<Person>},
    {"&Numerus:", fuelle<Numerus>},
    {"&Tempus:", fuelle<Tempus>},
    {"&Modus:", fuelle<Modus>},
    {"Genus &verbi:", fuelle<GenusVerbi>},
}};
static_assert(alleMerkmale.size() == merkmalFelder.size() &&
              static_cast<std::size_t>(Merkmal::genusVerbi) + 1 == alleMerkmale.size());

constexpr std::size_t index(Merkmal m) { return static_cast<std::size_t>(m); }

template <typename E> E gewaehlt(const QComboBox* box) {
    return static_cast<E>(box->currentIndex());
}

} // namespace

MerkmalAuswahl::MerkmalAuswahl(QWidget* parent) : QWidget(parent) {
    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(0, 0, 0, 0);
    for (const Merkmal m : alleMerkmale) {
        auto* box = new QComboBox(this);
        merkmalFelder[index(m)].fuelle(box);
        // Nothing is chosen until the pupil chooses: a list's first entry is no answer.
        box->setPlaceholderText(QStringLiteral("–"));
        box->setCurrentIndex(-1);
        auto* titel = new QLabel(QString::fromUtf8(merkmalFelder[index(m)].titel), this);
        titel->setBuddy(box);
        box->setAccessibleName(titel->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        auto* zeile = new QWidget(this);
        auto* z = new QHBoxLayout(zeile);
        z->setContentsMargins(0, 0, 0, 0);
        z->addWidget(titel);
        z->addWidget(box, 1);
        raster->addWidget(zeile, static_cast<int>(index(m) / 2), static_cast<int>(index(m) % 2));
        listen_[index(m)] = box;
        zeilen_[index(m)] = zeile;
    }
    // A verb's lists, two a row, have their room whether shown or not.
    const auto verb =
        std::ranges::count_if(alleMerkmale, [](Merkmal m) { return gefragt(Wortart::verbum, m); });
    const int reihen = static_cast<int>(verb + 1) / 2;
    const int abstand = raster->verticalSpacing() >= 0
                            ? raster->verticalSpacing()
                            : style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    setMinimumHeight(reihen * zeilen_[0]->sizeHint().height() +
                     (reihen - 1) * std::max(abstand, 0));
    QSizePolicy bleibt = sizePolicy();
    bleibt.setRetainSizeWhenHidden(true);
    setSizePolicy(bleibt);
}

void MerkmalAuswahl::frageNach(Wortart wortart) {
    wortart_ = wortart;
    auto* raster = static_cast<QGridLayout*>(layout());
    int n = 0;
    for (const Merkmal m : alleMerkmale) {
        QWidget* zeile = zeilen_[index(m)];
        raster->removeWidget(zeile);
        listen_[index(m)]->setCurrentIndex(-1);
        const bool sichtbar = gefragt(wortart, m);
        zeile->setVisible(sichtbar);
        if (sichtbar) {
            raster->addWidget(zeile, n / 2, n % 2);
            ++n;
        }
    }
}

std::vector<Merkmal> MerkmalAuswahl::leer() const {
    std::vector<Merkmal> aus;
    for (const Merkmal m : alleMerkmale)
        if (gefragt(wortart_, m) && listen_[index(m)]->currentIndex() < 0) aus.push_back(m);
    return aus;
}

std::optional<Zelle> MerkmalAuswahl::zelle() const {
    if (!leer().empty()) return std::nullopt;
    const auto box = [this](Merkmal m) { return listen_[index(m)]; };
    using enum Merkmal;
    Zelle z;
    z.numerus = gewaehlt<Numerus>(box(numerus));
    if (gefragt(wortart_, genus)) z.genus = gewaehlt<Genus>(box(genus));
    if (gefragt(wortart_, kasus)) z.kasus = gewaehlt<Kasus>(box(kasus));
    if (gefragt(wortart_, person)) {
        z.person = gewaehlt<Person>(box(person));
        z.tempus = gewaehlt<Tempus>(box(tempus));
        z.modus = gewaehlt<Modus>(box(modus));
        z.genusVerbi = gewaehlt<GenusVerbi>(box(genusVerbi));
    }
    return z;
}

QComboBox* MerkmalAuswahl::liste(Merkmal merkmal) const { return listen_[index(merkmal)]; }

} // namespace latiflex
