#include "fakedialogs.h"
#include "shell/form1.h"
#include "widgets/mainwindow.h"
#include "widgets/panewidget.h"

#include <QAccessible>
#include <QPushButton>
#include <QtTest>

using namespace latiflex;

namespace {

// A real pane after the start-up (light blue stems, light red endings) and one command.
struct Page {
    explicit Page(std::deque<std::string> answers) : dialoge(std::move(answers)) {
        pane.resize(pane.sizeHint());
        form.Form_Load();
    }
    QAccessibleTextInterface* text() {
        return QAccessible::queryAccessibleInterface(&pane)->textInterface();
    }

    PaneWidget pane;
    testing::FakeDialogs dialoge;
    Form1 form{pane, dialoge};
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsAreNamedByTheirCaptions();
    void keyboardReachesEveryCommand_data();
    void keyboardReachesEveryCommand();
    void paneReadsTheForms();
    void paneReadsColumnsRowByRow();
    void paneTellsWhereAndInWhichColour();
};

void AccessibilityTest::buttonsAreNamedByTheirCaptions() {
    MainWindow window;
    const auto buttons = window.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 10);
    for (QPushButton* button : buttons) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(a->text(QAccessible::Name), button->text());
        QVERIFY(a->state().focusable);
    }
}

// Tab from the first button as often as the row says, then Space: the command must run.
void AccessibilityTest::keyboardReachesEveryCommand_data() {
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("firstDialog");
    QTest::newRow("SUBST") << 0 << "Befehl1"
                           << "prompt";
    QTest::newRow("ADJEKTIV") << 1 << "Befehl4"
                              << "prompt";
    QTest::newRow("?") << 2 << "Befehl3"
                       << "notes";
    QTest::newRow("VERBUM") << 3 << "verbum"
                            << "prompt";
    QTest::newRow("PR.IMP.F1. AKT.") << 4 << "prakt"
                                     << "message";
    QTest::newRow("PR.IMP.F1. PASS.") << 5 << "prpass"
                                      << "message";
    QTest::newRow("PF.PLQPF.F2. AKT.") << 6 << "perfakt"
                                       << "message";
    QTest::newRow("PF.PLQPF.F2.PASS:") << 7 << "perfpass"
                                       << "message";
    QTest::newRow("FARBEN") << 8 << "cmdfarb"
                            << "colour";
    QTest::newRow("ENDE") << 9 << "Befehl2"
                          << "end";
    QTest::newRow("round to the first") << 11 << "Befehl1"
                                        << "prompt";
}

void AccessibilityTest::keyboardReachesEveryCommand() {
    QFETCH(int, tabs);
    QFETCH(QString, control);
    QFETCH(QString, firstDialog);
    testing::FakeDialogs dialoge({});
    MainWindow window(&dialoge);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.findChild<QWidget*>("Befehl1")->setFocus();
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), control);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!dialoge.calls.empty());
    QCOMPARE(QString::fromStdString(dialoge.calls.front()), firstDialog);
}

void AccessibilityTest::paneReadsTheForms() {
    Page rosa({"9", "12", "rosa", "rosae"});
    rosa.form.Befehl1_Click();

    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&rosa.pane);
    QVERIFY(a);
    QVERIFY(a->state().readOnly);
    QAccessibleTextInterface* text = a->textInterface();
    QVERIFY(text);
    // Stem and ending join into one word; the singular and the plural column stand apart.
    const QString page = QStringLiteral("   SUBSTANTIV der A - Deklination \n"
                                        "rosa\trosae\n"
                                        "rosae\trosarum\n"
                                        "rosae\trosis\n"
                                        "rosam\trosas\n"
                                        "rosa\trosae\n"
                                        "rosa\trosis");
    QCOMPARE(text->characterCount(), int(page.size()));
    QCOMPARE(text->text(0, text->characterCount()), page);
    QCOMPARE(a->text(QAccessible::Value), page);
    int start = 0, end = 0;
    QCOMPARE(
        text->textAtOffset(page.indexOf("rosarum") + 2, QAccessible::WordBoundary, &start, &end),
        QStringLiteral("rosarum"));

    rosa.form.Befehl1_Click(); // no answers left: the pane is cleared and shows nothing
    QCOMPARE(text->characterCount(), 0);
    QCOMPARE(text->text(0, 10), QString());
}

// The three genders are printed a pixel or two apart in height; they still read as rows.
void AccessibilityTest::paneReadsColumnsRowByRow() {
    Page acer({"9", "12", "acer", "acris", "acre"});
    acer.form.Befehl4_Click();
    QAccessibleTextInterface* text = acer.text();
    const QStringList lines = text->text(0, text->characterCount()).split('\n');
    QVERIFY(lines.size() > 4);
    QCOMPARE(lines[1], QStringLiteral("acer\tacris\tacre"));
    QCOMPARE(lines[2], QStringLiteral("acris\tacris\tacris"));
}

void AccessibilityTest::paneTellsWhereAndInWhichColour() {
    Page rosa({"9", "12", "rosa", "rosae"});
    rosa.form.Befehl1_Click();
    QAccessibleTextInterface* text = rosa.text();
    const PaneWidget& pane = rosa.pane;
    const QString page = text->text(0, text->characterCount());
    const int rosam = int(page.indexOf("rosam"));

    int start = -1, end = -1;
    QCOMPARE(text->attributes(rosam + 1, &start, &end), QStringLiteral("color:rgb(0,0,255);"));
    QCOMPARE(page.mid(start, end - start), QStringLiteral("ros"));
    QCOMPARE(text->attributes(rosam + 3, &start, &end), QStringLiteral("color:rgb(255,0,0);"));
    QCOMPARE(page.mid(start, end - start), QStringLiteral("am"));

    // The "m" of rosam stands right of its "a", at column 5 of the fourth form's row.
    const QRect a = text->characterRect(rosam + 3);
    const QRect m = text->characterRect(rosam + 4);
    const QPoint column5 =
        pane.mapToGlobal(pane.origin() + QPoint(qRound(4 * pane.columnWidth()), 0));
    QVERIFY(a.isValid() && m.isValid());
    QCOMPARE(m.top(), a.top());
    QCOMPARE(m.left(), a.right() + 1);
    QVERIFY(qAbs(text->characterRect(rosam).left() - column5.x()) <= 1);
    QVERIFY(a.top() > pane.mapToGlobal(pane.origin()).y() + 3 * pane.lineHeight());
    QCOMPARE(text->offsetAtPoint(m.center()), rosam + 4);
    QCOMPARE(text->offsetAtPoint(pane.mapToGlobal(QPoint(pane.width() - 5, pane.height() - 5))),
             -1);
    QCOMPARE(text->characterRect(page.indexOf('\t')), QRect()); // the reading's own tab
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
