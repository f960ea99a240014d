// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/uebenwindow.h"

#include "drill/vergleich.h"
#include "grammar/bezeichnung.h"
#include "grammar/text.h"
#include "widgets/eingrenzungauswahl.h"
#include "widgets/fensterplatz.h"
#include "widgets/merkmalauswahl.h"
#include "widgets/qtcolour.h"
#include "widgets/qtext.h"

#include <algorithm>

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace latiflex {

namespace {

using namespace grammar;

QString html(std::string_view s) { return qtext(s).toHtmlEscaped(); }

QString farbe(Rgb c) { return qcolour(c).name(); }

using drill::alleMerkmale;
using drill::gefragt;
using drill::Merkmal;

bool blaetternd(int taste) {
    return taste == Qt::Key_Up || taste == Qt::Key_Down || taste == Qt::Key_PageUp ||
           taste == Qt::Key_PageDown || taste == Qt::Key_Home || taste == Qt::Key_End;
}

// Lines of text the verdict has room for before it grows.
constexpr int urteilZeilen = 4;

// A label that a keyboard can reach and select from (Alt with its title's letter, then
// Ctrl+A, Ctrl+C), and that a screen reader reads.
QLabel* lesbar(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText); // typed words are text, never markup
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

// `feld` in row `zeile` of `raster` behind its title, which Alt with the title's letter
// reaches and a screen reader reads as the field's name.
void betitelt(QGridLayout* raster, int zeile, const QString& titel, QWidget* feld) {
    feld->setAccessibleName(QString(titel).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    auto* label = new QLabel(titel, feld->parentWidget());
    label->setBuddy(feld);
    raster->addWidget(label, zeile, 0);
    raster->addWidget(feld, zeile, 1);
}

} // namespace

UebenWindow::UebenWindow(const Seiten& seiten, std::uint32_t seed, const Farben& farben,
                         QWidget* parent, Lektionen* lektionen)
    : QDialog(parent), seiten_(seiten), seed_(seed), lektionen_(lektionen),
      uebung_(std::make_unique<drill::Uebung>(seiten, seed)), farben_(farben) {
    setObjectName(QStringLiteral("Ueben"));
    setWindowTitle(QStringLiteral("Üben"));
    setModal(false);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(umfangZeile());
    spalte->addLayout(artZeile());
    spalte->addWidget(eingrenzung());
    spalte->addLayout(formular());
    spalte->addLayout(knoepfe());
    stand_->setText(qtext(uebung_->stand()));
}

QLayout* UebenWindow::umfangZeile() {
    auto* zeile = new QHBoxLayout;
    umfaenge_ = new QComboBox(this);
    umfaenge_->setAccessibleName(QStringLiteral("Üben über"));
    auto* umfangTitel = new QLabel(QStringLiteral("&Üben über:"), this);
    umfangTitel->setBuddy(umfaenge_);
    faellig_ = new QLabel(this);
    faellig_->setAccessibleName(QStringLiteral("Heute fällig"));
    zeile->addWidget(umfangTitel);
    zeile->addWidget(umfaenge_, 1);
    zeile->addWidget(faellig_);
    umfaenge_->installEventFilter(this);
    connect(umfaenge_, &QComboBox::activated, this, [this] {
        umfangGewaehlt();
        if (!blaettern_) zurAntwort();
    });
    return zeile;
}

QLayout* UebenWindow::artZeile() {
    auto* zeile = new QHBoxLayout;
    art_ = new QComboBox(this);
    // In the order of `drill::Auswahl`.
    art_->addItems({QStringLiteral("Bilden"), QStringLiteral("Bestimmen"),
                    QStringLiteral("gemischt"), QStringLiteral("Bedeutung"),
                    QStringLiteral("Lateinisch")});
    art_->setItemData(3,
                      QStringLiteral("Die Wörterbuchformen stehen da, du gibst die deutsche "
                                     "Bedeutung an."),
                      Qt::ToolTipRole);
    art_->setItemData(4,
                      QStringLiteral("Die Bedeutung steht da, du gibst die Wörterbuchformen "
                                     "an, durch Kommas getrennt."),
                      Qt::ToolTipRole);
    art_->setAccessibleName(QStringLiteral("Art der Frage"));
    auto* artTitel = new QLabel(QStringLiteral("A&rt der Frage:"), this);
    artTitel->setBuddy(art_);
    zeile->addWidget(artTitel);
    zeile->addWidget(art_, 1);
    art_->installEventFilter(this);
    connect(art_, &QComboBox::activated, this, [this] {
        if (!blaettern_) zurAntwort();
    });
    connect(art_, &QComboBox::currentIndexChanged, this, [this](int i) {
        uebung_->setAuswahl(static_cast<drill::Auswahl>(i));
        uebung_->leereStand();
        uebung_->naechsteFrage();
        leereUrteil();
        fragen();
    });
    return zeile;
}

QWidget* UebenWindow::eingrenzung() {
    eingrenzung_ = new EingrenzungAuswahl(this);
    connect(eingrenzung_, &EingrenzungAuswahl::geaendert, this, &UebenWindow::eingrenzen);
    return eingrenzung_;
}

QLayout* UebenWindow::formular() {
    auto* raster = new QGridLayout;
    frage_ = lesbar(this);
    // Room for a verb's question on three lines from the start: the controls below do not
    // move from one question to the next.
    frage_->setMinimumHeight(3 * frage_->fontMetrics().lineSpacing());
    frage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    betitelt(raster, 0, QStringLiteral("&Frage:"), frage_);
    raster->itemAtPosition(0, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    antwort_ = new QLineEdit(this);
    betitelt(raster, 1, QStringLiteral("&Antwort:"), antwort_);
    merkmale_ = new MerkmalAuswahl(this);
    raster->addWidget(merkmale_, 2, 0, 1, 2);
    urteil_ = lesbar(this);
    urteil_->setTextFormat(Qt::RichText);
    urteil_->setAutoFillBackground(true);
    urteil_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest verdict, a verb's two cells and where the answer differs, from
    // the start: the form below it does not move from one verdict to the next.
    const QMargins rand = urteil_->contentsMargins();
    urteil_->setFixedHeight(urteilZeilen * urteil_->fontMetrics().lineSpacing() + rand.top() +
                            rand.bottom() + 2 * urteil_->margin());
    betitelt(raster, 3, QStringLiteral("&Ergebnis:"), urteil_);
    // The title stands beside the verdict's first line, whatever room is left below it.
    raster->itemAtPosition(3, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    stand_ = new QLabel(this);
    stand_->setAccessibleName(QStringLiteral("Stand"));
    raster->addWidget(new QLabel(QStringLiteral("Stand:"), this), 4, 0);
    raster->addWidget(stand_, 4, 1);
    return raster;
}

QLayout* UebenWindow::knoepfe() {
    auto* zeile = new QHBoxLayout;
    auto* pruefen = new QPushButton(QStringLiteral("&Prüfen"), this);
    pruefen->setDefault(true);
    auto* loesung = new QPushButton(QStringLiteral("&Lösung zeigen"), this);
    auto* weglassen = new QPushButton(QStringLiteral("Wort &weglassen"), this);
    weglassen->setToolTip(QStringLiteral("Das Wort der Frage wird nicht mehr geübt."));
    auto* neu = new QPushButton(QStringLiteral("Neu &beginnen"), this);
    auto* schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    for (QPushButton* b : {pruefen, loesung, weglassen, neu, schliessen}) {
        b->setAccessibleName(b->text().remove(QLatin1Char('&')));
        zeile->addWidget(b);
    }
    connect(pruefen, &QPushButton::clicked, this, &UebenWindow::pruefen);
    connect(loesung, &QPushButton::clicked, this, &UebenWindow::loesungZeigen);
    connect(weglassen, &QPushButton::clicked, this, &UebenWindow::weglassen);
    connect(neu, &QPushButton::clicked, this, [this] {
        uebung_->neuBeginnen();
        leereUrteil();
        fragen();
        zurAntwort();
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    return zeile;
}

void UebenWindow::oeffnen() {
    fuelleUmfaenge();
    if (!geoeffnet_) {
        geoeffnet_ = true;
        // Once lessons exist, the drill starts on what is due today.
        setUmfang(umfaenge_->count() > 1 ? Lektionen::Umfang::faellig : Lektionen::Umfang::lauf);
        zurAntwort();
        if (parentWidget()) {
            adjustSize();
            platziereNeben(*this, *parentWidget());
            // A size of its own: a longer question or the lists of Bestimmen no longer widen
            // the window over the main window's buttons or off the screen.
            resize(size());
        }
    }
    zeigeFaellig();
    show();
    raise();
    activateWindow();
}

bool UebenWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != umfaenge_ && watched != art_))
        return QDialog::eventFilter(watched, event);
    auto* box = static_cast<QComboBox*>(watched);
    const auto* taste = static_cast<QKeyEvent*>(event);
    // The arrow keys step through a list, and the focus stays there; a choice made otherwise
    // sends the keyboard on to the answer.
    if (blaetternd(taste->key())) {
        blaettern_ = true;
        box->event(event);
        blaettern_ = false;
        return true;
    }
    // A letter typed into a list belongs to the answer (it would search the list and ask
    // anew): it goes there, with the focus.
    const bool buchstabe = !taste->text().isEmpty() && taste->text().at(0).isPrint() &&
                           !(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (buchstabe && antwort_->isEnabled()) {
        antwort_->setFocus();
        QCoreApplication::sendEvent(antwort_, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void UebenWindow::setHintergrund(QColor farbe) { hintergrund_ = farbe; }

void UebenWindow::fuelleUmfaenge() {
    const QSignalBlocker still(umfaenge_);
    umfaenge_->clear();
    const auto eintrag = [this](const QString& text, Lektionen::Umfang u,
                                std::optional<Lektionen::LektionId> l) {
        umfaenge_->addItem(text, QVariantList{static_cast<int>(u),
                                              l ? QVariant::fromValue<qint64>(*l) : QVariant()});
        if (u == umfang_ && l == lektion_) umfaenge_->setCurrentIndex(umfaenge_->count() - 1);
    };
    const auto lektionen = lektionen_ ? lektionen_->lektionen() : std::vector<lektionen::Lektion>{};
    if (!lektionen.empty()) {
        eintrag(QStringLiteral("was heute fällig ist"), Lektionen::Umfang::faellig, {});
        eintrag(QStringLiteral("alle Lektionen"), Lektionen::Umfang::alle, {});
        for (const lektionen::Lektion& l : lektionen)
            eintrag(QStringLiteral("Lektion „%1“").arg(qtext(text::kurz(l.name, 40))),
                    Lektionen::Umfang::lektion, l.id);
    }
    eintrag(QStringLiteral("die Wörter seit dem Start"), Lektionen::Umfang::lauf, {});
    umfaenge_->setEnabled(umfaenge_->count() > 1);
}

void UebenWindow::umfangGewaehlt() {
    const QVariantList daten = umfaenge_->currentData().toList();
    if (daten.size() != 2) return;
    const auto umfang = static_cast<Lektionen::Umfang>(daten[0].toInt());
    std::optional<Lektionen::LektionId> lektion;
    if (daten[1].isValid()) lektion = daten[1].value<qint64>();
    setUmfang(umfang, lektion);
}

void UebenWindow::setUmfang(Lektionen::Umfang umfang, std::optional<Lektionen::LektionId> lektion) {
    umfang_ = lektionen_ ? umfang : Lektionen::Umfang::lauf;
    lektion_ = umfang_ == Lektionen::Umfang::lektion ? lektion : std::nullopt;
    uebung_ = lektionen_ ? lektionen_->uebung(umfang_, lektion_, seed_)
                         : std::make_unique<drill::Uebung>(seiten_, seed_);
    uebung_->setAuswahl(static_cast<drill::Auswahl>(art_->currentIndex()));
    // Over a lesson the lesson's own narrowing holds; elsewhere the boxes' narrowing.
    if (lektion_) eingrenzung_->zeige(lektionen_->eingrenzung(*lektion_));
    uebung_->setEingrenzung(eingrenzung_->eingrenzung());
    fuelleUmfaenge();
    uebung_->naechsteFrage();
    leereUrteil();
    fragen();
    zeigeFaellig();
}

void UebenWindow::zeigeFaellig() {
    const bool zeigen = lektionen_ && umfaenge_->count() > 1;
    faellig_->setVisible(zeigen);
    if (zeigen) faellig_->setText(qtext(lektionen_->faelligText()));
}

void UebenWindow::weglassen() {
    const drill::Frage* f = uebung_->frage();
    if (!f) return;
    const std::string wort = f->wort();
    if (lektionen_) {
        static constexpr std::array<std::string_view, 3> befehle{"SUBST", "ADJEKTIV", "VERBUM"};
        Eingabe eingabe{std::string(befehle[static_cast<std::size_t>(f->seite->wortart)]), {}};
        for (const grammar::Stichwort& s : f->seite->stichwoerter)
            eingabe.antworten.push_back(s.wort);
        if (const auto id = lektionen_->database().finde(eingabe))
            lektionen_->setImDrill(*id, false);
    }
    uebung_->weglassen();
    leereUrteil();
    urteil_->setText(html(text::kurz(wort, 80)) + QStringLiteral(" wird nicht mehr geübt."));
    urteil_->setAccessibleDescription(qtext(wort) + QStringLiteral(" wird nicht mehr geübt."));
    passeUrteilAn();
    fragen();
    zurAntwort();
    zeigeFaellig();
}

void UebenWindow::eingrenzen() {
    const drill::Eingrenzung e = eingrenzung_->eingrenzung();
    uebung_->setEingrenzung(e);
    if (lektionen_ && lektion_) lektionen_->setEingrenzung(*lektion_, e);
    uebung_->leereStand();
    uebung_->naechsteFrage();
    leereUrteil();
    fragen();
}

void UebenWindow::leereUrteil() {
    urteil_->clear();
    urteil_->setAccessibleDescription({});
}

void UebenWindow::zeigeHinweis(const QString& text) {
    urteil_->setText(text.toHtmlEscaped());
    urteil_->setAccessibleDescription(text);
    passeUrteilAn();
}

void UebenWindow::passeUrteilAn() {
    // A verdict longer than the room reserved (a narrow window) makes the room taller for good.
    const int noetig = urteil_->heightForWidth(urteil_->width());
    if (noetig > urteil_->height()) urteil_->setFixedHeight(noetig);
}

void UebenWindow::fragen() {
    const drill::Frage* f = uebung_->frage();
    frage_->setText(qtext(uebung_->frageText()));
    stand_->setText(qtext(uebung_->stand()));
    const bool bestimmen = f && f->art == drill::Fragenart::bestimmen;
    antwort_->clear();
    antwort_->setEnabled(f && !bestimmen);
    merkmale_->setVisible(bestimmen);
    if (bestimmen) merkmale_->frageNach(f->seite->wortart);
}

void UebenWindow::zurAntwort() {
    const drill::Frage* f = uebung_->frage();
    if (!f) return;
    if (f->art != drill::Fragenart::bestimmen) {
        antwort_->setFocus();
        return;
    }
    for (const Merkmal m : alleMerkmale)
        if (gefragt(f->seite->wortart, m)) {
            merkmale_->liste(m)->setFocus();
            return;
        }
}

void UebenWindow::pruefen() {
    const drill::Frage* f = uebung_->frage();
    if (!f) return;
    std::optional<drill::Urteil> urteil;
    if (f->art != drill::Fragenart::bestimmen) {
        const std::string text = antwort_->text().toStdString();
        // Return in an empty field is no answer: nothing is judged, counted or stored.
        if (drill::normiert(text).empty()) {
            zeigeHinweis(f->art == drill::Fragenart::bedeutung
                             ? QStringLiteral("Bitte eine Bedeutung eingeben.")
                         : f->art == drill::Fragenart::lateinisch
                             ? QStringLiteral("Bitte die Wörterbuchformen eingeben.")
                             : QStringLiteral("Bitte eine Form eingeben."));
            antwort_->setFocus();
            return;
        }
        urteil = uebung_->antworte(text);
    } else {
        const std::vector<Merkmal> leer = merkmale_->leer();
        if (!leer.empty()) {
            zeigeHinweis(QStringLiteral("Bitte %1 wählen.").arg(qtext(drill::namen(leer))));
            merkmale_->liste(leer.front())->setFocus();
            return;
        }
        urteil = uebung_->bestimme(*merkmale_->zelle());
    }
    if (urteil) zeigeUrteil(*urteil);
    uebung_->naechsteFrage();
    fragen();
    zurAntwort();
    zeigeFaellig();
}

void UebenWindow::loesungZeigen() {
    if (const auto urteil = uebung_->loesung()) zeigeUrteil(*urteil);
    uebung_->naechsteFrage();
    fragen();
    zurAntwort();
    zeigeFaellig();
}

void UebenWindow::zeigeUrteil(const drill::Urteil& u) {
    QString text = QStringLiteral("<b>%1</b> ").arg(html(u.ergebnis()));
    const Wortform gelesen = text::einBlank(u.form);
    text += QStringLiteral("<span style=\"color:%1\">%2</span><span style=\"color:%3\">%4</span>")
                .arg(farbe(farben_.stammfarbe), html(text::kurz(gelesen.stamm)),
                     farbe(farben_.endfarbe), html(text::kurz(gelesen.endung)));
    if (!u.zellen.empty()) text += QStringLiteral(" (%1)").arg(html(u.zellenText()));
    if (!u.abweichung.empty()) text += QStringLiteral("<br>") + html(u.abweichung);
    urteil_->setText(text);
    QPalette p = urteil_->palette();
    p.setColor(QPalette::Window, hintergrund_);
    urteil_->setPalette(p);
    urteil_->setAccessibleDescription(qtext(u.text()));
    stand_->setText(qtext(uebung_->stand()));
    passeUrteilAn();
}

} // namespace latiflex
