// SPDX-License-Identifier: GPL-3.0-or-later
#include "freshdatahome.h"
#include "gestartet.h"
#include "knoepfefrei.h"
#include "modal.h"
#include "shell/lektionen.h"
#include "widgets/lektionenwindow.h"
#include "widgets/mainwindow.h"
#include "widgets/panemenu.h"
#include "widgets/panewidget.h"
#include "widgets/uebenwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <set>

using namespace latiflex;

namespace {

template <typename T> T* genannt(QWidget* fenster, const QString& name) {
    for (T* w : fenster->findChildren<T*>())
        if (w->accessibleName() == name) return w;
    return nullptr;
}

QString datei(const QTemporaryDir& ordner, const QString& name, const QByteArray& inhalt) {
    const QString pfad = ordner.filePath(name);
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
    f.write(inhalt);
    return pfad;
}

// A lesson a teacher wrote by hand: line 4 has a number where a word belongs, line 6 a
// genitive that is not one.
const QByteArray lektion12 = "# Lektion 12\n"
                             "SUBST rosa, rosae\n"
                             "# Adjektive\n"
                             "SUBST 12, 13\n"
                             "ADJEKTIV bonus, bona, bonum\n"
                             "SUBST rosa, x\n"
                             "VERBUM laudo, laudare, laudavi, laudatus\n";

// Imports into `l` the lesson "Rosen" with the one word rosa, from a file in `ordner`.
bool rosen(LektionenWindow* l, const QTemporaryDir& ordner) {
    return l->importieren(datei(ordner, QStringLiteral("r.txt"), "# Rosen\nSUBST rosa, rosae\n"));
}

// The main window with its prompts answered from `antworten` (after the two colours), its
// data in a folder of its own.
struct Fenster : testing::Gestartet {
    explicit Fenster(std::deque<std::string> antworten = {})
        : Gestartet([&] {
              antworten.push_front("12");
              antworten.push_front("0");
              qputenv("LATIFLEX_UEBEN_SEED", "4");
              return antworten;
          }()) {}
    LektionenWindow* lektionen() {
        window.lektionenZeigen();
        return window.lektionenWindow();
    }
};

// The drill over the lesson Rosen, imported into `l` of `f`; none when the import fails.
UebenWindow* rosenUeben(Fenster& f, LektionenWindow* l, const QTemporaryDir& ordner) {
    if (!rosen(l, ordner)) return nullptr;
    f.window.ueben();
    return f.window.uebenWindow();
}

QStringList zeilen(const QListWidget* liste) {
    QStringList aus;
    for (int i = 0; i < liste->count(); ++i)
        aus << liste->item(i)->text();
    return aus;
}

} // namespace

class LektionenTest : public QObject {
    Q_OBJECT

    testing::FreshDataHome daten_;

private slots:
    void init() { daten_.renew(); }

