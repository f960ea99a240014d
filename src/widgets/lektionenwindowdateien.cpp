// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Lektionen"'s files: lesson files read and written, cards for Anki, the
// worksheet and the vocabulary test printed.
#include "widgets/lektionenwindow.h"

#include "grammar/text.h"
#include "interfaces/prompt.h"
#include "shell/tabelle.h"
#include "widgets/lektionsfragen.h"
#include "widgets/printer.h"
#include "widgets/qtext.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QSaveFile>

namespace latiflex {

namespace {

using namespace lektionsfragen;

constexpr std::string_view titel = "LEKTIONEN";
// Longest name shown in a message, in letters: its beginning and end stay visible.
constexpr std::size_t hoechstens = 60;
QString kurz(std::string_view s) { return qtext(text::kurz(s, hoechstens)); }

std::filesystem::path pfadAus(const QString& pfad) { return {pfad.toStdU16String()}; }

} // namespace

void LektionenWindow::anmerkungen(const Lektionen::Import& import) {
    // Forms read otherwise than written (a supine as the participle) are named.
    std::string text;
    for (const auto& a : import.anmerkungen)
        text += (text.empty() ? "" : "\n") + a.text();
    if (!text.empty()) melden(dialoge_, text, titel);
}

bool LektionenWindow::importieren(const QString& pfad) {
    const Lektionen::Import import = lektionen_.pruefen(pfadAus(pfad));
    if (!import.fehler.empty()) {
        status_->setText(qtext(import.fehler));
        melden(dialoge_, import.fehler, titel);
        return false;
    }
    if (!import.abgelehnt.empty() && !gueltigeImportieren(this, import)) {
        status_->setText(QStringLiteral("Nichts importiert."));
        return false;
    }
    // A corrected file of a lesson there is updates it, if the pupil agrees.
    if (const auto alt = lektionen_.gleichnamig(import);
        alt && dialoge_.question(
                   "Die Lektion „" + text::kurz(import.name, hoechstens) +
                       "“ gibt es schon. Mit der Datei aktualisieren? Ihre Wörter bleiben mit "
                       "dem, was geübt ist; neue kommen dazu, fehlende werden entfernt. (Nein: "
                       "eine zweite Lektion anlegen.)",
                   titel)) {
        const auto e = lektionen_.erneuern(*alt, import);
        aktualisieren();
        waehle(*alt);
        anmerkungen(import);
        melde(e ? QStringLiteral("Aktualisiert: „%1“, %2 Wörter behalten, %3 neu, %4 entfernt.")
                      .arg(kurz(import.name))
                      .arg(e->behalten)
                      .arg(e->neu)
                      .arg(e->entfernt)
                : QString());
        return e.has_value();
    }
    const auto lektion = lektionen_.importieren(import);
    aktualisieren();
    if (lektion) waehle(*lektion);
    if (lektion) anmerkungen(import);
    melde(lektion ? QStringLiteral("Importiert: „%1“ mit %2 Wörtern.")
                        .arg(kurz(lektionsName(*lektion).toStdString()))
                        .arg(import.woerter.size())
                  : QString());
    return lektion.has_value();
}

bool LektionenWindow::exportieren(const QString& pfad) {
    const auto lektion = gewaehlteLektion();
    if (!lektion) return false;
    const auto n = lektionen_.exportieren(*lektion, pfadAus(pfad));
    melde(n ? QStringLiteral("%1 Wörter geschrieben in %2")
                  .arg(*n)
                  .arg(QDir::toNativeSeparators(pfad))
            : QString());
    return n.has_value();
}

bool LektionenWindow::ankiExportieren(const QString& pfad) {
    const auto lektion = gewaehlteLektion();
    if (!lektion) return false;
    const std::string text = lektionen_.ankiText(*lektion);
    QSaveFile datei(pfad);
    const bool geschrieben = datei.open(QIODevice::WriteOnly) &&
                             datei.write(text.data(), static_cast<qint64>(text.size())) ==
                                 static_cast<qint64>(text.size()) &&
                             datei.commit();
    if (!geschrieben) {
        const std::string fehler =
            "Die Karten konnten nicht geschrieben werden: " + datei.errorString().toStdString();
        status_->setText(qtext(fehler));
        melden(dialoge_, fehler, titel);
        return false;
    }
    status_->setText(
        QStringLiteral("Anki-Karten geschrieben in %1").arg(QDir::toNativeSeparators(pfad)));
    return true;
}

QString LektionenWindow::arbeitsblatt() {
    const auto lektion = gewaehlteLektion();
    if (!lektion) return {};
    std::vector<Seiten::Zeiger> seiten;
    for (const lektionen::Wort& w : lektionen_.woerter(*lektion))
        for (Seiten::Zeiger& s : lektionen_.seiten(w.eingabe))
            seiten.push_back(std::move(s));
    std::vector<const grammar::Paradigma*> blaetter;
    blaetter.reserve(seiten.size());
    for (const Seiten::Zeiger& s : seiten)
        blaetter.push_back(s.get());
    return qtext(Tabelle::lektionsblatt(lektionsName(*lektion).toStdString(), blaetter, farben_));
}

void LektionenWindow::importierenFragen() {
    const QString pfad =
        QFileDialog::getOpenFileName(this, QStringLiteral("Lektion importieren"), dokumente(),
                                     QStringLiteral("Lektionsdateien (*.txt);;Alle Dateien (*)"));
    if (!pfad.isEmpty()) importieren(pfad);
}

QString LektionenWindow::zielFragen(const QString& titel, const QString& dateiende,
                                    const QString& filter) {
    const auto lektion = gewaehlteLektion();
    if (!lektion) return {};
    return QFileDialog::getSaveFileName(
        this, titel, QDir(dokumente()).filePath(dateiName(lektionsName(*lektion), dateiende)),
        filter);
}

void LektionenWindow::exportierenFragen() {
    const QString pfad = zielFragen(QStringLiteral("Lektion exportieren"), QStringLiteral(".txt"),
                                    QStringLiteral("Lektionsdateien (*.txt)"));
    if (!pfad.isEmpty()) exportieren(pfad);
}

void LektionenWindow::ankiFragen() {
    const QString pfad =
        zielFragen(QStringLiteral("Anki-Karten exportieren"), QStringLiteral("-anki.txt"),
                   QStringLiteral("Textdateien für Anki (*.txt)"));
    if (!pfad.isEmpty()) ankiExportieren(pfad);
}

void LektionenWindow::druckeArbeitsblatt() {
    const auto lektion = gewaehlteLektion();
    if (!lektion) return;
    const QString html = arbeitsblatt();
    QString fehler;
    QString datei;
    if (Printer::mitDialog(this, html,
                           dateiName(lektionsName(*lektion), QStringLiteral("-arbeitsblatt")),
                           &fehler, &datei)) {
        status_->setText(datei.isEmpty() ? QStringLiteral("Arbeitsblatt gedruckt.")
                                         : QStringLiteral("Arbeitsblatt gespeichert in %1")
                                               .arg(QDir::toNativeSeparators(datei)));
        return;
    }
    status_->setText(fehler.isEmpty() ? QStringLiteral("Nicht gedruckt.") : fehler);
    if (!fehler.isEmpty()) melden(dialoge_, fehler.toStdString(), "DRUCKEN");
}

QString LektionenWindow::vokabeltest(bool deutschGefragt) {
    const auto lektion = gewaehlteLektion();
    if (!lektion) return {};
    std::vector<Tabelle::Vokabelzeile> zeilen;
    for (const lektionen::Wort& w : lektionen_.woerter(*lektion)) {
        const lektionen::Vokabel v = lektionen_.vokabel(w);
        // A word without a meaning is not asked for one.
        if (v.bedeutung.empty()) continue;
        zeilen.push_back(
            {Lektionen::woerterText(w.eingabe) + (v.genus.empty() ? "" : " " + v.genus),
             v.bedeutung});
    }
    return qtext(
        Tabelle::vokabeltest(lektionsName(*lektion).toStdString(), zeilen, deutschGefragt));
}

void LektionenWindow::druckeVokabeltest() {
    const auto lektion = gewaehlteLektion();
    if (!lektion) return;
    const QStringList richtungen{
        QStringLiteral("Latein → Deutsch: die Bedeutung eintragen"),
        QStringLiteral("Deutsch → Latein: die Wörterbuchformen eintragen")};
    const auto richtung = fragen(this, QStringLiteral("Vokabeltest drucken"),
                                 QStringLiteral("Was soll eingetragen werden?"), {}, richtungen);
    if (!richtung) return;
    const QString html = vokabeltest(*richtung == richtungen.front());
    QString fehler;
    QString datei;
    if (Printer::mitDialog(this, html,
                           dateiName(lektionsName(*lektion), QStringLiteral("-vokabeltest")),
                           &fehler, &datei)) {
        status_->setText(datei.isEmpty() ? QStringLiteral("Vokabeltest gedruckt.")
                                         : QStringLiteral("Vokabeltest gespeichert in %1")
                                               .arg(QDir::toNativeSeparators(datei)));
        return;
    }
    status_->setText(fehler.isEmpty() ? QStringLiteral("Nicht gedruckt.") : fehler);
    if (!fehler.isEmpty()) melden(dialoge_, fehler.toStdString(), "DRUCKEN");
}

} // namespace latiflex
