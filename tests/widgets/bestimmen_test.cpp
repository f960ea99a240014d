// SPDX-License-Identifier: GPL-3.0-or-later
#include "gestartet.h"
#include "knoepfefrei.h"
#include "widgets/bestimmenwindow.h"
#include "widgets/mainwindow.h"
#include "widgets/panewidget.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

using namespace latiflex;

namespace {

// F7 as the window's shortcut (the real key is pressed in the end-to-end run).
BestimmenWindow* f7(MainWindow& w) {
    auto* aktion = w.findChild<QAction*>(QStringLiteral("bestimmenAktion"));
    if (!aktion || aktion->shortcut() != QKeySequence(Qt::Key_F7)) return nullptr;
    aktion->trigger();
    return w.bestimmenWindow();
}

// The main window after its start-up, and the window "Bestimmen" F7 opened from it.
struct Geoeffnet : testing::Gestartet {
    Geoeffnet() : meldungenVorher(dialoge.messages.size()), b(f7(window)) {}
    std::size_t meldungenVorher = 0;
    BestimmenWindow* b = nullptr;
};

} // namespace

class BestimmenTest : public QObject {
    Q_OBJECT

private slots:
    void opensBeforeAnyWordWithNamedControls() {
        Geoeffnet g;
        BestimmenWindow* b = g.b;
        QVERIFY(b);
        QVERIFY(b->isVisible());
        QCOMPARE(b->focusWidget(), b->feld());
        for (QWidget* c : b->findChildren<QWidget*>())
            if (c->focusPolicy() != Qt::NoFocus && c->isVisible() && c->parentWidget() == b)
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
        QCOMPARE(g.dialoge.messages.size(), g.meldungenVorher); // no "no word yet" as for the drill
    }

    // Beside the main window where there is room, else over its buttons, never over its
    // pane, so that a chosen reading can be seen there; on the screen whole.
    void opensOffThePane() {
        Geoeffnet g;
        QVERIFY(g.b);
        QVERIFY(!bedeckt(*g.b, *g.window.bild1()));
        QVERIFY(g.b->screen()->availableGeometry().contains(g.b->frameGeometry()));
    }

    // Typing shows the readings at once, grouped by entry; digits get "Keine Deutung".
    void readingsAppearAsThePupilTypes() {
        Geoeffnet g;
        BestimmenWindow* b = g.b;
        QVERIFY(b);
        QTest::keyClicks(b->feld(), QStringLiteral("rosam"));
        QVERIFY(!b->deutungen().empty());
        const QTreeWidgetItem* rosa = nullptr;
        for (int i = 0; i < b->liste()->topLevelItemCount(); ++i)
            if (b->liste()->topLevelItem(i)->text(0).startsWith(QStringLiteral("rosa, rosae ")))
                rosa = b->liste()->topLevelItem(i);
        QVERIFY(rosa);
        // A known word with its gender and meaning (the tests' dictionary).
        QCOMPARE(rosa->text(0),
                 QStringLiteral("rosa, rosae f. – SUBSTANTIV der A - Deklination: Rose"));
        QCOMPARE(rosa->childCount(), 1);
        QCOMPARE(rosa->child(0)->text(0), QStringLiteral("Akkusativ Singular"));
        QCOMPARE(rosa->child(0)->text(1), QStringLiteral("ros"));
        QCOMPARE(rosa->child(0)->text(2), QStringLiteral("am"));
        b->feld()->setText(QStringLiteral("4711"));
        QCOMPARE(b->liste()->topLevelItemCount(), 0);
        QCOMPARE(b->findChild<QLabel*>(QStringLiteral("ergebnis"))->text(),
                 QStringLiteral("Keine Deutung"));
    }

    // Enter on a reading prints its paradigm as typing the dictionary forms would; the word
    // then counts as the pupil's own and comes first.
    void choosingPrintsTheParadigm() {
        Geoeffnet g;
        BestimmenWindow* b = g.b;
        QVERIFY(b);
        b->feld()->setText(QStringLiteral("laudabimini"));
        QTest::keyClick(b->feld(), Qt::Key_Down);
        QCOMPARE(b->focusWidget(), b->liste());
        b->liste()->setCurrentItem(b->liste()->topLevelItem(0)->child(0));
        QTest::keyClick(b->liste(), Qt::Key_Return);
        const grammar::Paradigma* p = g.window.form().seiten().aufSicht();
        QVERIFY(p);
        QCOMPARE(p->seite, std::string("PR.IMP.F1. PASS."));
        QCOMPARE(p->stichwoerter.front().wort, std::string("laudo"));
        b->oeffnen();
        QVERIFY(b->deutungen().front().eigen);
    }

    // The real word first with its meaning, the guesses set apart; a guess chosen is only
    // looked at: it prints its page but does not become the pupil's word.
    void aGuessIsOnlyLookedAt() {
        Geoeffnet g;
        BestimmenWindow* b = g.b;
        QVERIFY(b);
        b->feld()->setText(QStringLiteral("hoc"));
        QVERIFY(b->liste()->topLevelItem(0)->text(0).startsWith(
            QStringLiteral("hic, haec, hoc – Demonstrativpronomen: dieser")));
        b->feld()->setText(QStringLiteral("urbem"));
        QVERIFY(b->liste()->topLevelItem(0)->text(0).startsWith(QStringLiteral("urbs, urbis –")));
        int trenner = -1;
        for (int i = 0; i < b->liste()->topLevelItemCount(); ++i)
            if (b->liste()->topLevelItem(i)->text(0) ==
                QStringLiteral("nach den Regeln – nicht im Wörterbuch"))
                trenner = i;
        QVERIFY(trenner > 0);
        QTreeWidgetItem* vermutung = b->liste()->topLevelItem(trenner + 1);
        b->liste()->setCurrentItem(vermutung);
        QTest::keyClick(b->liste(), Qt::Key_Return);
        const grammar::Paradigma* p = g.window.form().seiten().aufSicht();
        QVERIFY(p);
        QVERIFY(g.window.form().seiten().alle().empty());
        b->oeffnen();
        QVERIFY(!b->deutungen().front().eigen);
    }
};

QTEST_MAIN(BestimmenTest)
#include "bestimmen_test.moc"
