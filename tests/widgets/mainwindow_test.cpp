// SPDX-License-Identifier: GPL-3.0-or-later
#include "designedbuttons.h"
#include "pixelcolour.h"
#include "recorder.h"
#include "shell/form1.h"
#include "widgets/fokusstil.h"
#include "widgets/mainwindow.h"
#include "widgets/panewidget.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

using namespace latiflex;

namespace {

QRect twips(const QWidget& w, int left, int top, int width, int height) {
    return twipsRect(w, left, top, width, height);
}

// Whether some pixel in `area` is clearly of `colour`.
bool hasPixelOf(const QImage& image, const QRect& area, QColor colour) {
    return testing::hasPixelOf(image, area, colour, 90);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void windowAndPane();
    void tabOrder();
    void keyboardStartsOnSubst();
    void keyPressesFocusedButton_data();
    void keyPressesFocusedButton();
    void declinedNounShowsBothColours();
    void verbPageHasTwoBlocks();
    void columnsAreArials();
    void pagesStandInsidePane_data();
    void pagesStandInsidePane();
    void displayListSurvivesRepaint();
    void longWordLooksAsIfDrawnWhole();
    void paneClickPrintsWarning();
    void focusIsFramedClearly_data();
    void focusIsFramedClearly();
};

void MainWindowTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("designed");
    for (const testing::DesignedButton& b : testing::designedButtons)
        QTest::newRow(b.caption) << QString(b.name) << QString(b.caption) << b.twips;
}

void MainWindowTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, designed);
    MainWindow window;
    auto* button = window.findChild<QPushButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(),
             twips(window, designed.x(), designed.y(), designed.width(), designed.height()));
    if (name == "Befehl3") {
        QCOMPARE(button->font().family(), QStringLiteral("Arial"));
        QCOMPARE(button->font().pointSize(), 24);
    } else {
        QCOMPARE(button->font(), window.font());
    }
}

void MainWindowTest::windowAndPane() {
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("LATIFLEX 1 "));
    QCOMPARE(window.size(), twips(window, 0, 0, 11145, 6540).size());
    window.dialoge().setOuterSize(11265, 6945); // as start-up does: the frame is the platform's
    QCOMPARE(window.size(), twips(window, 0, 0, 11145, 6540).size());
    PaneWidget* pane = window.bild1();
    QCOMPARE(pane->objectName(), QStringLiteral("Bild1"));
    QCOMPARE(pane->geometry(), twips(window, 840, 360, 6615, 5415));
    QCOMPARE(pane->font().family(), QStringLiteral("Arial"));
    QCOMPARE(pane->font().pointSize(), 12);
    QCOMPARE(pane->background(), QColor(Qt::white));
}

void MainWindowTest::tabOrder() {
    MainWindow window;
    QStringList expected;
    for (const testing::DesignedButton& b : testing::designedButtons)
        expected << b.name;
    expected << "Bild1"
             << "Befehl1"; // the pane, then round to the first button
    auto* w = window.findChild<QWidget*>("Befehl1");
    for (const QString& name : expected) {
        QCOMPARE(w->objectName(), name);
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus)); // the window itself takes no focus
    }
}

void MainWindowTest::keyboardStartsOnSubst() {
    testing::ScriptedDialogs dialoge;
    MainWindow window(&dialoge);
    window.start();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Befehl1"));
}

void MainWindowTest::keyPressesFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("pressed");
    QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << true;
    QTest::newRow("ctrl+Return") << int(Qt::Key_Return)
                                 << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("a letter") << int(Qt::Key_A) << Qt::KeyboardModifiers() << false;
}

// "SUBST" asks for the nominative first: a prompt shows that the button was pressed.
void MainWindowTest::keyPressesFocusedButton() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, pressed);
    testing::ScriptedDialogs dialoge;
    MainWindow window(&dialoge);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* subst = window.findChild<QPushButton*>("Befehl1");
    subst->setFocus();
    QTest::keyClick(subst, Qt::Key(key), modifiers);
    QCOMPARE(std::count(dialoge.calls.begin(), dialoge.calls.end(), "prompt") > 0, pressed);
}

void MainWindowTest::declinedNounShowsBothColours() {
    PaneWidget pane;
    pane.resize(pane.sizeHint());
    testing::ScriptedDialogs dialoge({"9", "12", "rosa", "rosae"});
    Form1 form(pane, dialoge);
    form.Form_Load();
    form.Befehl1_Click();
    QCOMPARE(pane.runs().size(), 1u + 24u); // heading, then stem and ending of 12 forms

    const QImage image = pane.grab().toImage();
    const qreal column5 = pane.origin().x() + 4 * pane.columnWidth();
    const int stemWidth = qCeil(QFontMetricsF(pane.font()).horizontalAdvance("ros"));
    const int top = qRound(pane.origin().y() + pane.lineHeight()); // first row under the heading
    const int height = qRound(pane.lineHeight());
    const QRect stem(qRound(column5), top, stemWidth - 1, height);
    const QRect ending(qRound(column5) + stemWidth + 1, top, 8, height);
    QVERIFY(hasPixelOf(image, stem, QColor(0, 0, 255)));
    QVERIFY(!hasPixelOf(image, stem, QColor(255, 0, 0)));
    QVERIFY(hasPixelOf(image, ending, QColor(255, 0, 0)));
    QVERIFY(!hasPixelOf(image, ending, QColor(0, 0, 255)));

    // The plural starts at 250 twips, beside the first singular rows, at column 25.
    const auto& plural = pane.runs()[13];
    QCOMPARE(plural.text, QStringLiteral("ros"));
    QCOMPARE(plural.topLeft,
             QPointF(24 * pane.columnWidth(), twipsToPixels(250, pane.logicalDpiY())));
}

