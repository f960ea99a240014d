// SPDX-License-Identifier: GPL-3.0-or-later
#include "designedbuttons.h"
#include "recorder.h"
#include "shell/form1.h"
#include "widgets/mainwindow.h"
#include "widgets/panewidget.h"
#include "widgets/twips.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

using namespace latiflex;

namespace {

// A real pane after the start-up (light blue stems, light red endings) and one command.
struct Page {
    explicit Page(std::deque<std::string> answers) : dialoge(std::move(answers)) {
        pane.resize(pane.sizeHint());
        pane.zeigtSeiten(&form.seiten());
        form.Form_Load();
    }
    QAccessibleTextInterface* text() {
        return QAccessible::queryAccessibleInterface(&pane)->textInterface();
    }
    QString all() { return text()->text(0, text()->characterCount()); }
    // The tooltip over the point `column` characters and `twips` down in the pane.
    QString tooltipAt(double column, double twips) {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
            return QStringLiteral("(a tooltip stays)");
        const QPoint local = pane.origin() + QPoint(qRound(column * pane.columnWidth()),
                                                    twipsToPixels(int(twips), pane.logicalDpiY()));
        QHelpEvent help(QEvent::ToolTip, local, pane.mapToGlobal(local));
        QApplication::sendEvent(&pane, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    PaneWidget pane;
    testing::ScriptedDialogs dialoge;
    Form1 form{pane, dialoge};
};

// The lines of a reading at `indices`, one under another: a sample to compare at once.
QString sample(const QStringList& lines, std::initializer_list<int> indices) {
    QString out;
    for (const int i : indices)
        out += lines.value(i) + QLatin1Char('\n');
    return out;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsAreNamedByTheirCaptions();
    void keyboardReachesEveryCommand_data();
    void keyboardReachesEveryCommand();
    void paneReadsTheForms();
    void paneReadsColumnByColumn();
    void paneReadsLinesOutsideTheParadigm();
    void paneTellsWhereAndInWhichColour();
    void tooltipNamesTheFormUnderTheMouse();
    void hintLineIsReadAndAnnounced();
    void hintLineFitsWordsOfFifteenLetters();
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
    // What each button opens first, in the buttons' tab order.
    const std::array<const char*, 10> firstDialogs{"prompt",  "prompt",  "notes",   "prompt",
                                                   "message", "message", "message", "message",
                                                   "colour",  "end"};
    for (int tabs = 0; tabs < 10; ++tabs) {
        const testing::DesignedButton& b = testing::designedButtons[std::size_t(tabs)];
        QTest::newRow(b.caption) << tabs << QString(b.name)
                                 << QString(firstDialogs[std::size_t(tabs)]);
    }
    QTest::newRow("round to the first") << 11 << "Befehl1"
                                        << "prompt";
}

void AccessibilityTest::keyboardReachesEveryCommand() {
    QFETCH(int, tabs);
    QFETCH(QString, control);
    QFETCH(QString, firstDialog);
    testing::ScriptedDialogs dialoge;
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
    // The heading as printed, then each form with its case and number, singular first,
    // then the hint line.
    const QString forms = QStringLiteral("   SUBSTANTIV der A - Deklination \n"
                                         "rosa – Nominativ Singular\n"
                                         "rosae – Genitiv Singular\n"
                                         "rosae – Dativ Singular\n"
                                         "rosam – Akkusativ Singular\n"
                                         "rosa – Vokativ Singular\n"
                                         "rosa – Ablativ Singular\n"
                                         "rosae – Nominativ Plural\n"
                                         "rosarum – Genitiv Plural\n"
                                         "rosis – Dativ Plural\n"
                                         "rosas – Akkusativ Plural\n"
                                         "rosae – Vokativ Plural\n"
                                         "rosis – Ablativ Plural\n");
    const QString page = rosa.all();
    QVERIFY2(page.startsWith(forms), qPrintable(page));
    const QString hint = page.mid(forms.size());
    QVERIFY(hint.startsWith("Tipp:") && hint.contains("F5") && !hint.contains('\n'));
    QCOMPARE(a->text(QAccessible::Value), page);
    int start = 0, end = 0;
    QCOMPARE(
        text->textAtOffset(page.indexOf("rosarum") + 2, QAccessible::WordBoundary, &start, &end),
        QStringLiteral("rosarum"));

    rosa.form.Befehl1_Click(); // no answers left: the pane is cleared and shows nothing
    QCOMPARE(text->characterCount(), 0);
    QCOMPARE(text->text(0, 10), QString());
}

// A verb page and an adjective page read column by column, each under its heading and
// what the heading stands for.
void AccessibilityTest::paneReadsColumnByColumn() {
    Page acer({"9", "12", "acer", "acris", "acre"});
    acer.form.Befehl4_Click();
    const QStringList adjektiv = acer.all().split('\n');
    QCOMPARE(adjektiv.size(), 3 * 13 + 1);
    QCOMPARE(sample(adjektiv, {0, 1, 2, 12, 13, 14, 26, 36}),
             QStringLiteral("MASKULIN – Maskulinum\n"
                            "acer – Maskulinum Nominativ Singular\n"
                            "acris – Maskulinum Genitiv Singular\n"
                            "acribus – Maskulinum Ablativ Plural\n"
                            "FEMININ – Femininum\n"
                            "acris – Femininum Nominativ Singular\n"
                            "NEUTRUM – Neutrum\n"
                            "acria – Neutrum Akkusativ Plural\n"));

    Page amo({"9", "12", "amo", "amare", "amavi", "amatus"});
    amo.form.verbum_Click();
    amo.form.perfakt_Click();
    const QStringList verbum = amo.all().split('\n');
    QCOMPARE(verbum.size(), 5 * 7 + 1);
    QCOMPARE(sample(verbum, {0, 1, 14, 19, 28, 34}),
             QStringLiteral("PERF.IND.AKT. – Perfekt Indikativ Aktiv\n"
                            "amavi – 1. Person Singular Perfekt Indikativ Aktiv\n"
                            "FUTUR.EX.AKT. – Futur II Indikativ Aktiv\n"
                            "amaveritis – 2. Person Plural Futur II Indikativ Aktiv\n"
                            "PLQPF.KON.AKT. – Plusquamperfekt Konjunktiv Aktiv\n"
                            "amavissent – 3. Person Plural Plusquamperfekt Konjunktiv Aktiv\n"));
}

// What is no paradigm reads as printed: the VERBUM heading, a click's warning line below
// a page; the blank line above the heading has nothing to say.
void AccessibilityTest::paneReadsLinesOutsideTheParadigm() {
    Page amo({"9", "12", "amo", "amare", "amavi", "amatus"});
    amo.form.verbum_Click();
    QCOMPARE(amo.all(), QStringLiteral("   VERBUM der A - Konjugation "));

    Page rosa({"9", "12", "rosa", "rosae"});
    rosa.form.Befehl1_Click();
    rosa.form.Bild1_Click();
    const QStringList lines = rosa.all().split('\n');
    QCOMPARE(lines[12], QStringLiteral("rosis – Ablativ Plural"));
    QCOMPARE(lines[13], QStringLiteral("Wer UNSINN eingibt, ist SELSBST SCHULD!!!"));
    QVERIFY(lines[14].startsWith("Tipp:"));

    Page leer({"9", "12"});
    leer.form.Bild1_Click();
    QCOMPARE(leer.all(), QStringLiteral("Wer UNSINN eingibt, ist SELSBST SCHULD!!!"));
}

void AccessibilityTest::paneTellsWhereAndInWhichColour() {
    Page rosa({"9", "12", "rosa", "rosae"});
    rosa.form.Befehl1_Click();
    QAccessibleTextInterface* text = rosa.text();
    const PaneWidget& pane = rosa.pane;
    const QString page = rosa.all();
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
    // The label is the reading's own: it stands nowhere on the pane.
    QCOMPARE(text->characterRect(int(page.indexOf("Akkusativ"))), QRect());
}

// Over a form its cell, over a heading its meaning; nothing where no form stands.
void AccessibilityTest::tooltipNamesTheFormUnderTheMouse() {
    Page rosa({"9", "12", "rosa", "rosae"});
    rosa.pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rosa.pane));
    rosa.form.Befehl1_Click();
    const double line = 1440.0 * rosa.pane.lineHeight() / rosa.pane.logicalDpiY(); // in twips
    // The plural starts at 250 twips beside the singular; its second row is the genitive.
    QCOMPARE(rosa.tooltipAt(25, 250 + 1.5 * line), QStringLiteral("rosarum – Genitiv Plural"));
    QCOMPARE(rosa.tooltipAt(5.5, 4.5 * line), QStringLiteral("rosam – Akkusativ Singular"));
    QCOMPARE(rosa.tooltipAt(2, 0.5 * line), QString()); // the class heading
    QCOMPARE(rosa.tooltipAt(60, 4000), QString());

