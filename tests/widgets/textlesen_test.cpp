// SPDX-License-Identifier: GPL-3.0-or-later
#include "freshdatahome.h"
#include "gestartet.h"
#include "grammar/bezeichnung.h"
#include "knoepfefrei.h"
#include "shell/lektionen.h"
#include "widgets/druckdokument.h"
#include "widgets/mainwindow.h"
#include "widgets/textlesenwindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace latiflex;

namespace {

// The main window after its start-up with the pupil's words puella, agricola and canto, and
// the window "Text lesen" F8 opened from it.
struct Geoeffnet : testing::Gestartet {
    Geoeffnet() {
        w.form().eingeben({"SUBST", {"puella", "puellae"}});
        w.form().eingeben({"SUBST", {"agricola", "agricolae"}});
        w.form().eingeben({"VERBUM", {"canto", "cantare", "cantavi", "cantatus"}});
        auto* aktion = w.findChild<QAction*>(QStringLiteral("textLesenAktion"));
        if (!aktion || aktion->shortcut() != QKeySequence(Qt::Key_F8)) return;
        aktion->trigger();
        t = w.textLesenWindow();
    }
    // Puts `text` in the window and waits until it is read.
    bool lies(const QString& text, int ms = 20000) {
        QSignalSpy gelesen(t, &TextLesenWindow::gelesen);
        t->textFeld()->setPlainText(text);
        return gelesen.wait(ms) || !t->liest();
    }
    MainWindow& w = window;
    TextLesenWindow* t = nullptr;
};

QString zelle(const lesen::Wort& w) {
    const auto* l = w.lesart();
    return l && l->zelle ? QString::fromStdString(grammar::bezeichnung(*l->zelle)) : QString();
}

// A word of a PDF page as `pdftotext -bbox` places it.
struct PdfWort {
    QString text;
    double x0, y0, x1;
};

// The words of the sheet `html` as a printer puts it on A4 paper.
std::vector<PdfWort> pdfWoerter(const QString& html, const QString& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QTextDocument dokument;
    druckfertig(dokument, html, printer);
    drucken(dokument, printer);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    static const QRegularExpression wort(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    std::vector<PdfWort> woerter;
    for (const auto& m : wort.globalMatch(QString::fromUtf8(p.readAllStandardOutput())))
        woerter.push_back({m.captured(4), m.captured(1).toDouble(), m.captured(2).toDouble(),
                           m.captured(3).toDouble()});
    return woerter;
}

} // namespace

class TextLesenTest : public QObject {
    Q_OBJECT

    testing::FreshDataHome daten_;

private slots:
    // Each test's lessons and texts in a folder of their own, never the user's.
    void init() { daten_.renew(); }

    void opensBesideTheMainWindowWithNamedControls() {
        Geoeffnet g;
        QVERIFY(g.t);
        QVERIFY(g.t->isVisible());
        QCOMPARE(g.t->windowTitle(), QStringLiteral("Text lesen"));
        QCOMPARE(verdeckteKnoepfe(*g.t, g.w), QStringList());
        for (QWidget* c : g.t->findChildren<QWidget*>())
            if (c->focusPolicy() != Qt::NoFocus && c->isVisible() && !c->objectName().isEmpty() &&
                !qobject_cast<QAbstractButton*>(c))
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
    }

