// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/mainwindow.h"

#include "interfaces/prompt.h"
#include "shell/bestimmenwoerterbuch.h"
#include "shell/eigenewoerter.h"
#include "shell/hinweis.h"
#include "shell/lektionen.h"
#include "shell/steuerelemente.h"
#include "widgets/bestimmenwindow.h"
#include "widgets/fensterplatz.h"
#include "widgets/lektionenwindow.h"
#include "widgets/panemenu.h"
#include "widgets/panewidget.h"
#include "widgets/qtext.h"
#include "widgets/textlesenwindow.h"
#include "widgets/twips.h"
#include "widgets/uebenwindow.h"
#include "widgets/ueberwindow.h"

#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace latiflex {

MainWindow::MainWindow(Dialogs* dialoge)
    : bild1_(new PaneWidget(this)), hinweis_(new QLabel(this)), dialoge_(this),
      form_(*bild1_, dialoge ? *dialoge : static_cast<Dialogs&>(dialoge_)),
      meldungen_(dialoge ? *dialoge : static_cast<Dialogs&>(dialoge_)),
      paneMenu_(new PaneMenu(bild1_, this, form_, meldungen_)),
      // Only the path is resolved here: the database opens on the first word.
      lektionen_(std::make_unique<Lektionen>(
          form_,
          std::filesystem::path(
              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String()) /
              "lektionen.sqlite")) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("LATIFLEX 1 "));
    resize(twipsRect(*this, 0, 0, 11145, 6540).size());

    // The buttons in the keyboard's tab order; the pane comes last.
    std::vector<const Steuerelement*> knoepfe;
    for (const Steuerelement& k : steuerelemente)
        if (istKnopf(k)) knoepfe.push_back(&k);
    std::ranges::sort(knoepfe, {}, &Steuerelement::tabIndex);
    QWidget* previous = nullptr;
    for (const Steuerelement* s : knoepfe) {
        const Steuerelement& k = *s;
        auto* button = new QPushButton(qtext(k.caption), this);
        button->setObjectName(qtext(k.name));
        button->setGeometry(twipsRect(*this, k.left, k.top, k.width, k.height));
        if (k.arialPunkte) button->setFont(QFont(QStringLiteral("Arial"), k.arialPunkte));
        connect(button, &QPushButton::clicked, this, [this, name = k.name] {
            klick(name);
            zeigeMeldung();
        });
        button->installEventFilter(this);
        if (previous) setTabOrder(previous, button);
        previous = button;
    }

    bild1_->setObjectName(QStringLiteral("Bild1"));
    const Steuerelement& bild1 = *steuerelement("Bild1");
    bild1_->setGeometry(twipsRect(*this, bild1.left, bild1.top, bild1.width, bild1.height));
    setTabOrder(previous, bild1_);
    connect(bild1_, &PaneWidget::clicked, this, [this] { klick("Bild1"); });
    dialoge_.onCommand1([this] { klick("Command1"); });
    // The keyboard starts on the first control of the tab order, not on the pane.
    findChild<QPushButton*>(QStringLiteral("Befehl1"))->setFocus();

    fensterAktion(QStringLiteral("&Üben…"), QStringLiteral("uebenAktion"), Qt::Key_F5,
                  &MainWindow::ueben);
    // The day's lesson one keystroke away, beside F5 for everything (a key, not a menu entry:
    // the menu's "Üben…" chooses the lesson as well).
    auto* lektionUeben = new QAction(QStringLiteral("Aktuelle Lektion üben"), this);
    lektionUeben->setObjectName(QStringLiteral("lektionUebenAktion"));
    lektionUeben->setShortcut(Qt::Key_F6);
    lektionUeben->setShortcutContext(Qt::WindowShortcut);
    connect(lektionUeben, &QAction::triggered, this, &MainWindow::lektionUeben);
    addAction(lektionUeben);
    fensterAktion(QStringLiteral("&Bestimmen…"), QStringLiteral("bestimmenAktion"), Qt::Key_F7,
                  &MainWindow::bestimmen);
    fensterAktion(QStringLiteral("&Text lesen…"), QStringLiteral("textLesenAktion"), Qt::Key_F8,
                  &MainWindow::textLesen);
    fensterAktion(QStringLiteral("&Lektionen…"), QStringLiteral("lektionenAktion"),
                  QKeySequence(Qt::CTRL | Qt::Key_L), &MainWindow::lektionenZeigen);
    paneMenu_->eintrag(QStringLiteral("&Zur Lektion hinzufügen"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), [this] { hinzufuegen(); });
    fensterAktion(QStringLiteral("Üb&er LATIFLEX…"), QStringLiteral("ueberAktion"), QKeySequence(),
                  &MainWindow::ueber);

    bild1_->zeigtSeiten(&form_.seiten());

    // The band below the pane (it ends at 5775) and the lowest buttons (they end at 5775)
    // is empty in the window's table; the hint line covers and moves nothing there. It is one
    // line: a longer text ends in "…" and shows whole as its tooltip. Typed words are text,
    // never markup.
    hinweis_->setObjectName(QStringLiteral("hinweis"));
    hinweis_->setAccessibleName(QStringLiteral("Hinweis"));
    hinweis_->setGeometry(twipsRect(*this, 840, 5850, 10185, 630));
    hinweis_->setTextFormat(Qt::PlainText);
    hinweis_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form_.seiten().beiAenderung([this] { zeigeHinweis(); });
    form_.seiten().beiAenderung([this] { eigene_.reset(); });
    lektionen_->beiAenderung([this] { eigene_.reset(); });
}