void MainWindowTest::verbPageHasTwoBlocks() {
    PaneWidget pane;
    pane.resize(pane.sizeHint());
    testing::ScriptedDialogs dialoge({"9", "12", "amo", "amare", "amavi", "amatus"});
    Form1 form(pane, dialoge);
    form.Form_Load();
    form.verbum_Click();
    form.prakt_Click();
    QVERIFY(dialoge.messages.size() == 2); // greeting and warning only

    const QImage image = pane.grab().toImage();
    const int left = qRound(pane.origin().x() + 4 * pane.columnWidth());
    const int line = qRound(pane.lineHeight());
    const int subjunctive = pane.origin().y() + twipsToPixels(1900, pane.logicalDpiY());
    const auto row = [&](int top) { return QRect(left, top, 40, line - 2); };
    // Indicative: heading on the first line, the six persons below it in both colours.
    QVERIFY(hasPixelOf(image, row(pane.origin().y()), QColor(0, 0, 0)));
    QVERIFY(hasPixelOf(image, row(pane.origin().y() + line), QColor(0, 0, 255)));
    QVERIFY(hasPixelOf(image, row(pane.origin().y() + 6 * line), QColor(255, 0, 0)));
    // The subjunctive heading stands at 1900 twips, below the indicative block's last line.
    const auto heading = std::find_if(pane.runs().begin(), pane.runs().end(),
                                      [](const auto& run) { return run.text == "PRAES.KON.AKT."; });
    QVERIFY(heading != pane.runs().end());
    QCOMPARE(heading->topLeft, QPointF(4 * pane.columnWidth(), subjunctive - pane.origin().y()));
    QVERIFY(7 * pane.lineHeight() <= heading->topLeft.y());
    // Subjunctive: heading at 1900 twips in the ending colour left by the forms, then forms.
    QVERIFY(hasPixelOf(image, row(subjunctive), QColor(255, 0, 0)));
    QVERIFY(hasPixelOf(image, row(subjunctive + line), QColor(0, 0, 255)));
}

// Arial's average character width as published in its OS/2 table, 904 units of its
// 2048-unit em: the figure the page layout was made for.
void MainWindowTest::columnsAreArials() {
    PaneWidget pane;
    const qreal pixelSize = 12 * pane.logicalDpiY() / 72.0;
    const qreal arial = 904.0 / 2048.0 * pixelSize;
    QVERIFY2(std::abs(pane.columnWidth() - arial) < 0.1,
             qPrintable(
                 QStringLiteral("column %1 px, Arial's %2 px").arg(pane.columnWidth()).arg(arial)));
    if (pane.logicalDpiY() == 96) {
        QVERIFY(std::abs(4 * pane.columnWidth() - 28) <= 1);
        QVERIFY(std::abs(24 * pane.columnWidth() - 170) <= 1);
        QVERIFY(std::abs(44 * pane.columnWidth() - 311) <= 1);
    }
}

void MainWindowTest::pagesStandInsidePane_data() {
    QTest::addColumn<QString>("click");
    QTest::addColumn<QStringList>("answers");
    const QStringList bonus{"bonus", "bona", "bonum"};
    const QStringList amo{"amo", "amare", "amavi", "amatus"};
    const QStringList audio{"audio", "audire", "audivi", "auditus"};
    QTest::newRow("ADJEKTIV bonus") << "Befehl4" << bonus;
    QTest::newRow("ADJEKTIV celeber") << "Befehl4" << QStringList{"celeber", "celebris", "celebre"};
    QTest::newRow("PR.IMP.F1. AKT.") << "prakt" << amo;
    QTest::newRow("PR.IMP.F1. PASS.") << "prpass" << amo;
    QTest::newRow("PF.PLQPF.F2. AKT.") << "perfakt" << amo;
    QTest::newRow("PF.PLQPF.F2.PASS:") << "perfpass" << amo;
    QTest::newRow("PR.IMP.F1. PASS. audio") << "prpass" << audio;
    QTest::newRow("PF.PLQPF.F2.PASS: audio") << "perfpass" << audio;
}

