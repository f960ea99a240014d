// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bestimmenwindow.h"

#include "grammar/bezeichnung.h"
#include "grammar/text.h"
#include "shell/bestimmenwoerterbuch.h"
#include "widgets/enterliste.h"
#include "widgets/fensterplatz.h"
#include "widgets/qtcolour.h"
#include "widgets/qtext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace latiflex {

namespace {

constexpr int spalteZelle = 0;
constexpr int spalteStamm = 1;
constexpr int spalteEndung = 2;
// The reading an item stands for: its index in the list of readings.
constexpr int rolleDeutung = Qt::UserRole + 1;

// Down in the field goes to the readings, Enter chooses the first.
class Feld final : public QLineEdit {
public:
    Feld(QWidget* parent, std::function<void()> runter, std::function<void()> enter)
        : QLineEdit(parent), runter_(std::move(runter)), enter_(std::move(enter)) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Down) return runter_();
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return enter_();
        QLineEdit::keyPressEvent(e);
    }

private:
    std::function<void()> runter_, enter_;
};

} // namespace

BestimmenWindow::BestimmenWindow(const Farben& farben, std::function<std::vector<Eingabe>()> eigene,
                                 std::function<void(const analysis::Deutung&)> waehlen,
                                 QWidget* parent)
    : QDialog(parent), farben_(farben), eigene_(std::move(eigene)), waehlen_(std::move(waehlen)) {
    setObjectName(QStringLiteral("Bestimmen"));
    setWindowTitle(QStringLiteral("Bestimmen"));
    setModal(false);
    auto* spalte = new QVBoxLayout(this);

    auto* titel = new QLabel(QStringLiteral("&Form:"), this);
    spalte->addWidget(titel);
    feld_ = new Feld(
        this,
        [this] {
            if (liste_->topLevelItemCount() == 0) return;
            liste_->setFocus();
            if (!liste_->currentItem()) liste_->setCurrentItem(liste_->topLevelItem(0));
        },
        [this] {
            if (liste_->topLevelItemCount() > 0) waehle(liste_->topLevelItem(0));
        });
    feld_->setObjectName(QStringLiteral("form"));
    feld_->setAccessibleName(QStringLiteral("Form"));
    titel->setBuddy(feld_);
    spalte->addWidget(feld_);

    auto* listenTitel = new QLabel(QStringLiteral("&Deutungen:"), this);
    spalte->addWidget(listenTitel);
    liste_ = new EnterListe(this, [this](QTreeWidgetItem* item) { waehle(item); });
    liste_->setObjectName(QStringLiteral("deutungen"));
    liste_->setAccessibleName(QStringLiteral("Deutungen"));
    liste_->setColumnCount(3);
    liste_->setHeaderLabels({QStringLiteral("Wörterbuchformen / Zelle"), QStringLiteral("Stamm"),
                             QStringLiteral("Endung")});
    liste_->header()->setSectionResizeMode(spalteZelle, QHeaderView::Stretch);
    liste_->header()->setStretchLastSection(false);
    liste_->setRootIsDecorated(true);
    liste_->setUniformRowHeights(true);
    listenTitel->setBuddy(liste_);
    spalte->addWidget(liste_, 1);
    connect(liste_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item, int) { waehle(item); });

    // The result in words, which a keyboard can reach and copy (Alt+E, Ctrl+A, Ctrl+C).
    auto* standZeile = new QHBoxLayout;
    auto* standTitel = new QLabel(QStringLiteral("&Ergebnis:"), this);
    stand_ = new QLabel(this);
    stand_->setObjectName(QStringLiteral("ergebnis"));
    stand_->setAccessibleName(QStringLiteral("Ergebnis"));
    stand_->setTextFormat(Qt::PlainText);
    stand_->setWordWrap(true); // the window may stand narrow, right of the main window's pane
    stand_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    stand_->setFocusPolicy(Qt::StrongFocus);
    standTitel->setBuddy(stand_);
    standZeile->addWidget(standTitel);
    standZeile->addWidget(stand_, 1);
    spalte->addLayout(standZeile);

    connect(feld_, &QLineEdit::textChanged, this, &BestimmenWindow::bestimmen);
    resize(640, 420);
    bestimmen();
}

void BestimmenWindow::oeffnen() {
    // The first time beside the main window, so that a chosen reading shows in its pane.
    if (!isVisible() && !platziert_ && parentWidget()) {
        platziert_ = true;
        platziereNebenBild(*this, *parentWidget());
    }
    show();
    raise();
    activateWindow();
    feld_->setFocus();
    feld_->selectAll();
    bestimmen(); // the pupil's own words may have changed since
}

void BestimmenWindow::setHintergrund(QColor farbe) {
    hintergrund_ = farbe;
    bestimmen();
}