    // Typing reads at once: each word with its reading in context, the reason as tooltip,
    // how sure in words.
    void readsInContextAndSaysWhy() {
        Geoeffnet g;
        QVERIFY(g.t);
        QVERIFY(g.lies(QStringLiteral("Puella cum agricola cantat.")));
        const auto& w = g.t->woerter();
        QCOMPARE(w.size(), 4U);
        QCOMPARE(zelle(w[0]), QStringLiteral("Nominativ Singular"));
        QCOMPARE(zelle(w[2]), QStringLiteral("Ablativ Singular"));
        const auto* modell = g.t->woerterListe()->model();
        QCOMPARE(modell->data(modell->index(2, 0), Qt::ToolTipRole).toString(),
                 QStringLiteral("Ablativ nach »cum«"));
        QCOMPARE(modell->data(modell->index(2, 3)).toString(),
                 QStringLiteral("agricola, agricolae"));
        QCOMPARE(modell->data(modell->index(2, 5)).toString(), QStringLiteral("Ablativ Singular"));
        QCOMPARE(modell->data(modell->index(2, 2)).toString(), QStringLiteral("✔"));
        QCOMPARE(modell->data(modell->index(2, 2), Qt::ToolTipRole).toString(),
                 QStringLiteral("bekannt"));
        QCOMPARE(modell->data(modell->index(1, 4)).toString(), QStringLiteral("mit, zusammen mit"));
    }

    // The word at the cursor shows all its readings; Enter on another picks it, and the
    // choice stays when the text is edited.
    void thePupilsChoiceIsKept() {
        Geoeffnet g;
        QVERIFY(g.t);
        QVERIFY(g.lies(QStringLiteral("Puella cantat.")));
        auto cursor = g.t->textFeld()->textCursor();
        cursor.setPosition(2);
        g.t->textFeld()->setTextCursor(cursor);
        QTreeWidget* d = g.t->deutungenListe();
        QVERIFY(d->topLevelItemCount() > 0);
        QTreeWidgetItem* ablativ = nullptr;
        for (int i = 0; i < d->topLevelItemCount(); ++i)
            for (int k = 0; k < d->topLevelItem(i)->childCount(); ++k)
                if (d->topLevelItem(i)->text(0).startsWith(QStringLiteral("puella, puellae")) &&
                    d->topLevelItem(i)->child(k)->text(0).startsWith(QStringLiteral("Ablativ")))
                    ablativ = d->topLevelItem(i)->child(k);
        QVERIFY(ablativ);
        d->setCurrentItem(ablativ);
        d->setFocus();
        QTest::keyClick(d, Qt::Key_Return);
        QCOMPARE(zelle(g.t->woerter()[0]), QStringLiteral("Ablativ Singular"));
        QVERIFY(g.lies(QStringLiteral("Puella cantat. Agricola cantat.")));
        QCOMPARE(zelle(g.t->woerter()[0]), QStringLiteral("Ablativ Singular"));
        QCOMPARE(zelle(g.t->woerter()[2]), QStringLiteral("Nominativ Singular"));

        // Kept in the store under its first words: after another text, "Zuletzt gelesen"
        // opens it again with the choice.
        QVERIFY(g.lies(QString()));
        QVERIFY(g.lies(QStringLiteral("Agricola cantat.")));
        auto* menue = g.t->findChild<QMenu*>(QStringLiteral("zuletztMenue"));
        QVERIFY(menue);
        emit menue->aboutToShow();
        QAction* gelesen = nullptr;
        for (QAction* a : menue->actions())
            if (!gelesen &&
                a->text().startsWith(QStringLiteral("Puella cantat Agricola cantat – ")))
                gelesen = a;
        QVERIFY(gelesen);
        QVERIFY(menue->actions().front()->text().startsWith(QStringLiteral("Agricola cantat – ")));
        QSignalSpy wieder(g.t, &TextLesenWindow::gelesen);
        gelesen->trigger();
        QVERIFY(wieder.wait(20000) || !g.t->liest());
        QCOMPARE(g.t->textFeld()->toPlainText(), QStringLiteral("Puella cantat. Agricola cantat."));
        QCOMPARE(zelle(g.t->woerter()[0]), QStringLiteral("Ablativ Singular"));
    }