    Page amo({"9", "12", "amo", "amare", "amavi", "amatus"});
    amo.pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&amo.pane));
    amo.form.verbum_Click();
    amo.form.prpass_Click();
    QCOMPARE(amo.tooltipAt(45.5, 5.5 * line),
             QStringLiteral("amabimini – 2. Person Plural Futur I Indikativ Passiv"));
    amo.form.perfakt_Click();
    QCOMPARE(amo.tooltipAt(25.5, 1900 + 0.5 * line),
             QStringLiteral("PLQPF.KON.AKT. – Plusquamperfekt Konjunktiv Aktiv"));

    Page longus({"9", "12", "longus", "longa", "longum"});
    longus.pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&longus.pane));
    longus.form.Befehl4_Click();
    QCOMPARE(longus.tooltipAt(5.5, 0.5 * line), QStringLiteral("MASKULIN – Maskulinum"));
    QCOMPARE(longus.tooltipAt(25.5, 250 + 1.5 * line),
             QStringLiteral("longae – Femininum Genitiv Singular"));
}

// The hint line stands in the empty band below the pane and the buttons, in the window's
// text colour; a screen reader finds it as "Hinweis" with the text as its description (the
// change event itself reaches only a platform with assistive technology, not offscreen).
void AccessibilityTest::hintLineIsReadAndAnnounced() {
    testing::ScriptedDialogs dialoge({"9", "12", "poema", "poematis", "rosa", "rosae"});
    MainWindow window(&dialoge);
    window.start();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLabel* hinweis = window.hinweis();
    QVERIFY(hinweis && hinweis->isVisible());
    QCOMPARE(hinweis->text(), QString());

    const QRect band = twipsRect(window, 0, 5775, 11145, 6540 - 5775);
    QVERIFY(band.contains(hinweis->geometry()));
    for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != hinweis) QVERIFY(!control->geometry().intersects(hinweis->geometry()));
    QCOMPARE(hinweis->foregroundRole(), QPalette::WindowText);
    QCOMPARE(hinweis->textFormat(), Qt::PlainText); // a typed "<img src=…>" stays text

    QVERIFY(window.form().click("Befehl1"));
    QAccessible::installUpdateHandler(nullptr);

    // One line; the whole warning is its description.
    QVERIFY(hinweis->fontMetrics().horizontalAdvance(hinweis->text()) <=
            hinweis->contentsRect().width());
    const QString warning = hinweis->accessibleDescription();
    QVERIFY2(warning.contains("»poematis«") && warning.contains("»poemae«") &&
                 warning.contains("Gen. Sg."),
             qPrintable(warning));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(hinweis);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Hinweis"));
    QCOMPARE(a->text(QAccessible::Description), warning);
    // The pane's reading ends with it.
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(window.bild1())->textInterface();
    QVERIFY(text->text(0, text->characterCount()).endsWith(warning));

    QVERIFY(window.form().click("Befehl1")); // rosa fits: the warning gives way to the tip
    QVERIFY(hinweis->accessibleDescription().startsWith("Tipp:"));
    // It names the keys of the three windows, and stands whole in the line.
    for (const char* taste : {"F5", "F7", "Strg+L"})
        QVERIFY(hinweis->accessibleDescription().contains(QLatin1String(taste)));
    QCOMPARE(hinweis->text(), hinweis->accessibleDescription());
    QVERIFY(window.form().click("Befehl1")); // cancelled: no page, no word of an earlier one
    QCOMPARE(hinweis->text(), QString());
}

