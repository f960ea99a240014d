// SPDX-License-Identifier: GPL-3.0-or-later
#include "modal.h"
#include "widgets/noteswindow.h"
#include "widgets/qtdeutsch.h"
#include "widgets/qtdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QtTest>

using namespace latiflex;

using testing::answerNext;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void qtSpeaksGerman();
    void promptReturnsTypedText();
    void promptCancelAndEmptyOkGiveEmptyText();
    void messageBoxShowsTitleTextAndIcon();
    void messageBoxIsWiderThanItsTitle_data();
    void messageBoxIsWiderThanItsTitle();
    void boxesBelongToTheWindowInFocus();
    void colourDialogStartsWithGivenColour();
    void notesWindowIsCreatedOnce();

private:
    QWidget mainWindow_;
    QtDialogs dialoge_{&mainWindow_};
};

void DialogsTest::initTestCase() {
    QLocale::setDefault(QLocale::English); // the program speaks German whatever the locale
    QVERIFY(installQtDeutsch(*QCoreApplication::instance()));
}

// Texts that Qt draws itself: the colour dialog's labels and buttons, a text field's menu.
void DialogsTest::qtSpeaksGerman() {
    QColorDialog colours;
    colours.setOption(QColorDialog::DontUseNativeDialog);
    QStringList texts;
    for (const QLabel* label : colours.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : colours.findChildren<QAbstractButton*>())
        texts << button->text();
    QVERIFY2(texts.contains(QStringLiteral("Grundfar&ben")), qPrintable(texts.join('|')));
    QVERIFY2(texts.contains(QStringLiteral("Abbrechen")), qPrintable(texts.join('|')));

    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries << action->text();
    QVERIFY2(!entries.filter(QRegularExpression(QStringLiteral("^&Kopieren\\b"))).isEmpty(),
             qPrintable(entries.join('|')));
}

void DialogsTest::promptReturnsTypedText() {
    QString title, label;
    answerNext<QInputDialog>([&](QInputDialog& d) {
        title = d.windowTitle();
        label = d.labelText();
        QCOMPARE(d.textValue(), QString());
        d.setTextValue(QStringLiteral("rosā"));
        d.accept();
    });
    QCOMPARE(dialoge_.inputBox("Substantiv im Nom. eingeben: ", "1.Sg."), std::string("rosā"));
    QCOMPARE(title, QStringLiteral("1.Sg."));
    QCOMPARE(label, QStringLiteral("Substantiv im Nom. eingeben: "));
}

void DialogsTest::promptCancelAndEmptyOkGiveEmptyText() {
    answerNext<QInputDialog>([](QInputDialog& d) {
        d.setTextValue(QStringLiteral("typed, then cancelled"));
        d.reject();
    });
    QCOMPARE(dialoge_.inputBox("m", "t"), std::string());
    answerNext<QInputDialog>([](QInputDialog& d) { d.accept(); });
    QCOMPARE(dialoge_.inputBox("m", "t"), std::string());
}

void DialogsTest::messageBoxShowsTitleTextAndIcon() {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answerNext<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        QCOMPARE(box.buttons().size(), 1);
        box.button(QMessageBox::Ok)->click();
    });
    dialoge_.messageBox("Unregelmäßig: nicht vorhanden", exclamation, "FEHLT");
    QCOMPARE(title, QStringLiteral("FEHLT"));
    QCOMPARE(text, QStringLiteral("Unregelmäßig: nicht vorhanden"));
    QCOMPARE(icon, QMessageBox::Warning);
}

void DialogsTest::messageBoxIsWiderThanItsTitle_data() {
    QTest::addColumn<QString>("title");
    QTest::newRow("DEPONENS") << "DEPONENS";
    QTest::newRow("EINGABEFEHLER ?") << "EINGABEFEHLER ?";
}

// A title bar needs the title in bold and room for an icon and three buttons: at least
// four times the height of a line of text.
void DialogsTest::messageBoxIsWiderThanItsTitle() {
    QFETCH(QString, title);
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int width = 0;
    answerNext<QMessageBox>([&](QMessageBox& box) {
        width = box.width();
        box.button(QMessageBox::Ok)->click();
    });
    dialoge_.messageBox("Kein Eintrag", 48, title.toStdString());
    QVERIFY2(width >= metrics.horizontalAdvance(title) + 4 * metrics.height(),
             qPrintable(QString::number(width)));
}

// A box belongs to the window the pupil works in, so closing it gives that window the focus
// back: not the main window behind a window of its own ("Lektionen"), not a prompt.
void DialogsTest::boxesBelongToTheWindowInFocus() {
    QWidget haupt;
    QtDialogs dialoge(&haupt);
    auto* knopf = new QLineEdit(&haupt);
    QDialog lektionen(&haupt);
    auto* liste = new QLineEdit(&lektionen);
    haupt.show();
    lektionen.show();
    QWidget* eltern = nullptr;
    const auto box = [&] {
        eltern = nullptr;
        answerNext<QMessageBox>([&](QMessageBox& b) {
            eltern = b.parentWidget();
            b.button(QMessageBox::Ok)->click();
        });
        dialoge.messageBox("Die Datei enthält kein Wort.", exclamation, "LEKTIONEN");
        return eltern;
    };
    lektionen.activateWindow();
    liste->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&lektionen));
    QCOMPARE(box(), &lektionen);
    // A second box after the first still belongs to the lessons window.
    QCOMPARE(box(), &lektionen);
    haupt.activateWindow();
    knopf->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&haupt));
    QCOMPARE(box(), &haupt);
    lektionen.activateWindow();
    liste->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&lektionen));
    lektionen.hide();
    QCOMPARE(box(), &haupt);
}

void DialogsTest::colourDialogStartsWithGivenColour() {
    QColor initial;
    answerNext<QColorDialog>([&](QColorDialog& d) {
        initial = d.currentColor();
        d.setCurrentColor(QColor(10, 20, 30));
        d.accept();
    });
    QCOMPARE(dialoge_.chooseColour({1, 2, 3}), std::optional<Rgb>(Rgb{10, 20, 30}));
    QCOMPARE(initial, QColor(1, 2, 3));
    answerNext<QColorDialog>([](QColorDialog& d) { d.reject(); });
    QCOMPARE(dialoge_.chooseColour({1, 2, 3}), std::optional<Rgb>());
}

void DialogsTest::notesWindowIsCreatedOnce() {
    QVERIFY(!dialoge_.notes());
    dialoge_.showNotes();
    NotesWindow* first = dialoge_.notes();
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("LATIFLEX2"));
    dialoge_.setNotesText("eins\r\nzwei");
    QCOMPARE(first->text1()->toPlainText(), QStringLiteral("eins\nzwei"));
    dialoge_.hideNotes();
    QVERIFY(!first->isVisible());
    dialoge_.showNotes();
    QCOMPARE(dialoge_.notes(), first);
    QVERIFY(first->isVisible());
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
