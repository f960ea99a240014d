// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/textlesenwindow.h"

#include "drill/vergleich.h"
#include "grammar/bezeichnung.h"
#include "grammar/text.h"
#include "lesen/zerlegung.h"
#include "widgets/enterliste.h"
#include "widgets/fensterplatz.h"
#include "widgets/qtcolour.h"
#include "widgets/qtext.h"
#include "widgets/textablage.h"
#include "widgets/textleser.h"
#include "widgets/woertermodell.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace latiflex {

namespace {

constexpr int rolleLesart = Qt::UserRole + 1;
// A file longer than this many words is refused, a longer one is no homework.
constexpr std::size_t hoechstWoerter = 100000;
// Marks in the text for the first words only: more would cost more than they show.
constexpr std::size_t hoechstMarken = 5000;

QLabel* titelFuer(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

analysis::Deutung deutung(const lesen::Lesart& l) {
    analysis::Deutung d;
    d.eingabe = l.eingabe;
    d.seite = l.seite;
    d.klasse = l.klasse;
    d.zelle = *l.zelle;
    d.wortform = l.wortform;
    d.eigen = l.eigen;
    d.bedeutung = l.bedeutung;
    d.genus = l.genus;
    d.druckbar = l.druckbar;
    return d;
}

// Which occurrence of its form each word is, for keeping the pupil's choices.
std::vector<int> vorkommen(const std::vector<lesen::Wort>& woerter) {
    std::map<std::string, int> gezaehlt;
    std::vector<int> n;
    n.reserve(woerter.size());
    for (const auto& w : woerter)
        n.push_back(gezaehlt[drill::normiert(w.form)]++);
    return n;
}

} // namespace

TextLesenWindow::TextLesenWindow(const Farben& farben, Anbindung anbindung, QWidget* parent)
    : QDialog(parent), farben_(farben), anbindung_(std::move(anbindung)),
      woerter_(std::make_shared<std::vector<lesen::Wort>>()) {
    setObjectName(QStringLiteral("TextLesen"));
    setWindowTitle(QStringLiteral("Text lesen"));
    setModal(false);
    auto* spalte = new QVBoxLayout(this);

    auto* kopf = new QHBoxLayout;
    titel_ = new QLineEdit(this);
    titel_->setObjectName(QStringLiteral("titel"));
    titel_->setAccessibleName(QStringLiteral("Titel"));
    kopf->addWidget(titelFuer(QStringLiteral("T&itel:"), titel_, this));
    kopf->addWidget(titel_, 1);
    auto* oeffnenTaste = new QPushButton(QStringLiteral("Datei ö&ffnen…"), this);
    oeffnenTaste->setObjectName(QStringLiteral("oeffnen"));
    connect(oeffnenTaste, &QPushButton::clicked, this, &TextLesenWindow::dateiWaehlen);
    kopf->addWidget(oeffnenTaste);
    ablage_ = new TextAblage(anbindung_.ablage, anbindung_.heute, this);
    connect(ablage_, &TextAblage::oeffnen, this, &TextLesenWindow::wiederOeffnen);
    kopf->addWidget(ablage_->taste());
    spalte->addLayout(kopf);

    // The text above; below it the words beside the readings of the word chosen.
    auto* teiler = new QSplitter(Qt::Vertical, this);
    auto* links = new QWidget(teiler);
    auto* linksSpalte = new QVBoxLayout(links);
    linksSpalte->setContentsMargins(0, 0, 0, 0);
    text_ = new QPlainTextEdit(links);
    text_->setObjectName(QStringLiteral("text"));
    text_->setAccessibleName(QStringLiteral("Text"));
    text_->setPlaceholderText(QStringLiteral("Lateinischen Text tippen oder einfügen, "
                                             "z. B. Gallia est omnis divisa in partes tres."));
    linksSpalte->addWidget(titelFuer(QStringLiteral("&Text:"), text_, links));
    linksSpalte->addWidget(text_, 1);

    auto* unten = new QSplitter(Qt::Horizontal, teiler);
    auto* reiter = new QTabWidget(unten);
    reiter->tabBar()->setAccessibleName(QStringLiteral("Ansicht"));
    liste_ = new QTableView(reiter);
    liste_->setObjectName(QStringLiteral("woerter"));
    liste_->setAccessibleName(QStringLiteral("Wörter"));
    modell_ = new WoerterModell(liste_);
    liste_->setModel(modell_);
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->verticalHeader()->hide();
    liste_->verticalHeader()->setDefaultSectionSize(liste_->fontMetrics().height() + 6);
    liste_->horizontalHeader()->setStretchLastSection(true);
    reiter->addTab(liste_, QStringLiteral("&Wörter"));

    auto* wortschatzSeite = new QWidget(reiter);
    auto* wsSpalte = new QVBoxLayout(wortschatzSeite);
    reihenfolge_ = new QComboBox(wortschatzSeite);
    reihenfolge_->setObjectName(QStringLiteral("reihenfolge"));
    reihenfolge_->addItems({QStringLiteral("wie im Text"), QStringLiteral("alphabetisch")});
    auto* wsKopf = new QHBoxLayout;
    wsKopf->addWidget(titelFuer(QStringLiteral("&Reihenfolge:"), reihenfolge_, wortschatzSeite));
    wsKopf->addWidget(reihenfolge_, 1);
    wsSpalte->addLayout(wsKopf);
    wortschatz_ = new QTreeWidget(wortschatzSeite);
    wortschatz_->setObjectName(QStringLiteral("wortschatz"));
    wortschatz_->setAccessibleName(QStringLiteral("Wortschatz"));
    wortschatz_->setRootIsDecorated(false);
    wortschatz_->setHeaderLabels({QStringLiteral("Wörterbuchformen"), QStringLiteral("Bedeutung"),
                                  QStringLiteral("Zeile"), QStringLiteral("Lektion")});
    wsSpalte->addWidget(wortschatz_, 1);
    reiter->addTab(wortschatzSeite, QStringLiteral("Wort&schatz"));

    auto* rechts = new QWidget(unten);
    auto* rechtsSpalte = new QVBoxLayout(rechts);
    rechtsSpalte->setContentsMargins(0, 0, 0, 0);

    deutungen_ = new EnterListe(rechts, [this](QTreeWidgetItem* item) { waehle(item); });
    deutungen_->setObjectName(QStringLiteral("deutungen"));
    deutungen_->setAccessibleName(QStringLiteral("Deutungen"));
    deutungen_->setHeaderLabels({QStringLiteral("Wörterbuchformen / Zelle"),
                                 QStringLiteral("Stamm"), QStringLiteral("Endung")});
    deutungen_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    deutungen_->header()->setStretchLastSection(false);
    connect(deutungen_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item, int) { waehle(item); });
    rechtsSpalte->addWidget(
        titelFuer(QStringLiteral("&Deutungen (Enter wählt):"), deutungen_, rechts));
    rechtsSpalte->addWidget(deutungen_, 1);
    grund_ = new QLabel(rechts);
    grund_->setObjectName(QStringLiteral("grund"));
    grund_->setWordWrap(true);
    grund_->setTextFormat(Qt::PlainText);
    rechtsSpalte->addWidget(grund_);
    paradigmaTaste_ = new QPushButton(QStringLiteral("&Paradigma zeigen"), rechts);
    paradigmaTaste_->setObjectName(QStringLiteral("paradigma"));
    connect(paradigmaTaste_, &QPushButton::clicked, this, &TextLesenWindow::paradigma);
    rechtsSpalte->addWidget(paradigmaTaste_);
    spalte->addWidget(teiler, 1);