// Every kind of warning, with typed words of up to 15 letters, stands whole in the line at
// the window's size, measured with the line's own font.
void AccessibilityTest::hintLineFitsWordsOfFifteenLetters() {
    const std::vector<std::pair<std::string, std::deque<std::string>>> woerter{
        // a mark that changes the class, naming the longest class the rules give
        {"Befehl1", {"consuetudo", "consuetudinis "}},
        {"Befehl1", {"pertinacissimus", "pertinacissimī"}},
        {"Befehl1", {"indeclinabile ", "indeclinabilis"}},
        // a blank that changes the page where the plain form fits no better: what it does
        {"Befehl1", {"ccomplementamen ", "complementamnis"}},
        // a long mark carried onto a short vowel
        {"verbum", {"circumspecteo", "circumspectēre", "circumspectui", "circumspectus"}},
        // forms that stand elsewhere on the page, in the longest cells
        {"Befehl1", {"epigrammatismus", "epigrammatismae"}},
        {"Befehl4", {"intellegentibus", "intellegentibum", "intellegentibum"}},
        {"verbum", {"contemplor", "contemplari", "contemplatus es"}},
        {"verbum", {"circumspectaveo", "circumspectare", "circumspectavi", "circumspectatus"}},
        // what the prompt wanted
        {"Befehl1", {"pertinacissimus", "pertinacissimis"}},
        {"Befehl1", {"inconstantiarum", "inconstantiarum"}},
        {"verbum", {"circumvallo", "circumvallare", "circumvallavi", "circumvallatum"}},
        {"verbum", {"circumspecto", "circumspectarre", "circumspectavi", "circumspectatus"}},
        {"Befehl1", {"consuetudinibus", "consuetudinibxx"}},
    };
    const std::vector<std::string> seiten{"prakt", "prpass", "perfakt", "perfpass"};
    int warnungen = 0;
    for (const auto& [befehl, antworten] : woerter) {
        std::deque<std::string> alle{"9", "12"};
        alle.insert(alle.end(), antworten.begin(), antworten.end());
        testing::ScriptedDialogs dialoge(alle);
        MainWindow window(&dialoge);
        window.start();
        QLabel* hinweis = window.hinweis();
        std::vector<std::string> klicks{befehl};
        if (befehl == "verbum") klicks.insert(klicks.end(), seiten.begin(), seiten.end());
        for (const std::string& klick : klicks) {
            QVERIFY(window.form().click(klick));
            const QString text = hinweis->accessibleDescription();
            if (text.isEmpty() || text.startsWith(QStringLiteral("Tipp:"))) continue;
            ++warnungen;
            QVERIFY2(hinweis->fontMetrics().horizontalAdvance(text) <=
                         hinweis->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 px: %2")
                                    .arg(hinweis->fontMetrics().horizontalAdvance(text))
                                    .arg(text)));
            QCOMPARE(hinweis->text(), text);
            QVERIFY(hinweis->toolTip().isEmpty());
        }
    }
    QVERIFY(warnungen >= int(woerter.size()));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
