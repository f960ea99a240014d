// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/bestimmung.h"
#include "interfaces/write.h"
#include "lesen/lesart.h"
#include "lesen/wortschatz.h"
#include "lessons/database.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace latiflex {

class TextAblage;
class TextLeser;
class WoerterModell;

/**
 * The window "Text lesen": a Latin text typed, pasted or opened from a file is read at once,
 * in the background, word by word in context. The list of words shows each word's reading
 * (dictionary forms, cell, meaning, how sure); the word at the text cursor or chosen in the
 * list shows all its readings as "Bestimmen" does, the pupil may pick another (kept while
 * the text is edited) and print its paradigm in the main pane. The vocabulary list names
 * each entry once with its first line, marks the words not yet in a lesson and saves the
 * chosen ones as a lesson.
 */
class TextLesenWindow final : public QDialog {
    Q_OBJECT

public:
    /// What the window asks of the program around it.
    struct Anbindung {
        std::function<std::vector<Eingabe>()> eigene;          ///< the pupil's words
        std::function<std::vector<Eingabe>()> lektionsWoerter; ///< the words of all lessons
        std::function<void(const analysis::Deutung&)> zeigen;  ///< prints its paradigm
        std::function<std::string(const Eingabe&)> bedeutung;  ///< a meaning, may be empty
        const analysis::Woerterbuch* woerterbuch = nullptr;    ///< the dictionary, if any
        /// Makes a lesson of the words; the text of a message for the pupil.
        std::function<std::string(const std::string&, const std::vector<Eingabe>&)> speichern;
        lektionen::Database* ablage = nullptr; ///< keeps the texts read, where one is at hand
        std::function<lektionen::Datum()> heute = lektionen::heute; ///< the day a text is read
    };

    TextLesenWindow(const Farben& farben, Anbindung anbindung, QWidget* parent = nullptr);
    ~TextLesenWindow() override;

    /// Shows the window with the text focused.
    void oeffnen();
    /// Opens a plain-text file (UTF-8 or Latin-1); false, with a message shown, when it
    /// cannot be read or holds more than 100,000 words.
    bool oeffneDatei(const QString& pfad);
    /// The preparation sheet of the text on view (HTML): numbered lines beside their words.
    QString vorbereitungsblatt() const;
    /// Saves the checked words of the vocabulary list as the lesson `name`.
    void alsLektion(const std::string& name);

    QPlainTextEdit* textFeld() const { return text_; }
    QTableView* woerterListe() const { return liste_; }
    QTreeWidget* deutungenListe() const { return deutungen_; }
    QTreeWidget* wortschatzListe() const { return wortschatz_; }
    QLabel* stand() const { return stand_; }
    TextAblage* ablage() const { return ablage_; }
    /// The words read last, with the pupil's choices.
    const std::vector<lesen::Wort>& woerter() const;
    /// Whether a text is still being read.
    bool liest() const;

signals:
    /// The text on view has been read.
    void gelesen();

private:
    void lies();
    void ankommen(std::shared_ptr<std::vector<lesen::Wort>> woerter);
    void zeigeWort(int zeile);
    void cursorBewegt();
    void waehle(QTreeWidgetItem* item);
    void paradigma();
    void fuelleWortschatz();
    void markiere();
    void dateiWaehlen();
    void speichernFragen();
    void vorbereitungDrucken();
    void wiederOeffnen(const lektionen::GelesenerText& text,
                       const std::vector<lektionen::Textwahl>& wahl);

    const Farben& farben_;
    Anbindung anbindung_;
    std::shared_ptr<std::vector<lesen::Wort>> woerter_;
    // The pupil's choices: a form's n-th occurrence and the key of the reading picked for it.
    std::map<std::pair<std::string, int>, std::string> wahl_;
    std::vector<lesen::Vokabel> vokabeln_;
    int aktuell_ = -1;
    bool platziert_ = false;

    QLineEdit* titel_;
    QPlainTextEdit* text_;
    QTableView* liste_;
    WoerterModell* modell_;
    QTreeWidget* deutungen_;
    QLabel* grund_;
    QPushButton* paradigmaTaste_;
    QComboBox* reihenfolge_;
    QTreeWidget* wortschatz_;
    QProgressBar* fortschritt_;
    QLabel* stand_;
    TextLeser* leser_;
    TextAblage* ablage_;
};

} // namespace latiflex