    auto* fuss = new QHBoxLayout;
    fortschritt_ = new QProgressBar(this);
    fortschritt_->setObjectName(QStringLiteral("fortschritt"));
    fortschritt_->setAccessibleName(QStringLiteral("Fortschritt"));
    fortschritt_->hide();
    stand_ = new QLabel(this);
    stand_->setObjectName(QStringLiteral("stand"));
    stand_->setTextFormat(Qt::PlainText);
    fuss->addWidget(stand_, 1);
    fuss->addWidget(fortschritt_);
    // The vocabulary list's action, reachable from either tab.
    auto* speichernTaste = new QPushButton(QStringLiteral("Als &Lektion speichern…"), this);
    speichernTaste->setObjectName(QStringLiteral("alsLektion"));
    connect(speichernTaste, &QPushButton::clicked, this, &TextLesenWindow::speichernFragen);
    fuss->addWidget(speichernTaste);
    auto* blattTaste = new QPushButton(QStringLiteral("&Vorbereitung drucken…"), this);
    blattTaste->setObjectName(QStringLiteral("vorbereitung"));
    blattTaste->setToolTip(QStringLiteral("Der Text mit Zeilennummern neben seinem Wortschatz"));
    connect(blattTaste, &QPushButton::clicked, this, &TextLesenWindow::vorbereitungDrucken);
    fuss->addWidget(blattTaste);
    spalte->addLayout(fuss);