    // The vocabulary: each entry once, the preposition not for a lesson; saved as a lesson.
    void vocabularyBecomesALesson() {
        Geoeffnet g;
        QVERIFY(g.t);
        QVERIFY(g.lies(QStringLiteral("Puella cum agricola cantat.\nPuella cantat.")));
        QTreeWidget* v = g.t->wortschatzListe();
        QCOMPARE(v->topLevelItemCount(), 4);
        QCOMPARE(v->topLevelItem(1)->text(0), QStringLiteral("cum"));
        QCOMPARE(v->topLevelItem(3)->text(2), QStringLiteral("1")); // its first line
        // Nouns typed this run joined a lesson; a verb's heading alone did not.
        QCOMPARE(v->topLevelItem(0)->text(3), QStringLiteral("in Lektion"));
        QCOMPARE(v->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(v->topLevelItem(3)->text(3), QStringLiteral("★ neu"));
        QCOMPARE(v->topLevelItem(3)->checkState(0), Qt::Checked);
        v->topLevelItem(2)->setCheckState(0, Qt::Checked);
        g.t->alsLektion("Lesestück 1");
        std::size_t woerter = 0;
        for (const auto& l : g.w.lektionen().lektionen())
            if (l.name == "Lesestück 1") woerter = g.w.lektionen().woerter(l.id).size();
        QCOMPARE(woerter, 2U);
        QVERIFY(g.t->stand()->text().contains(QStringLiteral("2 Wörtern")));
        QCOMPARE(v->topLevelItem(3)->text(3), QStringLiteral("in Lektion"));
    }

    // The preparation sheet: each line numbered, beside it the words that first stand in it,
    // each entry once in the whole text; a long line broken at a blank.
    void preparationSheetPutsWordsBesideTheirLine() {
        Geoeffnet g;
        QVERIFY(g.t);
        QVERIFY(g.lies(QStringLiteral("Puella cum agricola cantat.\nAgricola cantat. Puella "
                                      "agricolam cantat, agricola puellam; puellae cantant.")));
        QTemporaryDir dir;
        const auto w = pdfWoerter(g.t->vorbereitungsblatt(), dir.filePath(QStringLiteral("v.pdf")));
        const auto finde = [&w](const QString& text, int n = 0) -> const PdfWort* {
            for (const auto& x : w)
                if (x.text == text && n-- == 0) return &x;
            return nullptr;
        };
        const auto* eins = finde(QStringLiteral("1"));
        const auto* puella = finde(QStringLiteral("Puella"), 1); // the first in the title
        const auto* cantat = finde(QStringLiteral("cantat."));
        const auto* agricolae = finde(QStringLiteral("agricolae"));
        const auto* zwei = finde(QStringLiteral("2"));
        const auto* drei = finde(QStringLiteral("3"));
        QVERIFY(eins && puella && cantat && agricolae && zwei && drei);
        QVERIFY(qAbs(eins->y0 - puella->y0) < 3 && eins->x1 < puella->x0);
        // agricola's entry stands beside line 1, right of the text, above line 2.
        QVERIFY(agricolae->x0 > cantat->x1);
        QVERIFY(agricolae->y0 > puella->y0 - 3 && agricolae->y0 < zwei->y0);
        QVERIFY(!finde(QStringLiteral("agricolae"), 1)); // once, though it stands again
        QVERIFY(finde(QStringLiteral("cum")));
        QVERIFY(drei->y0 > zwei->y0); // the second line of the text is too long for one
        QVERIFY(!finde(QStringLiteral("4")));
    }

    // A long text is read in the background: the window answers while it reads.
    void aLongTextDoesNotFreezeTheWindow() {
        Geoeffnet g;
        QVERIFY(g.t);
        QString lang;
        for (int i = 0; i < 20000; ++i)
            lang += QStringLiteral("Puella cum agricola cantat %1. ")
                        .arg(i % 97 ? QString() : QStringLiteral("x%1").arg(i));
        QSignalSpy gelesen(g.t, &TextLesenWindow::gelesen);
        g.t->textFeld()->setPlainText(lang);
        QVERIFY(g.t->liest());
        QVERIFY(gelesen.wait(120000));
        QCOMPARE(g.t->woerter().size(), 80000U + 20000U / 97 + 1);
    }
};

QTEST_MAIN(TextLesenTest)
#include "textlesen_test.moc"
