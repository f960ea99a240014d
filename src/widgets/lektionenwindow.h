// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/lektionen.h"

#include <QDialog>

#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace latiflex {

class Dialogs;

/**
 * The window "Lektionen": the pupil's lessons with their words and progress, and what was
 * practised on which day. The pupil creates, renames and deletes lessons (deleting asks
 * first), picks the lesson new words join, moves and removes words, keeps a word out of
 * the drill, opens a word in the main window's pane, gives a word its German meaning (the
 * dictionary's stands in grey italics until then), adds a lesson of the ready core
 * vocabulary ("Grundwortschatz hinzufügen…"), imports and exports lesson files,
 * exports cards for Anki and prints a lesson as one worksheet. Modeless and usable with the
 * keyboard alone: Alt with the underlined letter reaches every control, Enter on a word
 * opens it, Del deletes a lesson or removes a word (asking first), F2 renames a lesson or changes a
 * word's meaning. Everything it shows
 * and changes goes through `Lektionen`; typed names and words are shown as text, never as markup.
 */
class LektionenWindow final : public QDialog {
    Q_OBJECT

public:
    /// The window over `lektionen`; the database's messages and refusals are shown through
    /// `dialoge` (message boxes titled "LEKTIONEN"); the worksheet's key is printed in
    /// `farben`.
    LektionenWindow(Lektionen& lektionen, const Farben& farben, Dialogs& dialoge,
                    QWidget* parent = nullptr);

    /// Reads the lessons afresh, shows the window and brings it to the front.
    void oeffnen();
    /// Reads the lessons and the selected lesson's words and days afresh.
    void aktualisieren();

    /// The lesson selected in the list, or nothing.
    std::optional<Lektionen::LektionId> gewaehlteLektion() const;
    /// Selects the lesson `lektion` in the list.
    void waehle(Lektionen::LektionId lektion);

    /// Imports the lesson file `pfad`. Refused lines are listed with their numbers and
    /// reasons, and the pupil decides: the valid lines, or nothing. Where a lesson of the
    /// file's name exists, the pupil is asked whether to update it (`Lektionen::erneuern`)
    /// or to make a second one. True when a lesson was stored.
    bool importieren(const QString& pfad);
    /// Adds the ready lesson `name` of the core vocabulary ("Grundwortschatz 1") as a lesson
    /// of the pupil's own and selects it; a name it does not have, or a missing dictionary,
    /// is said in a box. True when a lesson was stored.
    bool grundwortschatzHinzufuegen(const QString& name);
    /// Writes the selected lesson to the lesson file `pfad`.
    bool exportieren(const QString& pfad);
    /// Writes the selected lesson's cards to `pfad`, for Anki's text import.
    bool ankiExportieren(const QString& pfad);
    /// The selected lesson as one worksheet (HTML): a line for name and date, every word's
    /// tables with blanks, then the answer key.
    QString arbeitsblatt();
    /// The selected lesson's vocabulary test (HTML): the words with a meaning, the meaning
    /// (`deutschGefragt`) or the Latin left blank, then the answers.
    QString vokabeltest(bool deutschGefragt);

signals:
    /// A word was opened in the pane.
    void geoeffnet();

private:
    /// Names the forms read otherwise than written, in a message box.
    void anmerkungen(const Lektionen::Import& import);
    void zeigeWoerter();
    void neu();
    void umbenennen();
    void loeschen();
    void alsAktuelle();
    void oeffneWort();
    /// Asks for the selected word's meaning; an empty answer shows the dictionary's again.
    void bedeutungAendern();
    void verschieben();
    void entfernen();
    void imDrillUmschalten(bool imDrill);
    void importierenFragen();
    /// Offers the core vocabulary's lessons in a list; the one chosen is added (Ctrl+G, or
    /// the lessons list's context menu).
    void grundwortschatzFragen();
    /// Asks where to write the selected lesson, offering its name with `dateiende` in the
    /// documents folder; empty when no lesson is selected or the pupil cancels.
    QString zielFragen(const QString& titel, const QString& dateiende, const QString& filter);
    void exportierenFragen();
    void ankiFragen();
    void druckeArbeitsblatt();
    /// Asks which way the test goes, then prints it or saves it as PDF.
    void druckeVokabeltest();
    std::optional<Lektionen::WortId> gewaehltesWort() const;
    QString lektionsName(Lektionen::LektionId lektion);
    /// Shows the database's message, if any, as a box; `erfolg` in the status line else.
    void melde(const QString& erfolg = {});
    void aktiviere();

    Lektionen& lektionen_;
    const Farben& farben_;
    Dialogs& dialoge_;
    QListWidget* liste_;
    QListWidget* woerter_;
    QTreeWidget* tage_;
    QLabel* status_;
    QPushButton* umbenennen_;
    QPushButton* loeschen_;
    QPushButton* aktuelle_;
    QPushButton* oeffnen_;
    QPushButton* bedeutung_;
    QPushButton* verschieben_;
    QPushButton* entfernen_;
    QPushButton* imDrill_;
    QPushButton* exportieren_;
    QPushButton* anki_;
    QPushButton* drucken_;
    QPushButton* vokabeltest_;
};

} // namespace latiflex