    leser_ = new TextLeser(
        anbindung_.bedeutung, anbindung_.woerterbuch,
        [this](std::size_t gelesen, std::size_t alle) {
            fortschritt_->setMaximum(static_cast<int>(alle));
            fortschritt_->setValue(static_cast<int>(gelesen));
            fortschritt_->setVisible(alle > 0 && gelesen < alle);
            stand_->setText(QStringLiteral("Lese … %1 von %2 Wörtern").arg(gelesen).arg(alle));
        },
        [this](std::shared_ptr<std::vector<lesen::Wort>> w) { ankommen(std::move(w)); }, this);

    connect(text_, &QPlainTextEdit::textChanged, this, &TextLesenWindow::lies);
    connect(text_, &QPlainTextEdit::cursorPositionChanged, this, &TextLesenWindow::cursorBewegt);
    connect(liste_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) { zeigeWort(i.row()); });
    connect(reihenfolge_, &QComboBox::currentIndexChanged, this,
            &TextLesenWindow::fuelleWortschatz);
    teiler->setStretchFactor(0, 1);
    teiler->setStretchFactor(1, 2);
    unten->setStretchFactor(0, 2);
    unten->setStretchFactor(1, 1);
    resize(1000, 640);
    lies();
}

TextLesenWindow::~TextLesenWindow() = default;

const std::vector<lesen::Wort>& TextLesenWindow::woerter() const { return *woerter_; }

bool TextLesenWindow::liest() const { return leser_->liest(); }

void TextLesenWindow::oeffnen() {
    if (!isVisible() && !platziert_ && parentWidget()) {
        platziert_ = true;
        platziereNeben(*this, *parentWidget());
    }
    show();
    raise();
    activateWindow();
    text_->setFocus();
    lies(); // the pupil's words may have changed since
}

void TextLesenWindow::lies() {
    const std::string text = text_->toPlainText().toStdString();
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) ablage_->neu();
    leser_->lies(text, anbindung_.eigene());
}

void TextLesenWindow::ankommen(std::shared_ptr<std::vector<lesen::Wort>> woerter) {
    // The pupil's choices stay with the same form where it stands again.
    const auto n = vorkommen(*woerter);
    for (std::size_t i = 0; i < woerter->size(); ++i) {
        auto& w = (*woerter)[i];
        const auto it = wahl_.find({drill::normiert(w.form), n[i]});
        if (it == wahl_.end()) continue;
        const auto gefunden =
            std::find_if(w.lesarten.begin(), w.lesarten.end(), [&it](const lesen::Lesart& l) {
                return lesen::schluessel(l) == it->second;
            });
        if (gefunden != w.lesarten.end())
            w.gewaehlt = static_cast<std::size_t>(gefunden - w.lesarten.begin());
    }
    woerter_ = std::move(woerter);
    if (!woerter_->empty())
        ablage_->behalten(titel_->text().trimmed().toStdString(),
                          text_->toPlainText().toStdString());
    modell_->setWoerter(woerter_);
    liste_->resizeColumnsToContents();
    fortschritt_->hide();
    const auto unbekannt = std::count_if(woerter_->begin(), woerter_->end(), [](const auto& w) {
        return w.sicherheit() == lesen::Sicherheit::unbekannt;
    });
    stand_->setText(woerter_->empty() ? QStringLiteral("Kein Wort im Text.")
                                      : QStringLiteral("%1 Wörter gelesen, %2 ohne Deutung.")
                                            .arg(woerter_->size())
                                            .arg(unbekannt));
    aktuell_ = -1;
    markiere();
    fuelleWortschatz();
    cursorBewegt();
    emit gelesen();
}

// Words the rules only guess are underlined with dots, words without a reading with a wave:
// a mark of shape, not of colour alone.
void TextLesenWindow::markiere() {
    QList<QTextEdit::ExtraSelection> marken;
    const QString ganz = text_->toPlainText();
    const std::string utf8 = ganz.toStdString();
    std::size_t gezaehlt = 0;
    // The words' places in UTF-16, counted on from word to word.
    std::size_t byte = 0;
    qsizetype anfang = 0;
    for (const auto& w : *woerter_) {
        if (w.sicherheit() == lesen::Sicherheit::bekannt) continue;
        if (++gezaehlt > hoechstMarken) break;
        anfang +=
            QString::fromUtf8(utf8.data() + byte, static_cast<qsizetype>(w.anfang - byte)).size();
        byte = w.anfang;
        QTextEdit::ExtraSelection m;
        m.cursor = QTextCursor(text_->document());
        m.cursor.setPosition(static_cast<int>(anfang));
        m.cursor.setPosition(static_cast<int>(anfang + qtext(w.form).size()),
                             QTextCursor::KeepAnchor);
        const bool unbekannt = w.sicherheit() == lesen::Sicherheit::unbekannt;
        m.format.setUnderlineStyle(unbekannt ? QTextCharFormat::WaveUnderline
                                             : QTextCharFormat::DotLine);
        m.format.setUnderlineColor(unbekannt ? QColor(0xb0, 0, 0) : QColor(0x80, 0x60, 0));
        marken.append(m);
    }
    text_->setExtraSelections(marken);
}