MainWindow::~MainWindow() {
    delete textLesen_;
    delete ueber_;
    delete bestimmen_;
    delete ueben_;
    delete lektionenFenster_;
}

void MainWindow::fensterAktion(const QString& text, const QString& name, const QKeySequence& taste,
                               void (MainWindow::*oeffnen)()) {
    auto* aktion = new QAction(text, this);
    aktion->setObjectName(name);
    aktion->setShortcut(taste);
    aktion->setShortcutContext(Qt::WindowShortcut);
    connect(aktion, &QAction::triggered, this, oeffnen);
    addAction(aktion);
    paneMenu_->anhaengen(aktion);
}

void MainWindow::zeigeMeldung() {
    if (const auto meldung = lektionen_->meldung()) melden(meldungen_, *meldung, "LEKTIONEN");
}

void MainWindow::lektionenZeigen() {
    if (!lektionenFenster_) {
        lektionenFenster_ = new LektionenWindow(*lektionen_, form_.farben(), meldungen_, this);
        connect(lektionenFenster_, &LektionenWindow::geoeffnet, this, [this] {
            raise();
            activateWindow();
        });
        platziereNebenBild(*lektionenFenster_, *this);
    }
    lektionenFenster_->oeffnen();
}

void MainWindow::hinzufuegen() {
    const grammar::Paradigma* p = form_.seiten().aufSicht();
    if (!p) return;
    const auto wort = lektionen_->aufSichtHinzufuegen();
    zeigeMeldung();
    if (wort)
        melden(meldungen_,
               "Das Wort ist jetzt in der Lektion „" + lektionen_->aktuellerName() + "“.",
               "LEKTIONEN");
}

