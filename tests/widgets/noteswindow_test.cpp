// SPDX-License-Identifier: GPL-3.0-or-later
#include "modal.h"
#include "widgets/mainwindow.h"
#include "widgets/noteswindow.h"
#include "widgets/panewidget.h"

#include <QColorDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace latiflex;

class NotesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void notesShowTheirSevenLinesInOneWindow();
    void mainWindowStaysUsable();
    void zurueckHidesTheNotes();
    void keyboardReachesZurueckAndEscapeGoesBack();
    void farbenPaintsTheNewBackground();
    void endeClosesBothWindows();
    void aLowWindowKeepsZurueckInView();

private:
    void click(const char* button) {
        QTest::mouseClick(window_->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    std::unique_ptr<MainWindow> window_;
};

void NotesWindowTest::init() {
    window_ = std::make_unique<MainWindow>();
    window_->show();
}

void NotesWindowTest::notesShowTheirSevenLinesInOneWindow() {
    click("Befehl3");
    NotesWindow* notes = window_->dialoge().notes();
    QVERIFY(notes && notes->isVisible());
    click("Befehl3");
    QCOMPARE(window_->dialoge().notes(), notes);
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows += qobject_cast<NotesWindow*>(w) != nullptr;
    QCOMPARE(windows, 1);

    QCOMPARE(notes->windowTitle(), QStringLiteral("LATIFLEX2"));
    QVERIFY(!notes->parentWidget()); // no owner: the main window stays in front when clicked
    const QStringList lines = notes->text1()->toPlainText().split('\n');
    QCOMPARE(lines.size(), 7); // replaced, not appended
    QCOMPARE(lines.first(), QStringLiteral("ANMERKUNGEN"));
    QCOMPARE(lines[2], QStringLiteral("Bei den Substantiven sind für Neutra auf -or, -oris nur "
                                      "\"marmor\" eingetragen."));
    QCOMPARE(lines.last(),
             QStringLiteral("Viel Erfolg wünscht Dr.Erika Mustermann, 12345 Musterstadt."));
    QCOMPARE(notes->text1()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(notes->text1()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The window opens large enough for the text box and the button.
    QVERIFY(notes->rect().contains(notes->text1()->geometry()));
    QVERIFY(notes->rect().contains(notes->command1()->geometry()));
    QCOMPARE(notes->command1()->text(), QStringLiteral("ZURÜCK"));
}

void NotesWindowTest::mainWindowStaysUsable() {
    click("Befehl3");
    QTest::mouseClick(window_->bild1(), Qt::LeftButton);
    QCOMPARE(window_->bild1()->runs().size(), 1u);
    QVERIFY(window_->dialoge().notes()->isVisible());
}

void NotesWindowTest::zurueckHidesTheNotes() {
    click("Befehl3");
    NotesWindow* notes = window_->dialoge().notes();
    QTest::mouseClick(notes->command1(), Qt::LeftButton);
    QVERIFY(!notes->isVisible());
    click("Befehl3");
    QCOMPARE(window_->dialoge().notes(), notes);
    QVERIFY(notes->isVisible());
}

// Tab leaves the notes for ZURÜCK instead of typing a tab; Escape goes back as ZURÜCK does.
void NotesWindowTest::keyboardReachesZurueckAndEscapeGoesBack() {
    click("Befehl3");
    NotesWindow* notes = window_->dialoge().notes();
    const QString text = notes->text1()->toPlainText();
    notes->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(notes)); // shortcuts reach active windows only
    notes->text1()->setFocus();
    QTest::keyClick(notes->text1(), Qt::Key_Tab);
    QCOMPARE(notes->text1()->toPlainText(), text);
    QCOMPARE(notes->focusWidget(), notes->command1());
    QTest::keyClick(notes->command1(), Qt::Key_Escape);
    QVERIFY(!notes->isVisible());
}

void NotesWindowTest::farbenPaintsTheNewBackground() {
    PaneWidget* pane = window_->bild1();
    QTest::mouseClick(pane, Qt::LeftButton);
    QColor initial;
    testing::answerNext<QColorDialog>([&](QColorDialog& d) {
        initial = d.currentColor();
        d.setCurrentColor(QColor(0, 128, 128));
        d.accept();
    });
    click("cmdfarb");
    QCOMPARE(initial, QColor(Qt::black));
    QVERIFY(pane->runs().empty()); // erased
    const QImage image = pane->grab().toImage();
    QCOMPARE(image.pixelColor(pane->rect().center()), QColor(0, 128, 128));
    QCOMPARE(image.pixelColor(pane->origin() + QPoint(2, 2)), QColor(0, 128, 128));

    testing::answerNext<QColorDialog>([&](QColorDialog& d) {
        initial = d.currentColor();
        d.reject();
    });
    click("cmdfarb");
    QCOMPARE(initial, QColor(0, 128, 128)); // the last choice, not the default
    QCOMPARE(pane->background(), QColor(0, 128, 128));
    pane->clear();
    QCOMPARE(pane->grab().toImage().pixelColor(pane->rect().center()), QColor(0, 128, 128));
}

void NotesWindowTest::endeClosesBothWindows() {
    click("Befehl3");
    NotesWindow* notes = window_->dialoge().notes();
    QVERIFY(notes->isVisible());
    click("Befehl2");
    QVERIFY(!notes->isVisible());
    QVERIFY(!window_->isVisible());
}

// On a screen too small for the designed window the button moves up below the text box;
// where there is room, it stays where it was designed (7080 twips down: 472 pixels).
void NotesWindowTest::aLowWindowKeepsZurueckInView() {
    NotesWindow notes;
    notes.show();
    notes.resize(notes.width(), 400);
    const QRect knopf = notes.command1()->geometry();
    QVERIFY(knopf.bottom() < notes.height());
    QVERIFY(knopf.top() > notes.text1()->geometry().bottom());
    notes.resize(notes.width(), 600);
    QCOMPARE(notes.command1()->y(), 472);
}

QTEST_MAIN(NotesWindowTest)
#include "noteswindow_test.moc"