void TextLesenWindow::cursorBewegt() {
    if (woerter_->empty()) return zeigeWort(-1);
    // The word at the cursor, or the last one before it.
    const auto byte = text_->toPlainText().left(text_->textCursor().position()).toUtf8().size();
    const auto it =
        std::upper_bound(woerter_->begin(), woerter_->end(), static_cast<std::size_t>(byte),
                         [](std::size_t b, const lesen::Wort& w) { return b < w.anfang; });
    const int zeile = it == woerter_->begin() ? 0 : static_cast<int>(it - woerter_->begin()) - 1;
    if (zeile == aktuell_) return;
    liste_->selectionModel()->setCurrentIndex(
        modell_->index(zeile, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    liste_->scrollTo(modell_->index(zeile, 0));
}

void TextLesenWindow::zeigeWort(int zeile) {
    aktuell_ = zeile;
    deutungen_->clear();
    grund_->clear();
    const bool da = zeile >= 0 && static_cast<std::size_t>(zeile) < woerter_->size();
    paradigmaTaste_->setEnabled(false);
    if (!da) return;
    const lesen::Wort& w = (*woerter_)[static_cast<std::size_t>(zeile)];
    const lesen::Lesart* gezeigt = w.lesart();
    QTreeWidgetItem* eintrag = nullptr;
    for (std::size_t i = 0; i < w.lesarten.size(); ++i) {
        const lesen::Lesart& l = w.lesarten[i];
        if (!eintrag || !(w.lesarten[i - 1].eingabe == l.eingabe)) {
            eintrag = new QTreeWidgetItem(deutungen_);
            QString kopf =
                qtext(text::kurz(l.formen, 80)) + QStringLiteral(" – ") + qtext(l.klasse);
            if (!l.bedeutung.empty()) kopf += QStringLiteral(": ") + qtext(l.bedeutung);
            if (l.eigen) kopf += QStringLiteral(" (eigenes Wort)");
            eintrag->setText(0, kopf);
            eintrag->setData(0, rolleLesart, static_cast<qulonglong>(i));
            eintrag->setFirstColumnSpanned(true);
            eintrag->setExpanded(true);
        }
        if (!l.zelle) continue;
        auto* z = new QTreeWidgetItem(eintrag);
        z->setText(0, qtext(grammar::bezeichnung(*l.zelle)) +
                          (&l == gezeigt ? QStringLiteral("  ◀ im Text") : QString()));
        z->setText(1, qtext(l.wortform.stamm));
        z->setText(2, qtext(l.wortform.endung));
        z->setForeground(1, qcolour(farben_.stammfarbe));
        z->setForeground(2, qcolour(farben_.endfarbe));
        z->setData(0, rolleLesart, static_cast<qulonglong>(i));
        if (&l == gezeigt) deutungen_->setCurrentItem(z);
    }
    deutungen_->resizeColumnToContents(1);
    deutungen_->resizeColumnToContents(2);
    QString warum = qtext(text::kurz(w.form)) + QStringLiteral(": ");
    if (w.gewaehlt)
        warum += QStringLiteral("selbst gewählt.");
    else if (!w.grund.empty())
        warum += qtext(w.grund) + QStringLiteral(".");
    else
        warum += w.lesarten.empty() ? QStringLiteral("keine Deutung.")
                                    : QStringLiteral("die häufigste Deutung.");
    grund_->setText(warum);
    paradigmaTaste_->setEnabled(gezeigt && gezeigt->zelle && gezeigt->druckbar);
}

void TextLesenWindow::waehle(QTreeWidgetItem* item) {
    if (!item || aktuell_ < 0 || static_cast<std::size_t>(aktuell_) >= woerter_->size()) return;
    auto& w = (*woerter_)[static_cast<std::size_t>(aktuell_)];
    const auto i = item->data(0, rolleLesart).toULongLong();
    if (i >= w.lesarten.size()) return;
    w.gewaehlt = i;
    const auto n = vorkommen(*woerter_);
    const lektionen::Textwahl wahl{drill::normiert(w.form), n[static_cast<std::size_t>(aktuell_)],
                                   lesen::schluessel(w.lesarten[i])};
    wahl_[{wahl.form, wahl.vorkommen}] = wahl.lesart;
    ablage_->waehlen(wahl);
    modell_->geaendert(aktuell_);
    zeigeWort(aktuell_);
    fuelleWortschatz();
}

void TextLesenWindow::paradigma() {
    if (aktuell_ < 0 || static_cast<std::size_t>(aktuell_) >= woerter_->size()) return;
    const lesen::Lesart* l = (*woerter_)[static_cast<std::size_t>(aktuell_)].lesart();
    if (l && l->zelle && l->druckbar) anbindung_.zeigen(deutung(*l));
}

void TextLesenWindow::fuelleWortschatz() {
    const auto folge = reihenfolge_->currentIndex() == 1 ? lesen::Reihenfolge::alphabetisch
                                                         : lesen::Reihenfolge::imText;
    std::set<std::pair<std::string, std::vector<std::string>>> inLektionen;
    for (auto& e : anbindung_.lektionsWoerter())
        inLektionen.emplace(e.befehl, e.antworten);
    vokabeln_ = lesen::wortschatz(*woerter_, folge, [&inLektionen](const Eingabe& e) {
        return inLektionen.contains({e.befehl, e.antworten});
    });
    wortschatz_->clear();
    for (std::size_t i = 0; i < vokabeln_.size(); ++i) {
        const auto& v = vokabeln_[i];
        auto* item = new QTreeWidgetItem(wortschatz_);
        item->setText(0, qtext(text::kurz(v.lesart.formen, 80)));
        item->setText(1, qtext(v.lesart.bedeutung));
        item->setText(2, QString::number(v.zeile));
        const bool lernbar = !v.lesart.eingabe.befehl.empty();
        item->setText(3, v.inLektion ? QStringLiteral("in Lektion")
                                     : (lernbar ? QStringLiteral("★ neu") : QString()));
        item->setData(0, rolleLesart, static_cast<qulonglong>(i));
        if (lernbar) item->setCheckState(0, v.inLektion ? Qt::Unchecked : Qt::Checked);
    }
    for (int c = 0; c < 4; ++c)
        wortschatz_->resizeColumnToContents(c);
}

void TextLesenWindow::alsLektion(const std::string& name) {
    std::vector<Eingabe> woerter;
    for (int i = 0; i < wortschatz_->topLevelItemCount(); ++i) {
        const auto* item = wortschatz_->topLevelItem(i);
        const auto k = item->data(0, rolleLesart).toULongLong();
        if (item->checkState(0) == Qt::Checked && k < vokabeln_.size())
            woerter.push_back(vokabeln_[k].lesart.eingabe);
    }
    stand_->setText(qtext(anbindung_.speichern(name, woerter)));
    fuelleWortschatz();
}

void TextLesenWindow::speichernFragen() {
    const QString vorschlag =
        titel_->text().trimmed().isEmpty() ? QStringLiteral("Text") : titel_->text().trimmed();
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Als Lektion speichern"),
                                               QStringLiteral("Name der neuen Lektion:"),
                                               QLineEdit::Normal, vorschlag, &ok);
    if (ok && !name.trimmed().isEmpty()) alsLektion(name.trimmed().toStdString());
}

void TextLesenWindow::dateiWaehlen() {
    const QString pfad =
        QFileDialog::getOpenFileName(this, QStringLiteral("Text öffnen"), QString(),
                                     QStringLiteral("Texte (*.txt);;Alle Dateien (*)"));
    if (!pfad.isEmpty()) oeffneDatei(pfad);
}

bool TextLesenWindow::oeffneDatei(const QString& pfad) {
    QFile datei(pfad);
    const auto melden = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("Text lesen"), text);
        return false;
    };
    if (!datei.open(QIODevice::ReadOnly))
        return melden(QStringLiteral("Die Datei lässt sich nicht öffnen."));
    const QByteArray bytes = datei.readAll();
    const std::string text =
        lesen::alsUtf8({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (lesen::zerlegen(text).size() > hoechstWoerter)
        return melden(QStringLiteral("Der Text hat mehr als 100.000 Wörter – bitte kürzer."));
    ablage_->neu();
    wahl_.clear();
    titel_->setText(QFileInfo(pfad).completeBaseName());
    text_->setPlainText(qtext(text));
    return true;
}

void TextLesenWindow::wiederOeffnen(const lektionen::GelesenerText& text,
                                    const std::vector<lektionen::Textwahl>& wahl) {
    wahl_.clear();
    for (const auto& w : wahl)
        wahl_[{w.form, w.vorkommen}] = w.lesart;
    titel_->setText(qtext(text.titel));
    text_->setPlainText(qtext(text.inhalt));
}

} // namespace latiflex