    void shortcutOpensTheWindowForTheKeyboard() {
        Fenster f;
        auto* aktion = f.window.findChild<QAction*>(QStringLiteral("lektionenAktion"));
        QVERIFY(aktion);
        QCOMPARE(aktion->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
        aktion->trigger();
        LektionenWindow* l = f.window.lektionenWindow();
        QVERIFY(l && l->isVisible());
        QCOMPARE(l->windowTitle(), QStringLiteral("Lektionen"));
        // Every control the keyboard reaches has a name, and no two share their Alt letter.
        std::set<QChar> buchstaben;
        for (QWidget* c : l->findChildren<QWidget*>()) {
            if (c->focusPolicy() & Qt::TabFocus)
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->metaObject()->className()));
            QString text;
            if (auto* b = qobject_cast<QPushButton*>(c)) text = b->text();
            if (auto* t = qobject_cast<QLabel*>(c); t && t->buddy()) text = t->text();
            const auto i = text.indexOf(QLatin1Char('&'));
            if (i < 0) continue;
            QVERIFY2(buchstaben.insert(text.at(i + 1).toLower()).second, qPrintable(text));
        }
        // On the screen whole, and off the pane, where "Öffnen" prints the word.
        QVERIFY(l->screen()->availableGeometry().contains(l->frameGeometry()));
        QVERIFY(!bedeckt(*l, *f.window.bild1()));
        // Nothing is stored before the first word.
        QVERIFY(!QFile::exists(
            daten_.dir().filePath(QStringLiteral("lektionen_test/lektionen.sqlite"))));
    }

    // The pupil decides: the valid lines, or nothing; each refused line named with its number.
    void importAsksAboutRefusedLines_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QStringList>("lektionen");
        QTest::newRow("gültige Zeilen")
            << "&Gültige Zeilen importieren" << QStringList{"Lektion 12 – 3 Wörter"};
        QTest::newRow("nichts") << "&Nichts importieren" << QStringList{};
    }
    void importAsksAboutRefusedLines() {
        QFETCH(QString, knopf);
        QFETCH(QStringList, lektionen);
        QTemporaryDir ordner;
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QString frage;
        testing::answerNext<QMessageBox>([&](QMessageBox& box) {
            frage = box.text();
            for (QAbstractButton* b : box.buttons())
                if (b->text() == knopf) b->click();
        });
        l->importieren(datei(ordner, QStringLiteral("l12.txt"), lektion12));
        QVERIFY2(frage.contains(QStringLiteral("Zeile 4: Keine Zahlen, Du...")), qPrintable(frage));
        QVERIFY2(frage.contains(QStringLiteral("Zeile 6: ")), qPrintable(frage));
        QVERIFY2(!frage.contains(QStringLiteral("Zeile 2")), qPrintable(frage));
        QStringList namen;
        for (const QString& z : zeilen(genannt<QListWidget>(l, QStringLiteral("Lektionen"))))
            if (z.startsWith(QStringLiteral("Lektion 12")))
                namen << z.section(QLatin1Char(','), 0, 0);
        QCOMPARE(namen, lektionen);
    }

    // A corrected file of a lesson there is: the pupil is asked; "Ja" updates the lesson
    // (one lesson, its words as the file has them), "Nein" makes a second one.
    void aCorrectedFileUpdatesItsLesson_data() {
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<QStringList>("lektionen");
        QTest::newRow("ja") << "Ja" << QStringList{"Rosen – 2 Wörter"};
        QTest::newRow("nein") << "Nein" << QStringList{"Rosen – 1 Wort", "Rosen (2) – 2 Wörter"};
    }
    void aCorrectedFileUpdatesItsLesson() {
        QFETCH(QString, antwort);
        QFETCH(QStringList, lektionen);
        QTemporaryDir ordner;
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QVERIFY(rosen(l, ordner));
        f.dialoge.push(testing::Answer{antwort.toStdString()});
        QVERIFY(l->importieren(datei(ordner, QStringLiteral("r2.txt"),
                                     "# Rosen\nSUBST rosa, rosae\nSUBST servus, -i\n")));
        QCOMPARE(f.dialoge.calls.back(), std::string("question"));
        QVERIFY2(f.dialoge.messages.back().starts_with("Die Lektion „Rosen“ gibt es schon."),
                 f.dialoge.messages.back().c_str());
        QStringList namen;
        for (const QString& z : zeilen(genannt<QListWidget>(l, QStringLiteral("Lektionen"))))
            if (z.startsWith(QStringLiteral("Rosen"))) namen << z.section(QLatin1Char(','), 0, 0);
        QCOMPARE(namen, lektionen);
    }

    // "Grundwortschatz hinzufügen…" (the lessons list's menu, Ctrl+G) offers the ready lessons
    // in a list; the one chosen joins
    // the pupil's lessons with the dictionary's meanings. The tests' dictionary has twelve
    // words a lesson can hold, *bonus* the most frequent (bonus 2865 in the reference counts).
    void theCoreVocabularyJoinsWithOneCommand() {
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QStringList angeboten;
        testing::answerNext<QInputDialog>([&](QInputDialog& d) {
            angeboten = d.comboBoxItems();
            d.setTextValue(angeboten.value(0));
            d.accept();
        });
        auto* liste = genannt<QListWidget>(l, QStringLiteral("Lektionen"));
        QCOMPARE(liste->contextMenuPolicy(), Qt::ActionsContextMenu);
        QAction* eintrag = nullptr;
        for (QAction* a : liste->actions())
            if (a->text() == QStringLiteral("&Grundwortschatz hinzufügen…")) eintrag = a;
        QVERIFY(eintrag);
        QCOMPARE(eintrag->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
        eintrag->trigger();
        QCOMPARE(angeboten, QStringList{QStringLiteral("Grundwortschatz 1")});
        const QStringList woerter =
            zeilen(genannt<QListWidget>(l, QStringLiteral("Wörter der Lektion")));
        QCOMPARE(woerter.size(), 12);
        QVERIFY2(
            woerter[0].startsWith(QStringLiteral("ADJEKTIV bonus, bona, bonum = gut, tüchtig")),
            qPrintable(woerter[0]));
        QCOMPARE(genannt<QLabel>(l, QStringLiteral("Meldung"))->text(),
                 QStringLiteral("Hinzugefügt: „Grundwortschatz 1“ mit 12 Wörtern."));
    }

    // With no valid line the box says so and only closes; nothing is imported.
    void importWithNoValidLineOnlyCloses() {
        QTemporaryDir ordner;
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QString frage;
        QStringList knoepfe;
        testing::answerNext<QMessageBox>([&](QMessageBox& box) {
            frage = box.text();
            // The details button shows the refused lines; it answers nothing.
            for (QAbstractButton* b : box.buttons())
                if (box.buttonRole(b) != QMessageBox::ActionRole) knoepfe << b->text();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QVERIFY(!l->importieren(datei(ordner, QStringLiteral("z.txt"),
                                      "# Zahlen\nSUBST 12, 13\nSUBST poema, poematis\n")));
        QVERIFY2(frage.contains(QStringLiteral("Zeile 2: Keine Zahlen, Du...")), qPrintable(frage));
        QVERIFY2(frage.endsWith(QStringLiteral("Keine Zeile der Datei ist gültig; nichts wird "
                                               "importiert.")),
                 qPrintable(frage));
        QCOMPARE(knoepfe, QStringList{QStringLiteral("&Schließen")});
        QVERIFY(f.window.lektionen().lektionen().empty());
        QCOMPARE(genannt<QLabel>(l, QStringLiteral("Meldung"))->text(),
                 QStringLiteral("Nichts importiert."));
    }

    // A word typed into SUBST joins the lesson and shows the meaning the tests' dictionary
    // gives it, with the noun's gender; a word the dictionary lacks shows its forms alone.
    void aTypedWordShowsItsMeaning() {
        Fenster f({"rex", "regis", "lupus", "lupi"});
        QVERIFY(f.window.form().click("Befehl1"));
        QVERIFY(f.window.form().click("Befehl1"));
        auto* woerter = genannt<QListWidget>(f.lektionen(), QStringLiteral("Wörter der Lektion"));
        QCOMPARE(woerter->count(), 2);
        QVERIFY2(woerter->item(0)->text().startsWith(
                     QStringLiteral("SUBST rex, regis m. = König; Herrscher – ")),
                 qPrintable(woerter->item(0)->text()));
        QVERIFY2(woerter->item(1)->text().startsWith(QStringLiteral("SUBST lupus, lupi – ")),
                 qPrintable(woerter->item(1)->text()));
        // The dictionary's meaning stands marked until the pupil gives one (F2).
        QVERIFY(woerter->item(0)->font().italic());
        QVERIFY(woerter->item(0)->toolTip().contains(QStringLiteral("aus dem Wörterbuch")));
        QString vorgabe;
        testing::answerNext<QInputDialog>([&](QInputDialog& d) {
            vorgabe = d.textValue();
            d.setTextValue(QStringLiteral(" König "));
            d.accept();
        });
        woerter->setCurrentRow(0);
        f.lektionen()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.lektionen()));
        woerter->setFocus();
        QTest::keyClick(woerter, Qt::Key_F2);
        QCOMPARE(vorgabe, QString());
        QVERIFY2(
            woerter->item(0)->text().startsWith(QStringLiteral("SUBST rex, regis m. = König – ")),
            qPrintable(woerter->item(0)->text()));
        QVERIFY(!woerter->item(0)->font().italic());
        QVERIFY(woerter->item(0)->toolTip().isEmpty());
    }

    // The vocabulary test lists the words that have a meaning, with the gender the lesson
    // file gives; a word no dictionary knows is not asked.
    void vocabularyTestAsksTheWordsWithAMeaning() {
        QTemporaryDir ordner;
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QVERIFY(l->importieren(datei(ordner, QStringLiteral("l13.txt"),
                                     "# Lektion 13\nSUBST rex, regis m. = König\n"
                                     "SUBST lupus, lupi\n")));
        const QString blatt = l->vokabeltest(true);
        QVERIFY2(!blatt.contains(QStringLiteral("lupus")), qPrintable(blatt));
        // The blank column: the meaning stands only among the answers, the forms twice; the
        // other way round, the reverse.
        QCOMPARE(blatt.count(QStringLiteral("König")), 1);
        QCOMPARE(blatt.count(QStringLiteral("rex, regis m.")), 2);
        const QString umgekehrt = l->vokabeltest(false);
        QCOMPARE(umgekehrt.count(QStringLiteral("König")), 2);
        QCOMPARE(umgekehrt.count(QStringLiteral("rex, regis m.")), 1);
    }

    // Opening a word prints exactly what typing it prints.
    void openingAWordPrintsAsTypingIt() {
        QTemporaryDir ordner;
        Fenster getippt({"laudo", "laudare", "laudavi", "laudatus"});
        QVERIFY(getippt.window.form().click("verbum"));
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QVERIFY(l->importieren(datei(ordner, QStringLiteral("v.txt"),
                                     "# Verben\nVERBUM laudo, laudare, laudavi, laudatus\n")));
        auto* woerter = genannt<QListWidget>(l, QStringLiteral("Wörter der Lektion"));
        QCOMPARE(woerter->count(), 1);
        QVERIFY(woerter->item(0)->text().startsWith(
            QStringLiteral("VERBUM laudo, laudare, laudavi, laudatus")));
        woerter->setCurrentRow(0);
        QTest::keyClick(woerter, Qt::Key_Return);
        const auto& a = getippt.window.bild1()->runs();
        const auto& b = f.window.bild1()->runs();
        QVERIFY(!a.empty());
        QCOMPARE(b.size(), a.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            QCOMPARE(b[i].text, a[i].text);
            QCOMPARE(b[i].topLeft, a[i].topLeft);
            QCOMPARE(b[i].colour, a[i].colour);
        }
    }

    void deletingAsksFirst_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("bleiben");
        QTest::newRow("Nein") << int(QMessageBox::No) << 2;
        QTest::newRow("Ja") << int(QMessageBox::Yes) << 1;
    }
    void deletingAsksFirst() {
        QFETCH(int, antwort);
        QFETCH(int, bleiben);
        QTemporaryDir ordner;
        Fenster f({"rosa", "rosae"});
        QVERIFY(f.window.form().click("Befehl1"));
        LektionenWindow* l = f.lektionen();
        QVERIFY(l->importieren(datei(ordner, QStringLiteral("a.txt"), "SUBST amicus, amici\n")));
        auto* liste = genannt<QListWidget>(l, QStringLiteral("Lektionen"));
        QCOMPARE(liste->count(), 2);
        QVERIFY(liste->currentItem()->text().startsWith(QStringLiteral("a – 1 Wort")));
        QString frage;
        testing::answerNext<QMessageBox>([&](QMessageBox& box) {
            frage = box.text();
            box.button(static_cast<QMessageBox::StandardButton>(antwort))->click();
        });
        l->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(l));
        QTest::keyClick(liste, Qt::Key_Delete);
        QVERIFY2(frage.contains(QStringLiteral("„a“")), qPrintable(frage));
        QCOMPARE(liste->count(), bleiben);
        QVERIFY(zeilen(liste).join(' ').contains(QStringLiteral("Meine Wörter")));
    }

    // Removing a word asks first, as deleting a lesson does; No and Escape keep it.
    void removingAWordAsksFirst_data() {
        QTest::addColumn<int>("antwort"); // 0: Escape
        QTest::addColumn<QStringList>("bleiben");
        // rosa shows the meaning and gender the tests' dictionary gives it.
        const QStringList beide{"SUBST rosa, rosae f. = Rose", "SUBST amicus, amici"};
        QTest::newRow("Nein") << int(QMessageBox::No) << beide;
        QTest::newRow("Escape") << 0 << beide;
        QTest::newRow("Ja") << int(QMessageBox::Yes) << QStringList{"SUBST amicus, amici"};
    }
    void removingAWordAsksFirst() {
        QFETCH(int, antwort);
        QFETCH(QStringList, bleiben);
        QTemporaryDir ordner;
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QVERIFY(l->importieren(datei(ordner, QStringLiteral("a.txt"),
                                     "# Nomen\nSUBST rosa, rosae\nSUBST amicus, amici\n")));
        auto* woerter = genannt<QListWidget>(l, QStringLiteral("Wörter der Lektion"));
        woerter->setCurrentRow(0);
        QString frage;
        testing::answerNext<QMessageBox>([&](QMessageBox& box) {
            frage = box.text();
            if (antwort == 0)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.button(static_cast<QMessageBox::StandardButton>(antwort))->click();
        });
        l->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(l));
        woerter->setFocus();
        QTest::keyClick(woerter, Qt::Key_Delete);
        QVERIFY2(frage.startsWith(QStringLiteral("Das Wort „SUBST rosa, rosae“")),
                 qPrintable(frage));
        QStringList woerterDanach;
        for (const QString& z : zeilen(woerter))
            woerterDanach << z.section(QStringLiteral(" – "), 0, 0);
        QCOMPARE(woerterDanach, bleiben);
    }

    // The status line names the lesson as the store keeps it, and a rename says so. Each
    // prompt is wide enough for its whole title: the title in bold and room for an icon and
    // three buttons with their margins, six times the height of a line of text (at four, the
    // window manager cut "Lektion umbenennen" to "Lektio… ennen").
    void statusNamesTheLessonAsKept_data() {
        QTest::addColumn<QString>("neu");
        QTest::addColumn<QString>("angelegt");
        QTest::addColumn<QString>("umbenannt");
        QTest::newRow("Name vergeben") << "Meine Wörter"
                                       << "Lektion „Meine Wörter (2)“ angelegt."
                                       << "Lektion „Meine Wörter (2)“ heißt jetzt „Wiederholung“.";
        QTest::newRow("Name frei") << "Lektion 5"
                                   << "Lektion „Lektion 5“ angelegt."
                                   << "Lektion „Lektion 5“ heißt jetzt „Wiederholung“.";
    }
    void statusNamesTheLessonAsKept() {
        QFETCH(QString, neu);
        QFETCH(QString, angelegt);
        QFETCH(QString, umbenannt);
        Fenster f({"rosa", "rosae"});
        QVERIFY(f.window.form().click("Befehl1"));
        LektionenWindow* l = f.lektionen();
        auto* meldung = genannt<QLabel>(l, QStringLiteral("Meldung"));
        QFont fett = QApplication::font();
        fett.setBold(true);
        const QFontMetrics metrik(fett);
        QStringList zuSchmal;
        const auto tippe = [&](const QString& text) {
            testing::answerNext<QInputDialog>([&, text](QInputDialog& d) {
                if (d.width() < metrik.horizontalAdvance(d.windowTitle()) + 6 * metrik.height())
                    zuSchmal << d.windowTitle();
                d.setTextValue(text);
                d.accept();
            });
        };
        tippe(neu);
        genannt<QPushButton>(l, QStringLiteral("Neu"))->click();
        QCOMPARE(meldung->text(), angelegt);
        tippe(QStringLiteral("Wiederholung"));
        genannt<QPushButton>(l, QStringLiteral("Umbenennen"))->click();
        QCOMPARE(meldung->text(), umbenannt);
        auto* woerter = genannt<QListWidget>(l, QStringLiteral("Wörter der Lektion"));
        genannt<QListWidget>(l, QStringLiteral("Lektionen"))->setCurrentRow(0);
        QCOMPARE(woerter->count(), 1);
        woerter->setCurrentRow(0);
        tippe(QStringLiteral("Wiederholung"));
        genannt<QPushButton>(l, QStringLiteral("Verschieben"))->click();
        QCOMPARE(woerter->count(), 0);
        QCOMPARE(zuSchmal, QStringList());
    }

    // A worksheet of a verb: a line for name and date, the four tense pages with blanks,
    // then the key with every form.
    void worksheetHoldsEveryPageThenTheKey() {
        QTemporaryDir ordner;
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QVERIFY(l->importieren(datei(ordner, QStringLiteral("v.txt"),
                                     "# Verben\nVERBUM laudo, laudare, laudavi, laudatus\n")));
        const QString blatt = l->arbeitsblatt();
        const auto name = blatt.indexOf(QStringLiteral("Name: "));
        const auto datum = blatt.indexOf(QStringLiteral("Datum: "));
        const auto loesung = blatt.indexOf(QStringLiteral("Lösung: Verben"));
        QVERIFY(name > 0 && datum > name && loesung > datum);
        QCOMPARE(blatt.count(QStringLiteral("<table")), 8);
        // laudabatis stands in the key only; its ending is a blank on the sheet.
        QCOMPARE(blatt.indexOf(QStringLiteral(">tis<")) > loesung, true);
        QVERIFY(blatt.indexOf(QStringLiteral("laudaba")) < loesung);
        QVERIFY(blatt.contains(QStringLiteral("PF.PLQPF.F2.PASS:")));
    }

    // The kind "Bedeutung" asks the word's meaning: an article does not count, one letter off
    // in a short word does.
    void theMeaningDrillAsksTheDictionarysMeaning() {
        QTemporaryDir ordner;
        Fenster f;
        UebenWindow* u = rosenUeben(f, f.lektionen(), ordner);
        QVERIFY(u);
        auto* art = genannt<QComboBox>(u, QStringLiteral("Art der Frage"));
        art->setCurrentIndex(art->findText(QStringLiteral("Bedeutung")));
        QCOMPARE(genannt<QLabel>(u, QStringLiteral("Frage"))->text(),
                 QStringLiteral("Was heißt rosa, rosae?"));
        auto* antwort = genannt<QLineEdit>(u, QStringLiteral("Antwort"));
        auto* urteil = genannt<QLabel>(u, QStringLiteral("Ergebnis"));
        antwort->setText(QStringLiteral("die Rose"));
        QTest::keyClick(antwort, Qt::Key_Return);
        QCOMPARE(urteil->accessibleDescription(), QStringLiteral("Richtig! Rose"));
        art->setCurrentIndex(art->findText(QStringLiteral("Lateinisch")));
        QCOMPARE(genannt<QLabel>(u, QStringLiteral("Frage"))->text(),
                 QStringLiteral("Lateinisch für „Rose“ (Substantiv: Nominativ, Genitiv)"));
        antwort->setText(QStringLiteral("rosa, rosa"));
        QTest::keyClick(antwort, Qt::Key_Return);
        QCOMPARE(urteil->accessibleDescription(), QStringLiteral("Falsch: rosa, rosae"));
    }

    // With lessons the drill starts on what is due today; every answer is stored, so ENDE
    // with the drill open loses nothing and the next start finds the day practised.
    void drillOverDueCellsKeepsItsAnswersAcrossEnde() {
        QTemporaryDir ordner;
        {
            Fenster f;
            LektionenWindow* l = f.lektionen();
            UebenWindow* u = rosenUeben(f, l, ordner);
            QVERIFY(u);
            QCOMPARE(genannt<QComboBox>(u, QStringLiteral("Üben über"))->currentText(),
                     QStringLiteral("was heute fällig ist"));
            auto* faellig = genannt<QLabel>(u, QStringLiteral("Heute fällig"));
            QVERIFY2(faellig->text().startsWith(QStringLiteral("Heute fällig: ")),
                     qPrintable(faellig->text()));
            const QString frage = genannt<QLabel>(u, QStringLiteral("Frage"))->text();
            QVERIFY2(frage.contains(QStringLiteral("rosa")), qPrintable(frage));
            auto* antwort = genannt<QLineEdit>(u, QStringLiteral("Antwort"));
            antwort->setText(QStringLiteral("rosis"));
            QTest::keyClick(antwort, Qt::Key_Return);
            genannt<QPushButton>(u, QStringLiteral("Lösung zeigen"))->click();
            QVERIFY(f.window.form().click("Befehl2"));
            QCOMPARE(f.dialoge.calls.back(), std::string("end"));
        }
        Fenster wieder;
        LektionenWindow* l = wieder.lektionen();
        auto* tage = genannt<QTreeWidget>(l, QStringLiteral("Geübt"));
        auto* liste = genannt<QListWidget>(l, QStringLiteral("Lektionen"));
        // Two cells asked, both answered wrong: practised, none right, none secure. rosa's
        // 12 cells and its two meaning cards (the dictionary's "Rose") are its forms.
        QCOMPARE(liste->item(1)->text(),
                 QStringLiteral("Rosen – 1 Wort, 14 Formen: 2 geübt, 0 richtig, 0 sicher"));
        liste->setCurrentRow(1);
        QCOMPARE(tage->topLevelItemCount(), 1);
        QCOMPARE(tage->topLevelItem(0)->text(1), QStringLiteral("2"));
    }

    // F6 drills the current lesson, whatever "Üben über" said before; F5 stays free.
    void f6DrillsTheCurrentLesson() {
        QTemporaryDir ordner;
        Fenster f;
        QVERIFY(rosen(f.lektionen(), ordner));
        Lektionen& l = f.window.lektionen();
        QVERIFY(l.setAktuelle(l.lektionen().back().id));
        auto* aktion = f.window.findChild<QAction*>(QStringLiteral("lektionUebenAktion"));
        QVERIFY(aktion);
        QCOMPARE(aktion->shortcut(), QKeySequence(Qt::Key_F6));
        std::set<QKeySequence> tasten;
        for (const QAction* a : f.window.findChildren<QAction*>())
            if (!a->shortcut().isEmpty())
                QVERIFY2(tasten.insert(a->shortcut()).second, qPrintable(a->shortcut().toString()));
        aktion->trigger();
        UebenWindow* u = f.window.uebenWindow();
        QVERIFY(u && u->isVisible());
        QCOMPARE(genannt<QComboBox>(u, QStringLiteral("Üben über"))->currentText(),
                 QStringLiteral("Lektion „Rosen“"));
        // A dictionary form that is the answer reads as ___: the class names the word.
        QVERIFY(genannt<QLabel>(u, QStringLiteral("Frage"))
                    ->text()
                    .contains(QStringLiteral("SUBSTANTIV der A - Deklination")));
    }

    // A lesson leaves as a lesson file a teacher can read, and as cards for Anki.
    void exportWritesTheLessonFileAndTheCards() {
        QTemporaryDir ordner;
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QVERIFY(
            l->importieren(datei(ordner, QStringLiteral("r.txt"),
                                 "# Rosen\n\nSUBST rosa, rosae\nADJEKTIV bonus, bona, bonum\n")));
        QVERIFY(l->exportieren(ordner.filePath(QStringLiteral("aus.txt"))));
        QFile aus(ordner.filePath(QStringLiteral("aus.txt")));
        QVERIFY(aus.open(QIODevice::ReadOnly));
        const QStringList zeilen = QString::fromUtf8(aus.readAll()).split(QLatin1Char('\n'));
        QVERIFY(zeilen.contains(QStringLiteral("# Rosen")));
        // With gender and meaning as the tests' dictionary gives them.
        QVERIFY(zeilen.contains(QStringLiteral("SUBST rosa, rosae f. = Rose")));
        QVERIFY(zeilen.contains(QStringLiteral("ADJEKTIV bonus, bona, bonum = gut, tüchtig")));
        QVERIFY(l->ankiExportieren(ordner.filePath(QStringLiteral("anki.txt"))));
        QFile karten(ordner.filePath(QStringLiteral("anki.txt")));
        QVERIFY(karten.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(karten.readAll());
        // A card a line (after Anki's "#" header lines): question, tab, answer; rosarum as stem
        // and ending in colour.
        bool rosarum = false;
        for (const QString& karte : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (karte.startsWith(QLatin1Char('#'))) continue;
            QCOMPARE(karte.count(QLatin1Char('\t')), 1);
            rosarum = rosarum || (karte.contains(QStringLiteral("Genitiv Plural\t")) &&
                                  karte.contains(QStringLiteral(">ros</span>")) &&
                                  karte.contains(QStringLiteral(">arum</span>")));
        }
        QVERIFY2(rosarum, qPrintable(text.left(400)));
    }

    // After the worksheet is saved as a PDF the status line says where, not the last message.
    void printingTheWorksheetSaysSo() {
        QTemporaryDir ordner;
        Fenster f;
        LektionenWindow* l = f.lektionen();
        QVERIFY(rosen(l, ordner));
        QVERIFY(l->ankiExportieren(ordner.filePath(QStringLiteral("anki.txt"))));
        const QString ziel = ordner.filePath(QStringLiteral("blatt.pdf"));
        testing::answerNext<QPrintDialog>([&](QPrintDialog& d) {
            d.printer()->setOutputFormat(QPrinter::PdfFormat);
            d.printer()->setOutputFileName(ziel);
            d.done(QDialog::Accepted); // as set here, not as the dialog's fields say
        });
        genannt<QPushButton>(l, QStringLiteral("Arbeitsblatt drucken"))->click();
        QVERIFY(QFileInfo(ziel).size() > 0);
        QCOMPARE(genannt<QLabel>(l, QStringLiteral("Meldung"))->text(),
                 QStringLiteral("Arbeitsblatt gespeichert in ") + ziel);
    }

    // A file in the data folder that is not this program's: the pupil reads why in a box,
    // the file is kept aside and the word is stored in a fresh database.
    void aForeignFileIsShownAndKeptAside() {
        QDir().mkpath(daten_.dir().filePath(QStringLiteral("lektionen_test")));
        const QString pfad =
            daten_.dir().filePath(QStringLiteral("lektionen_test/lektionen.sqlite"));
        datei(daten_.dir(), QStringLiteral("lektionen_test/lektionen.sqlite"),
              "Einkaufsliste: Brot");
        Fenster f({"rosa", "rosae"});
        QVERIFY(f.window.form().click("Befehl1"));
        f.window.findChild<QPushButton*>(QStringLiteral("Befehl1"))->click();
        QVERIFY(!f.dialoge.messages.empty());
        bool gezeigt = false;
        for (const std::string& m : f.dialoge.messages)
            gezeigt = gezeigt || m.starts_with("Die Datei der Lektionen war beschädigt");
        QVERIFY(gezeigt);
        QStringList beiseite = QDir(daten_.dir().filePath(QStringLiteral("lektionen_test")))
                                   .entryList({QStringLiteral("lektionen.sqlite.*")});
        QVERIFY2(!beiseite.isEmpty(), qPrintable(QFileInfo(pfad).absolutePath()));
    }

    // amicus, amicis (a typo) declined in the consonant declension: the hint line warns, and
    // the page joins no lesson and no drill until the pupil adds it from the pane's menu.
    void aPageThatDoesNotFitJoinsOnlyOnPurpose() {
        Fenster f({"amicus", "amicis"});
        QVERIFY(f.window.form().click("Befehl1"));
        QVERIFY(!f.window.hinweis()->text().isEmpty());
        f.window.ueben();
        UebenWindow* u = f.window.uebenWindow();
        QVERIFY(u);
        QVERIFY(!u->uebung().frage());
        QVERIFY(f.window.lektionen().lektionen().empty());
        QAction* hinzufuegen = nullptr;
        for (QAction* a : f.window.paneMenu()->menu()->actions())
            if (a->text() == QStringLiteral("&Zur Lektion hinzufügen")) hinzufuegen = a;
        QVERIFY(hinzufuegen && hinzufuegen->isEnabled());
        hinzufuegen->trigger();
        QCOMPARE(f.dialoge.messages.back(),
                 std::string("Das Wort ist jetzt in der Lektion „Meine Wörter“."));
        u->setUmfang(Lektionen::Umfang::lauf);
        QVERIFY(u->uebung().frage());
        QVERIFY(u->uebung().frage()->wort().starts_with("amicus, amicis"));
    }

    // Removed from the drill: the lesson keeps the word, the drill does not ask it.
    void aWordLeftOutOfTheDrillStaysInItsLesson() {
        QTemporaryDir ordner;
        Fenster f;
        LektionenWindow* l = f.lektionen();
        UebenWindow* u = rosenUeben(f, l, ordner);
        QVERIFY(u);
        genannt<QPushButton>(u, QStringLiteral("Wort weglassen"))->click();
        QVERIFY(!u->uebung().frage());
        l->aktualisieren();
        auto* woerter = genannt<QListWidget>(l, QStringLiteral("Wörter der Lektion"));
        QCOMPARE(woerter->count(), 1);
        QVERIFY2(woerter->item(0)->text().endsWith(QStringLiteral("wird nicht geübt")),
                 qPrintable(woerter->item(0)->text()));
        QVERIFY(!genannt<QPushButton>(l, QStringLiteral("Üben"))->isChecked());
    }
};

QTEST_MAIN(LektionenTest)
#include "lektionen_test.moc"
