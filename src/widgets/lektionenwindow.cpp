// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/lektionenwindow.h"

#include "grammar/text.h"
#include "interfaces/prompt.h"
#include "lessons/lektionsdatei.h"
#include "shell/bedeutungen.h"
#include "widgets/lektionsfragen.h"
#include "widgets/qtext.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace latiflex {

namespace {

using namespace lektionsfragen;

constexpr std::string_view titel = "LEKTIONEN";
// Longest name or word shown in a list, in letters: its beginning and end stay visible.
constexpr std::size_t hoechstens = 60;
QString kurz(std::string_view s) { return qtext(text::kurz(s, hoechstens)); }

/// A button of `fenster` that runs `wenn` when clicked.
template <typename Handler>
QPushButton* knopf(const QString& text, LektionenWindow* fenster, Handler wenn) {
    auto* b = new QPushButton(text, fenster);
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("…")));
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, fenster, wenn);
    return b;
}

/// A shortcut of the widget `ziel` alone that runs `wenn` in `fenster`.
template <typename Handler>
void kuerzel(const QKeySequence& taste, QWidget* ziel, LektionenWindow* fenster, Handler wenn) {
    auto* k = new QShortcut(taste, ziel, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(k, &QShortcut::activated, fenster, wenn);
}

/// Shows that the item's meaning is the dictionary's: grey italics and a tooltip.
void markiereWoerterbuch(QListWidgetItem& item) {
    QFont schrift = item.font();
    schrift.setItalic(true);
    item.setFont(schrift);
    // Between the text and the background, still readable (4.7:1 for black on white): the
    // colour of disabled text would be too faint to read.
    const QPalette p = item.listWidget()->palette();
    const QColor text = p.color(QPalette::Text);
    const QColor grund = p.color(QPalette::Base);
    const auto mitte = [](double t, double g) { return 0.55 * t + 0.45 * g; };
    item.setForeground(QColor::fromRgbF(static_cast<float>(mitte(text.redF(), grund.redF())),
                                        static_cast<float>(mitte(text.greenF(), grund.greenF())),
                                        static_cast<float>(mitte(text.blueF(), grund.blueF()))));
    const QString hinweis = QStringLiteral("Bedeutung aus dem Wörterbuch");
    item.setToolTip(hinweis + QStringLiteral(" – „Bedeutung ändern…“ (F2) gibt eine eigene."));
    item.setData(Qt::AccessibleDescriptionRole, hinweis);
}

QLabel* titelFuer(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

LektionenWindow::LektionenWindow(Lektionen& lektionen, const Farben& farben, Dialogs& dialoge,
                                 QWidget* parent)
    : QDialog(parent), lektionen_(lektionen), farben_(farben), dialoge_(dialoge) {
    setObjectName(QStringLiteral("Lektionen"));
    setWindowTitle(QStringLiteral("Lektionen"));
    setModal(false);
    // One column of lists, each with its buttons stacked beside it: narrow enough to stand
    // right of the main window's pane on a small screen, so that "Öffnen" shows the word.
    auto* raster = new QGridLayout(this);

    liste_ = new QListWidget(this);
    liste_->setAccessibleName(QStringLiteral("Lektionen"));
    raster->addWidget(titelFuer(QStringLiteral("Le&ktionen:"), liste_, this), 0, 0);
    raster->addWidget(liste_, 1, 0);

    woerter_ = new QListWidget(this);
    woerter_->setAccessibleName(QStringLiteral("Wörter der Lektion"));
    raster->addWidget(titelFuer(QStringLiteral("Wö&rter der Lektion:"), woerter_, this), 2, 0);
    raster->addWidget(woerter_, 3, 0);
    for (QListWidget* l : {liste_, woerter_})
        l->setWordWrap(true);

    auto* lektionKnoepfe = new QVBoxLayout;
    auto* neuKnopf = knopf(QStringLiteral("&Neu…"), this, &LektionenWindow::neu);
    umbenennen_ = knopf(QStringLiteral("&Umbenennen…"), this, &LektionenWindow::umbenennen);
    loeschen_ = knopf(QStringLiteral("&Löschen…"), this, &LektionenWindow::loeschen);
    aktuelle_ = knopf(QStringLiteral("Als &aktuelle Lektion"), this, &LektionenWindow::alsAktuelle);
    aktuelle_->setToolTip(QStringLiteral("Jedes neue Wort kommt in die aktuelle Lektion."));
    for (QPushButton* b : {neuKnopf, umbenennen_, loeschen_, aktuelle_})
        lektionKnoepfe->addWidget(b);
    lektionKnoepfe->addStretch();
    raster->addLayout(lektionKnoepfe, 1, 1);
    // A menu entry of the list, not a button: one more button would make the window too tall
    // to stand whole on a small screen.
    auto* grund = new QAction(QStringLiteral("&Grundwortschatz hinzufügen…"), this);
    grund->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
    connect(grund, &QAction::triggered, this, &LektionenWindow::grundwortschatzFragen);
    liste_->addAction(grund);
    addAction(grund);
    liste_->setContextMenuPolicy(Qt::ActionsContextMenu);
    liste_->setToolTip(QStringLiteral("Rechtsklick oder Strg+G: Grundwortschatz hinzufügen – eine "
                                      "Lektion der häufigsten Wörter des Wörterbuchs."));

    auto* wortKnoepfe = new QVBoxLayout;
    oeffnen_ = knopf(QStringLiteral("Ö&ffnen"), this, &LektionenWindow::oeffneWort);
    oeffnen_->setToolTip(QStringLiteral("Zeigt das Wort im Hauptfenster, wie Eintippen es zeigt."));
    verschieben_ = knopf(QStringLiteral("&Verschieben…"), this, &LektionenWindow::verschieben);
    entfernen_ = knopf(QStringLiteral("&Entfernen…"), this, &LektionenWindow::entfernen);
    imDrill_ = knopf(QStringLiteral("&Üben"), this, &LektionenWindow::imDrillUmschalten);
    imDrill_->setCheckable(true);
    imDrill_->setToolTip(QStringLiteral("Eingedrückt: das Wort wird geübt."));
    bedeutung_ =
        knopf(QStringLiteral("Be&deutung ändern…"), this, &LektionenWindow::bedeutungAendern);
    bedeutung_->setToolTip(QStringLiteral("Die deutsche Bedeutung des Wortes, wie du sie lernst."));
    for (QPushButton* b : {oeffnen_, bedeutung_, verschieben_, entfernen_, imDrill_})
        wortKnoepfe->addWidget(b);
    wortKnoepfe->addStretch();
    raster->addLayout(wortKnoepfe, 3, 1);

    tage_ = new QTreeWidget(this);
    tage_->setAccessibleName(QStringLiteral("Geübt"));
    tage_->setRootIsDecorated(false);
    tage_->setHeaderLabels({QStringLiteral("Tag"), QStringLiteral("Antworten"),
                            QStringLiteral("richtig"), QStringLiteral("falsch")});
    tage_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    raster->addWidget(titelFuer(QStringLiteral("&Geübt:"), tage_, this), 4, 0);
    raster->addWidget(tage_, 5, 0);

    status_ = new QLabel(this);
    status_->setAccessibleName(QStringLiteral("Meldung"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    raster->addWidget(status_, 6, 0);

    auto* dateiKnoepfe = new QVBoxLayout;
    auto* importieren =
        knopf(QStringLiteral("&Importieren…"), this, &LektionenWindow::importierenFragen);
    exportieren_ =
        knopf(QStringLiteral("E&xportieren…"), this, &LektionenWindow::exportierenFragen);
    anki_ = knopf(QStringLiteral("Anki-Kar&ten…"), this, &LektionenWindow::ankiFragen);
    drucken_ =
        knopf(QStringLiteral("Arbeits&blatt drucken…"), this, &LektionenWindow::druckeArbeitsblatt);
    vokabeltest_ =
        knopf(QStringLiteral("V&okabeltest drucken…"), this, &LektionenWindow::druckeVokabeltest);
    vokabeltest_->setToolTip(QStringLiteral("Die Wörter mit einer leeren Spalte für die Bedeutung "
                                            "(oder das Latein), dazu die Lösung."));
    auto* schliessen = knopf(QStringLiteral("&Schließen"), this, &QDialog::close);
    for (QPushButton* b : {importieren, exportieren_, anki_, drucken_, vokabeltest_, schliessen})
        dateiKnoepfe->addWidget(b);
    dateiKnoepfe->addStretch();
    raster->addLayout(dateiKnoepfe, 5, 1, 2, 1);
    raster->setColumnStretch(0, 1);
    raster->setRowStretch(1, 1);
    raster->setRowStretch(3, 2);
    raster->setRowStretch(5, 1);

    connect(liste_, &QListWidget::currentRowChanged, this, [this] { zeigeWoerter(); });
    connect(woerter_, &QListWidget::currentRowChanged, this, [this] { aktiviere(); });
    connect(woerter_, &QListWidget::itemActivated, this, [this] { oeffneWort(); });

    // Del deletes what the list in focus holds, F2 renames a lesson.
    kuerzel(QKeySequence::Delete, liste_, this, &LektionenWindow::loeschen);
    kuerzel(QKeySequence::Delete, woerter_, this, &LektionenWindow::entfernen);
    kuerzel(QKeySequence(Qt::Key_F2), liste_, this, &LektionenWindow::umbenennen);
    kuerzel(QKeySequence(Qt::Key_F2), woerter_, this, &LektionenWindow::bedeutungAendern);
    // Ctrl+C copies the word's line as the list shows it, with its meaning.
    kuerzel(QKeySequence::Copy, woerter_, this, [this] {
        if (const QListWidgetItem* item = woerter_->currentItem())
            QGuiApplication::clipboard()->setText(item->text());
    });

    lektionen_.beiAenderung([this] {
        if (isVisible()) aktualisieren();
    });
    resize(600, 520);
}

void LektionenWindow::oeffnen() {
    aktualisieren();
    show();
    raise();
    activateWindow();
    liste_->setFocus();
}

void LektionenWindow::aktualisieren() {
    const auto gewaehlt = gewaehlteLektion();
    const auto aktuelle = lektionen_.aktuelle();
    const QSignalBlocker still(liste_);
    liste_->clear();
    for (const lektionen::Lektion& l : lektionen_.lektionen()) {
        QString text = kurz(l.name);
        if (aktuelle && *aktuelle == l.id) text += QStringLiteral(" (aktuell)");
        text += QStringLiteral(" – %1 %2")
                    .arg(l.woerter)
                    .arg(l.woerter == 1 ? QStringLiteral("Wort") : QStringLiteral("Wörter"));
        if (const std::string f = Lektionen::fortschritt(l); !f.empty())
            text += QStringLiteral(", ") + qtext(f);
        auto* item = new QListWidgetItem(text, liste_);
        item->setData(Qt::UserRole, QVariant::fromValue<qint64>(l.id));
        if ((gewaehlt && *gewaehlt == l.id) || (!gewaehlt && aktuelle && *aktuelle == l.id))
            liste_->setCurrentItem(item);
    }
    if (!liste_->currentItem() && liste_->count() > 0) liste_->setCurrentRow(0);
    if (liste_->count() == 0)
        status_->setText(QStringLiteral("Noch keine Lektion: jedes Wort, das du bildest, kommt in "
                                        "„%1“.")
                             .arg(qtext(lektionen::ersteLektion)));
    zeigeWoerter();
    melde();
}

std::optional<Lektionen::LektionId> LektionenWindow::gewaehlteLektion() const {
    const QListWidgetItem* item = liste_->currentItem();
    if (!item) return std::nullopt;
    return item->data(Qt::UserRole).value<qint64>();
}

std::optional<Lektionen::WortId> LektionenWindow::gewaehltesWort() const {
    const QListWidgetItem* item = woerter_->currentItem();
    if (!item) return std::nullopt;
    return item->data(Qt::UserRole).value<qint64>();
}

void LektionenWindow::waehle(Lektionen::LektionId lektion) {
    for (int i = 0; i < liste_->count(); ++i)
        if (liste_->item(i)->data(Qt::UserRole).value<qint64>() == lektion)
            liste_->setCurrentRow(i);
}

QString LektionenWindow::lektionsName(Lektionen::LektionId lektion) {
    for (const lektionen::Lektion& l : lektionen_.lektionen())
        if (l.id == lektion) return qtext(l.name);
    return {};
}

void LektionenWindow::zeigeWoerter() {
    const auto lektion = gewaehlteLektion();
    const auto wort = gewaehltesWort();
    woerter_->clear();
    tage_->clear();
    if (lektion) {
        for (const lektionen::Wort& w : lektionen_.woerter(*lektion)) {
            const QString zeile = kurz(lektionen::zeile(w.eingabe));
            const lektionen::Vokabel v = lektionen_.vokabel(w);
            QString text = zeile;
            if (!v.genus.empty()) text += QLatin1Char(' ') + qtext(v.genus);
            const bool ausWoerterbuch = Lektionen::ausWoerterbuch(w, v);
            if (!v.bedeutung.empty()) text += QStringLiteral(" = ") + kurz(v.bedeutung);
            if (const std::string f = Lektionen::fortschritt(w); !f.empty())
                text += QStringLiteral(" – ") + qtext(f);
            if (!w.imDrill) text += QStringLiteral(" – wird nicht geübt");
            auto* item = new QListWidgetItem(text, woerter_);
            item->setData(Qt::UserRole, QVariant::fromValue<qint64>(w.id));
            item->setData(Qt::UserRole + 1, w.imDrill);
            item->setData(Qt::UserRole + 2, zeile);
            item->setData(Qt::UserRole + 3, w.bedeutung ? qtext(*w.bedeutung) : QString());
            // The dictionary's meaning stands apart until the pupil gives one.
            if (ausWoerterbuch) markiereWoerterbuch(*item);
            if (wort && *wort == w.id) woerter_->setCurrentItem(item);
        }
        if (const auto fehlt = woerterbuchFehlt(); fehlt && woerter_->count() > 0)
            status_->setText(qtext(*fehlt));
        if (!woerter_->currentItem() && woerter_->count() > 0) woerter_->setCurrentRow(0);
        for (const lektionen::Uebungstag& t : lektionen_.uebungstage(*lektion))
            new QTreeWidgetItem(tage_,
                                {qtext(lektionen::text(t.datum)), QString::number(t.antworten()),
                                 QString::number(t.richtig), QString::number(t.falsch)});
    }
    aktiviere();
}

void LektionenWindow::aktiviere() {
    const bool lektion = gewaehlteLektion().has_value();
    const QListWidgetItem* wort = woerter_->currentItem();
    for (QPushButton* b :
         {umbenennen_, loeschen_, aktuelle_, exportieren_, anki_, drucken_, vokabeltest_})
        b->setEnabled(lektion);
    loeschen_->setEnabled(lektion && liste_->count() > 1);
    for (QPushButton* b : {oeffnen_, bedeutung_, verschieben_, entfernen_, imDrill_})
        b->setEnabled(wort != nullptr);
    verschieben_->setEnabled(wort && liste_->count() > 1);
    imDrill_->setChecked(wort && wort->data(Qt::UserRole + 1).toBool());
}

void LektionenWindow::melde(const QString& erfolg) {
    if (const auto meldung = lektionen_.meldung()) {
        status_->setText(qtext(*meldung));
        melden(dialoge_, *meldung, titel);
    } else if (!erfolg.isEmpty()) {
        status_->setText(erfolg);
    }
}

void LektionenWindow::neu() {
    const QString name =
        fragen(this, QStringLiteral("Neue Lektion"), QStringLiteral("Name der neuen Lektion:"), {})
            .value_or(QString())
            .trimmed();
    if (name.isEmpty()) return;
    const auto id = lektionen_.anlegen(name.toStdString());
    aktualisieren();
    if (id) waehle(*id);
    // The store makes a name that is taken unique ("Meine Wörter (2)"): say the one it keeps.
    melde(id ? QStringLiteral("Lektion „%1“ angelegt.").arg(kurz(lektionsName(*id).toStdString()))
             : QString());
}

void LektionenWindow::umbenennen() {
    const auto lektion = gewaehlteLektion();
    if (!lektion) return;
    const QString name = fragen(this, QStringLiteral("Lektion umbenennen"),
                                QStringLiteral("Neuer Name:"), lektionsName(*lektion))
                             .value_or(QString())
                             .trimmed();
    if (name.isEmpty()) return;
    const QString alt = kurz(lektionsName(*lektion).toStdString());
    const bool umbenannt = lektionen_.umbenennen(*lektion, name.toStdString());
    aktualisieren();
    melde(umbenannt ? QStringLiteral("Lektion „%1“ heißt jetzt „%2“.")
                          .arg(alt, kurz(lektionsName(*lektion).toStdString()))
                    : QString());
}

void LektionenWindow::loeschen() {
    const auto lektion = gewaehlteLektion();
    if (!lektion || liste_->count() < 2) return;
    const QString name = kurz(lektionsName(*lektion).toStdString());
    if (!bestaetigt(this, QStringLiteral("Lektion löschen"),
                    QStringLiteral("Die Lektion „%1“ mit %2 Wörtern und allen Antworten dazu "
                                   "löschen?")
                        .arg(name)
                        .arg(woerter_->count())))
        return;
    const bool geloescht = lektionen_.loeschen(*lektion);
    aktualisieren();
    melde(geloescht ? QStringLiteral("Lektion „%1“ gelöscht.").arg(name) : QString());
}

void LektionenWindow::alsAktuelle() {
    const auto lektion = gewaehlteLektion();
    if (!lektion) return;
    lektionen_.setAktuelle(*lektion);
    aktualisieren();
    melde(QStringLiteral("Neue Wörter kommen jetzt in „%1“.")
              .arg(kurz(lektionsName(*lektion).toStdString())));
}

void LektionenWindow::oeffneWort() {
    const auto wort = gewaehltesWort();
    if (!wort) return;
    lektionen_.oeffnen(*wort);
    melde();
    emit geoeffnet();
}

void LektionenWindow::verschieben() {
    const auto wort = gewaehltesWort();
    const auto von = gewaehlteLektion();
    if (!wort || !von) return;
    QStringList namen;
    std::vector<Lektionen::LektionId> ids;
    for (const lektionen::Lektion& l : lektionen_.lektionen())
        if (l.id != *von) {
            namen << kurz(l.name);
            ids.push_back(l.id);
        }
    if (ids.empty()) return;
    const auto i = namen.indexOf(fragen(this, QStringLiteral("Wort verschieben"),
                                        QStringLiteral("In die Lektion:"), {}, namen)
                                     .value_or(QString()));
    if (i < 0) return;
    lektionen_.verschieben(*wort, ids[static_cast<std::size_t>(i)]);
    aktualisieren();
    melde();
}

void LektionenWindow::entfernen() {
    const auto wort = gewaehltesWort();
    if (!wort) return;
    const QString text = woerter_->currentItem()->data(Qt::UserRole + 2).toString();
    if (!bestaetigt(this, QStringLiteral("Wort entfernen"),
                    QStringLiteral("Das Wort „%1“ mit allen Antworten dazu aus der Lektion "
                                   "entfernen?")
                        .arg(text)))
        return;
    const int zeile = woerter_->currentRow();
    lektionen_.entfernen(*wort);
    aktualisieren();
    woerter_->setCurrentRow(std::min(zeile, woerter_->count() - 1));
    melde(QStringLiteral("Entfernt: %1").arg(text));
}

void LektionenWindow::bedeutungAendern() {
    const auto wort = gewaehltesWort();
    if (!wort) return;
    const QListWidgetItem* item = woerter_->currentItem();
    const QString zeile = item->data(Qt::UserRole + 2).toString();
    const auto neu =
        fragen(this, QStringLiteral("Bedeutung ändern"),
               QStringLiteral("Deutsche Bedeutung von „%1“ (mehrere getrennt durch „;“; leer: "
                              "die des Wörterbuchs):")
                   .arg(zeile),
               item->data(Qt::UserRole + 3).toString());
    if (!neu) return;
    const bool geaendert = lektionen_.setBedeutung(*wort, neu->simplified().toStdString());
    aktualisieren();
    melde(geaendert ? QStringLiteral("Bedeutung von „%1“ geändert.").arg(zeile) : QString());
}

void LektionenWindow::imDrillUmschalten(bool imDrill) {
    const auto wort = gewaehltesWort();
    if (!wort) return;
    lektionen_.setImDrill(*wort, imDrill);
    aktualisieren();
    melde(imDrill ? QStringLiteral("Das Wort wird wieder geübt.")
                  : QStringLiteral("Das Wort bleibt in der Lektion, wird aber nicht geübt."));
}

} // namespace latiflex
