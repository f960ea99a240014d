// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/panemenu.h"

#include "interfaces/prompt.h"
#include "shell/form1.h"
#include "shell/tabelle.h"
#include "widgets/panewidget.h"
#include "widgets/printer.h"
#include "widgets/qtext.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace latiflex {

namespace {

// The letters and digits of `text`, at most 40: no typed slash or length can make a file name
// that cannot be written.
QString buchstaben(const QString& text) {
    QString aus;
    for (QChar c : text) {
        if (aus.size() >= 40) break;
        if (c.isLetterOrNumber() && !c.isSurrogate()) aus += c;
    }
    return aus;
}

// The print dialog offers "NAME.pdf": the first dictionary form and, for a verb, its page
// ("laudo-PRIMPF1AKT"), so the four tense pages of one verb never offer the same file.
QString dokumentName(const grammar::Paradigma& p, const QString& anhang) {
    QString name = buchstaben(p.stichwoerter.empty() ? QString() : qtext(p.stichwoerter[0].wort));
    if (name.isEmpty()) name = QStringLiteral("latiflex");
    if (p.wortart == grammar::Wortart::verbum && !buchstaben(qtext(p.seite)).isEmpty())
        name += QLatin1Char('-') + buchstaben(qtext(p.seite));
    return name + anhang;
}

} // namespace

PaneMenu::PaneMenu(PaneWidget* pane, QWidget* fenster, Form1& form, Dialogs& dialoge)
    : QObject(fenster), pane_(pane), fenster_(fenster), form_(form), dialoge_(dialoge),
      menu_(new QMenu(fenster)) {
    menu_->setObjectName(QStringLiteral("PaneMenu"));
    eintrag(QStringLiteral("&Kopieren"), QKeySequence::Copy, [this] { kopieren(); });
    eintrag(QStringLiteral("&Drucken…"), QKeySequence::Print, [this] { drucken(); });
    eintrag(QStringLiteral("&Arbeitsblatt drucken…"), {}, [this] { arbeitsblattDrucken(); });

    pane_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pane_, &QWidget::customContextMenuRequested, this, &PaneMenu::zeigeMenu);
    // The menu key arrives as a context-menu request; Shift+F10 is the other key for it.
    auto* umschaltF10 = new QAction(pane_);
    umschaltF10->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    umschaltF10->setShortcutContext(Qt::WidgetShortcut);
    connect(umschaltF10, &QAction::triggered, this, [this] { zeigeMenu(pane_->rect().center()); });
    pane_->addAction(umschaltF10);

    form_.seiten().beiAenderung([this] { aktualisieren(); });
    aktualisieren();
}

QAction* PaneMenu::eintrag(const QString& text, const QKeySequence& kurz,
                           std::function<void()> tun) {
    auto* aktion = new QAction(text, menu_);
    aktion->setShortcut(kurz);
    aktion->setShortcutContext(Qt::WindowShortcut);
    aktion->setEnabled(form_.seiten().aufSicht() != nullptr);
    connect(aktion, &QAction::triggered, this, [tun = std::move(tun)] { tun(); });
    menu_->addAction(aktion);
    fenster_->addAction(aktion);
    seitenAktionen_.append(aktion);
    return aktion;
}

void PaneMenu::anhaengen(QAction* aktion) {
    menu_->addSeparator();
    menu_->addAction(aktion);
}

void PaneMenu::zeigeMenu(const QPoint& stelle) { menu_->popup(pane_->mapToGlobal(stelle)); }

void PaneMenu::aktualisieren() {
    const bool sichtbar = form_.seiten().aufSicht() != nullptr;
    for (QAction* aktion : seitenAktionen_)
        aktion->setEnabled(sichtbar);
}

void PaneMenu::kopieren() {
    const grammar::Paradigma* p = form_.seiten().aufSicht();
    if (!p) return;
    const Tabelle tabelle(*p);
    auto* daten = new QMimeData;
    daten->setText(qtext(tabelle.text()));
    daten->setHtml(qtext(tabelle.html(form_.farben())));
    QGuiApplication::clipboard()->setMimeData(daten);
}

void PaneMenu::drucken() {
    const grammar::Paradigma* p = form_.seiten().aufSicht();
    if (!p) return;
    const QString html = qtext(Tabelle(*p).druckseite(form_.farben()));
    QString fehler;
    if (!Printer::mitDialog(fenster_, html, dokumentName(*p, {}), &fehler) && !fehler.isEmpty())
        melden(dialoge_, fehler.toStdString(), "DRUCKEN");
}

void PaneMenu::arbeitsblattDrucken() {
    const grammar::Paradigma* p = form_.seiten().aufSicht();
    if (!p) return;
    const QString html = qtext(Tabelle(*p).arbeitsblatt(form_.farben()));
    QString fehler;
    if (!Printer::mitDialog(fenster_, html, dokumentName(*p, QStringLiteral("-arbeitsblatt")),
                            &fehler) &&
        !fehler.isEmpty())
        melden(dialoge_, fehler.toStdString(), "DRUCKEN");
}

} // namespace latiflex