// Every text of a page lies wholly inside the pane, the third column included.
void MainWindowTest::pagesStandInsidePane() {
    QFETCH(QString, click);
    QFETCH(QStringList, answers);
    PaneWidget pane;
    pane.resize(pane.sizeHint());
    std::deque<std::string> script{"9", "12"};
    for (const QString& a : answers)
        script.push_back(a.toStdString());
    testing::ScriptedDialogs dialoge(script);
    Form1 form(pane, dialoge);
    form.Form_Load();
    if (click != "Befehl4") form.verbum_Click();
    QVERIFY(form.click(click.toStdString()));
    QCOMPARE(dialoge.messages.size(), 2u); // greeting and warning only
    const qreal right = pane.contentsRect().width();
    bool thirdColumn = false;
    for (const auto& run : pane.runs()) {
        thirdColumn = thirdColumn || qFuzzyCompare(run.topLeft.x(), 44 * pane.columnWidth());
        // Column 45 and the pane's designed width leave 18 columns: the perfect passive's
        // third heading is wider and is cut at the edge, as it was where the layout comes from.
        if (run.text == "FUTUR.IND.PASS.") continue;
        QVERIFY2(run.topLeft.x() + run.advance < right - 1,
                 qPrintable(QStringLiteral("\"%1\" ends at %2 px of %3")
                                .arg(run.text)
                                .arg(run.topLeft.x() + run.advance)
                                .arg(right)));
    }
    QVERIFY(thirdColumn);
}

void MainWindowTest::displayListSurvivesRepaint() {
    PaneWidget pane;
    pane.resize(pane.sizeHint());
    pane.setForeground({0, 0x80, 0});
    pane.text("templum");
    const QImage before = pane.grab().toImage();
    pane.repaint();
    pane.hide();
    pane.show();
    QCOMPARE(pane.grab().toImage(), before);
    pane.clear();
    QVERIFY(pane.runs().empty());
    QVERIFY(pane.grab().toImage() != before);
}

void MainWindowTest::longWordLooksAsIfDrawnWhole() {
    PaneWidget pane;
    pane.resize(pane.sizeHint());
    // Zero-width marks first, so the visible letters start only after many characters.
    QString word = QString(300, QChar(0x0301));
    for (int i = 0; i < 400; ++i)
        word += QChar(u'a' + i % 26);
    word += QStringLiteral("\u0301us");
    const auto render = [&pane] {
        QImage image(pane.size(), QImage::Format_ARGB32_Premultiplied);
        pane.render(&image);
        return image;
    };
    QImage expected = render();
    {
        QPainter painter(&expected);
        painter.setClipRect(pane.contentsRect());
        painter.setFont(pane.font());
        painter.setPen(Qt::black);
        painter.drawText(QPointF(pane.origin()) + QPointF(0, QFontMetricsF(pane.font()).ascent()),
                         word);
    }
    pane.text(word.toStdString());
    QVERIFY(pane.runs().front().shown < word.size()); // most of it is never drawn
    QCOMPARE(render(), expected);
}

void MainWindowTest::paneClickPrintsWarning() {
    MainWindow window;
    window.show();
    QTest::mouseClick(window.bild1(), Qt::LeftButton);
    QTest::mouseClick(window.bild1(), Qt::LeftButton);
    const auto& runs = window.bild1()->runs();
    QCOMPARE(runs.size(), 2u);
    QCOMPARE(runs[0].text, QStringLiteral("Wer UNSINN eingibt, ist SELSBST SCHULD!!!"));
    QCOMPARE(runs[0].topLeft, QPointF(0, 0));
    QCOMPARE(runs[1].topLeft, QPointF(0, window.bild1()->lineHeight()));
}

void MainWindowTest::focusIsFramedClearly_data() {
    QTest::addColumn<QString>("art");
    for (const char* art : {"QPushButton", "QCheckBox", "QComboBox"})
        QTest::newRow(art) << art;
}

// The control the keyboard is on has a frame of the focus colour; the same control without
// the focus has none.
void MainWindowTest::focusIsFramedClearly() {
    QFETCH(QString, art);
    FokusStil stil;
    QWidget fenster;
    QWidget* teil = art == QStringLiteral("QPushButton")
                        ? static_cast<QWidget*>(new QPushButton(QStringLiteral("Prüfen"), &fenster))
                    : art == QStringLiteral("QCheckBox")
                        ? static_cast<QWidget*>(new QCheckBox(QStringLiteral("Plural"), &fenster))
                        : static_cast<QWidget*>(new QComboBox(&fenster));
    auto* anderer = new QPushButton(QStringLiteral("anderer"), &fenster);
    teil->setGeometry(10, 10, 120, 30);
    anderer->setGeometry(10, 60, 120, 30);
    teil->setStyle(&stil);
    fenster.show();
    fenster.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenster));
    anderer->setFocus();
    QVERIFY(!testing::hasPixelOf(teil->grab().toImage(), teil->rect(), FokusStil::farbe(), 30));
    teil->setFocus();
    QVERIFY(testing::hasPixelOf(teil->grab().toImage(), teil->rect(), FokusStil::farbe(), 30));
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