namespace {

// An entry's line: its dictionary forms (with a noun's gender), its class, its meaning.
QString kopfzeile(const analysis::Deutung& d) {
    QString kopf = qtext(text::kurz(analysis::woerter(d.eingabe), 80));
    if (!d.genus.empty()) kopf += QStringLiteral(" ") + qtext(d.genus);
    kopf += QStringLiteral(" – ") + qtext(d.klasse);
    if (d.eigen) kopf += QStringLiteral(" (eigenes Wort)");
    if (!d.bedeutung.empty()) kopf += QStringLiteral(": ") + qtext(d.bedeutung);
    return kopf;
}

bool gleicherEintrag(const analysis::Deutung& a, const analysis::Deutung& b) {
    return a.eingabe == b.eingabe && a.klasse == b.klasse;
}

} // namespace

void BestimmenWindow::bestimmen() {
    const std::string text = feld_->text().toStdString();
    deutungen_ = analysis::bestimmen(text, eigene_(), {.woerterbuch = bestimmenWoerterbuch()});
    liste_->clear();
    QTreeWidgetItem* eintrag = nullptr;
    bool vermutungen = false;
    for (std::size_t i = 0; i < deutungen_.size(); ++i) {
        const analysis::Deutung& d = deutungen_[i];
        if (d.herkunft == analysis::Herkunft::regeln && !vermutungen) {
            // The rules' guesses stand apart, under a line that is no reading.
            vermutungen = true;
            auto* trenner = new QTreeWidgetItem(liste_);
            trenner->setText(spalteZelle, QStringLiteral("nach den Regeln – nicht im Wörterbuch"));
            trenner->setFlags(Qt::NoItemFlags);
            trenner->setFirstColumnSpanned(true);
            QFont schrift = trenner->font(spalteZelle);
            schrift.setItalic(true);
            trenner->setFont(spalteZelle, schrift);
            eintrag = nullptr;
        }
        if (!eintrag || !gleicherEintrag(deutungen_[i - 1], d)) {
            eintrag = new QTreeWidgetItem(liste_);
            eintrag->setText(spalteZelle, kopfzeile(d));
            eintrag->setData(spalteZelle, rolleDeutung, static_cast<qulonglong>(i));
            eintrag->setFirstColumnSpanned(true);
            // A guess shows its line only; its cells open with the Right arrow key.
            eintrag->setExpanded(!vermutungen);
        }
        if (!d.mitZelle) continue; // a word without cells is its entry's line alone
        auto* zeile = new QTreeWidgetItem(eintrag);
        QString zelle = qtext(grammar::bezeichnung(d.zelle));
        if (!d.druckbar && !d.eingabe.befehl.empty())
            zelle += QStringLiteral(" (die Seite von %1 wiche ab)").arg(qtext(d.eingabe.befehl));
        zeile->setText(spalteZelle, zelle);
        zeile->setText(spalteStamm, qtext(d.wortform.stamm));
        zeile->setText(spalteEndung, qtext(d.wortform.endung));
        zeile->setForeground(spalteStamm, qcolour(farben_.stammfarbe));
        zeile->setForeground(spalteEndung, qcolour(farben_.endfarbe));
        zeile->setBackground(spalteStamm, hintergrund_);
        zeile->setBackground(spalteEndung, hintergrund_);
        zeile->setData(spalteZelle, rolleDeutung, static_cast<qulonglong>(i));
    }
    for (int c = spalteStamm; c <= spalteEndung; ++c)
        liste_->resizeColumnToContents(c);
    if (feld_->text().trimmed().isEmpty())
        stand_->setText(QStringLiteral("Eine Form eingeben, z. B. regis oder laudati sunt."));
    else if (deutungen_.empty())
        stand_->setText(QStringLiteral("Keine Deutung"));
    else
        stand_->setText(QStringLiteral("%1 Deutungen in %2 Einträgen; Enter zeigt das Paradigma.")
                            .arg(deutungen_.size())
                            .arg(liste_->topLevelItemCount() - (vermutungen ? 1 : 0)));
    stand_->setAccessibleDescription(stand_->text());
}

void BestimmenWindow::waehle(QTreeWidgetItem* item) {
    if (!item) return;
    const auto i = item->data(spalteZelle, rolleDeutung).toULongLong();
    if (i >= deutungen_.size()) return;
    // A copy: printing may change the pupil's words and so the readings on view.
    const analysis::Deutung d = deutungen_[i];
    if (!d.druckbar) {
        stand_->setText(
            d.eingabe.befehl.empty()
                ? QStringLiteral("Kein Paradigma: %1 hat keine Seite.").arg(qtext(d.klasse))
                : QStringLiteral("Kein Paradigma: die Seite von %1 druckte diese Form "
                                 "anders.")
                      .arg(qtext(d.eingabe.befehl)));
        stand_->setAccessibleDescription(stand_->text());
        return;
    }
    waehlen_(d);
}

} // namespace latiflex