void MainWindow::zeigeHinweis() {
    const QString text = QString::fromStdString(hinweis::text(form_.seiten()));
    if (text == hinweis_->accessibleDescription()) return;
    hinweis_->setText(
        hinweis_->fontMetrics().elidedText(text, Qt::ElideRight, hinweis_->contentsRect().width()));
    hinweis_->setToolTip(text.size() > hinweis_->text().size() ? text : QString());
    hinweis_->setAccessibleDescription(text);
    // The name stays "Hinweis": a screen reader hears of the new text as its description.
    QAccessibleEvent event(hinweis_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void MainWindow::lektionUeben() {
    ueben();
    if (const auto lektion = lektionen_->aktuelle(); ueben_ && lektion)
        ueben_->setUmfang(Lektionen::Umfang::lektion, lektion);
}

void MainWindow::ueben() {
    if (form_.seiten().alle().empty() && lektionen_->lektionen().empty()) {
        meldungen_.messageBox(drill::keinWort, exclamation, "ÜBEN");
        return;
    }
    if (!ueben_) {
        // LATIFLEX_UEBEN_SEED fixes the questions for a test; it changes nothing else.
        const char* seed = std::getenv("LATIFLEX_UEBEN_SEED");
        const auto zahl = seed ? static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10))
                               : std::random_device{}();
        ueben_ = new UebenWindow(form_.seiten(), zahl, form_.farben(), this, lektionen_.get());
    }
    ueben_->setHintergrund(bild1_->background());
    ueben_->oeffnen();
    zeigeMeldung();
}

void MainWindow::ueber() {
    if (!ueber_) ueber_ = new UeberWindow(this);
    ueber_->show();
    ueber_->raise();
    ueber_->activateWindow();
}

void MainWindow::bestimmen() {
    if (!bestimmen_)
        bestimmen_ = new BestimmenWindow(
            form_.farben(), [this] { return eigeneWoerter(); },
            [this](const analysis::Deutung& d) { zeige(d); }, this);
    bestimmen_->setHintergrund(bild1_->background());
    bestimmen_->oeffnen();
}

void MainWindow::textLesen() {
    if (!textLesen_) {
        TextLesenWindow::Anbindung a;
        a.eigene = [this] { return eigeneWoerter(); };
        a.lektionsWoerter = [this] {
            std::vector<Eingabe> woerter;
            for (const auto& l : lektionen_->lektionen())
                for (auto& w : lektionen_->woerter(l.id))
                    woerter.push_back(Lektionen::zumBilden(std::move(w.eingabe)));
            return woerter;
        };
        a.zeigen = [this](const analysis::Deutung& d) { zeige(d); };
        a.woerterbuch = bestimmenWoerterbuch();
        a.speichern = [this](const std::string& name, const std::vector<Eingabe>& woerter) {
            const auto id = lektionen_->anlegen(name);
            std::size_t n = 0;
            if (id)
                for (const auto& e : woerter)
                    n += lektionen_->hinzufuegen(e, *id) ? 1 : 0;
            zeigeMeldung();
            if (!id)
                return "Die Lektion „" + name + "“ ließ sich nicht anlegen (gibt es sie schon?).";
            return "Lektion „" + name + "“ mit " + std::to_string(n) + " Wörtern gespeichert.";
        };
        a.ablage = &lektionen_->database();
        a.heute = [this] { return lektionen_->heute(); };
        textLesen_ = new TextLesenWindow(form_.farben(), std::move(a), this);
    }
    textLesen_->oeffnen();
}

const std::vector<Eingabe>& MainWindow::eigeneWoerter() {
    if (eigene_) return *eigene_;
    return eigene_.emplace(latiflex::eigeneWoerter(form_.seiten(), lektionen_.get()));
}

void MainWindow::zeige(const analysis::Deutung& d) {
    // A guess of the rules is only looked at: it joins no lesson and no drill.
    const bool angesehen = d.herkunft == analysis::Herkunft::regeln;
    form_.eingeben(d.eingabe, angesehen);
    // A verb: after its heading, the tense page that prints the reading's cell.
    if (d.eingabe.befehl != "VERBUM") return;
    form_.seiten().nurAnsehen(angesehen);
    for (const Steuerelement& k : steuerelemente)
        if (k.caption == d.seite && k.liestVerb) klick(k.name);
    form_.seiten().nurAnsehen(false);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            modifiers == Qt::NoModifier && !key->isAutoRepeat()) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::start() {
    form_.Form_Load();
    show();
}

} // namespace latiflex
