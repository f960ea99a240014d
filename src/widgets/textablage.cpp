// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/textablage.h"

#include "grammar/text.h"
#include "lesen/zerlegung.h"
#include "widgets/qtext.h"

#include <QMenu>
#include <QPushButton>

namespace latiflex {

namespace {
// So many words make a title; so many texts the list shows.
constexpr std::size_t titelWoerter = 6;
constexpr int hoechstTexte = 30;
} // namespace

TextAblage::TextAblage(lektionen::Database* ablage, std::function<lektionen::Datum()> heute,
                       QWidget* parent)
    : QObject(parent), ablage_(ablage), heute_(std::move(heute)),
      taste_(new QPushButton(QStringLiteral("&Zuletzt gelesen"), parent)) {
    taste_->setObjectName(QStringLiteral("zuletzt"));
    taste_->setToolTip(QStringLiteral("Einen gelesenen Text mit den gewählten Deutungen "
                                      "wieder öffnen"));
    auto* menue = new QMenu(taste_);
    menue->setObjectName(QStringLiteral("zuletztMenue"));
    taste_->setMenu(menue);
    taste_->setEnabled(ablage_ != nullptr);
    connect(menue, &QMenu::aboutToShow, this, &TextAblage::fuellen);
}

std::string TextAblage::titelAus(const std::string& inhalt) {
    std::string titel;
    const auto woerter = lesen::zerlegen(inhalt);
    for (std::size_t i = 0; i < woerter.size() && i < titelWoerter; ++i)
        titel += (i ? " " : "") + woerter[i].form;
    if (woerter.size() > titelWoerter) titel += " …";
    return text::kurz(titel, 60);
}

void TextAblage::behalten(const std::string& titel, const std::string& inhalt) {
    if (!ablage_ || inhalt == behalten_) return;
    const auto id =
        ablage_->textBehalten(aktuell_, titel.empty() ? titelAus(inhalt) : titel, inhalt, heute_());
    if (!id) return; // the store says why where the program shows its messages
    aktuell_ = id;
    behalten_ = inhalt;
}

void TextAblage::waehlen(const lektionen::Textwahl& wahl) {
    if (ablage_ && aktuell_) ablage_->setTextwahl(*aktuell_, wahl);
}

void TextAblage::fuellen() {
    QMenu* menue = taste_->menu();
    menue->clear();
    const auto texte = ablage_ ? ablage_->texte() : std::vector<lektionen::GelesenerText>{};
    if (texte.empty())
        menue->addAction(QStringLiteral("Noch kein Text gelesen"))->setEnabled(false);
    int n = 0;
    for (const auto& t : texte) {
        if (++n > hoechstTexte) break;
        const QString name =
            qtext(t.titel) + QStringLiteral(" – ") + qtext(lektionen::text(t.gelesen));
        connect(menue->addAction(name), &QAction::triggered, this, [this, id = t.id] {
            const auto text = ablage_->gelesenerText(id);
            if (!text) return;
            aktuell_ = id;
            behalten_ = text->inhalt;
            emit oeffnen(*text, ablage_->textwahl(id));
        });
    }
}

} // namespace latiflex
