// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/bestimmung.h"
#include "engine/wort.h"
#include "gestartet.h"
#include "pixelcolour.h"
#include "shell/tabelle.h"
#include "widgets/druckdokument.h"
#include "widgets/mainwindow.h"
#include "widgets/panemenu.h"
#include "widgets/panewidget.h"
#include "widgets/ueberwindow.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>
#include <cmath>

using namespace latiflex;

namespace {

// Light cyan stems and dark red endings (palette numbers 11 and 4).
const QColor stammfarbe(0x00, 0xff, 0xff);
const QColor endfarbe(0x80, 0x00, 0x00);

// The window after start-up and one command, answered from `antworten`.
struct Fenster : testing::Gestartet {
    explicit Fenster(std::deque<std::string> antworten) : Gestartet(std::move(antworten)) {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window)); // shortcuts reach active windows only
    }
    void klick(const char* knopf) {
        QTest::mouseClick(window.findChild<QPushButton*>(knopf), Qt::LeftButton);
    }
    /// The copy and print entries (the drill's entry follows them, below a separator).
    QList<QAction*> eintraege() const { return window.paneMenu()->menu()->actions().mid(0, 3); }
    bool eintraegeAn() const {
        const auto e = eintraege();
        return std::all_of(e.begin(), e.end(), [](QAction* a) { return a->isEnabled(); });
    }
    bool eintraegeAus() const {
        const auto e = eintraege();
        return std::none_of(e.begin(), e.end(), [](QAction* a) { return a->isEnabled(); });
    }
    QString html(bool arbeitsblatt) {
        const Tabelle t(*window.form().seiten().aufSicht());
        const auto& f = window.form().farben();
        return QString::fromStdString(arbeitsblatt ? t.arbeitsblatt(f) : t.druckseite(f));
    }
};

// The page as a printer puts it on A4 paper, written into the PDF file `pfad`.
bool alsPdf(const QString& html, const QString& pfad) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pfad);
    QTextDocument dokument;
    druckfertig(dokument, html, printer);
    drucken(dokument, printer);
    return QFileInfo(pfad).size() > 0;
}

QString ausfuehren(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("<failed>");
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString seitenText(const QString& pdf, int seite) {
    const QString s = QString::number(seite);
    return ausfuehren(QStringLiteral("pdftotext"),
                      {QStringLiteral("-f"), s, QStringLiteral("-l"), s, pdf, QStringLiteral("-")});
}

QImage seitenBild(const QString& pdf, int seite) {
    const QString s = QString::number(seite);
    const QString stamm = pdf + QStringLiteral("-seite");
    ausfuehren(QStringLiteral("pdftoppm"),
               {QStringLiteral("-f"), s, QStringLiteral("-l"), s, QStringLiteral("-r"),
                QStringLiteral("100"), QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf,
                stamm});
    return QImage(stamm + QStringLiteral(".png"));
}

// Whether some pixel of the page is clearly of `farbe`.
bool hatFarbe(const QImage& bild, QColor farbe) {
    return testing::hasPixelOf(bild, bild.rect(), farbe, 40);
}

} // namespace

class PaneMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void entriesWithTheirShortcuts();
    void enabledOnlyWithAParadigm();
    void aboutNamesLicenceAndDictionaryAuthors();
    void rightClickOpensMenuWithoutWarning();
    void copyGivesTextAndHtml();
    void copyOfAHugeWordIsCut();
    void printedTableHoldsLabelsFormsAndColours();
    void worksheetHidesEndingsOnPageOne();
    void lessonWorksheetKeepsHeadingsWithTheirTables();
    void lessonWorksheetReads();
    void vocabularyTestLeavesTheMeaningsToWrite();
};

void PaneMenuTest::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QFAIL("pdftotext and pdftoppm (poppler-utils) are needed");
}

void PaneMenuTest::entriesWithTheirShortcuts() {
    Fenster f({"11", "4"});
    const auto e = f.eintraege();
    QCOMPARE(e.size(), 3);
    const auto alle = f.window.paneMenu()->menu()->actions();
    // A separator, then the drill's "Üben…"; another, then "Bestimmen…", another, then
    // "Text lesen…": always enabled; another, then "Lektionen…", always enabled, and the entry
    // that adds the word on view to a lesson, enabled only with a paradigm on view; another,
    // then "Über LATIFLEX…".
    QCOMPARE(alle.size(), 14);
    QVERIFY(alle[3]->isSeparator());
    QCOMPARE(alle[4]->text(), QStringLiteral("&Üben…"));
    QVERIFY(alle[4]->isEnabled());
    QVERIFY(alle[5]->isSeparator());
    QCOMPARE(alle[6]->text(), QStringLiteral("&Bestimmen…"));
    QCOMPARE(alle[6]->shortcut(), QKeySequence(Qt::Key_F7));
    QVERIFY(alle[6]->isEnabled());
    QVERIFY(alle[7]->isSeparator());
    QCOMPARE(alle[8]->text(), QStringLiteral("&Text lesen…"));
    QCOMPARE(alle[8]->shortcut(), QKeySequence(Qt::Key_F8));
    QVERIFY(alle[8]->isEnabled());
    QVERIFY(alle[9]->isSeparator());
    QCOMPARE(alle[10]->text(), QStringLiteral("&Lektionen…"));
    QCOMPARE(alle[10]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    QVERIFY(alle[10]->isEnabled());
    QCOMPARE(alle[11]->text(), QStringLiteral("&Zur Lektion hinzufügen"));
    QVERIFY(!alle[11]->isEnabled());
    QVERIFY(alle[12]->isSeparator());
    QCOMPARE(alle[13]->text(), QStringLiteral("Üb&er LATIFLEX…"));
    QVERIFY(alle[13]->isEnabled());
    QCOMPARE(e[0]->text(), QStringLiteral("&Kopieren"));
    QCOMPARE(e[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(e[1]->text(), QStringLiteral("&Drucken…"));
    QCOMPARE(e[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(e[2]->text(), QStringLiteral("&Arbeitsblatt drucken…"));
    // Every entry has its underlined letter, no two the same.
    QSet<QChar> buchstaben;
    for (const QAction* a : alle) {
        if (a->isSeparator()) continue;
        const auto i = a->text().indexOf(QLatin1Char('&'));
        QVERIFY2(i >= 0 && !buchstaben.contains(a->text().at(i + 1).toLower()),
                 qPrintable(a->text()));
        buchstaben.insert(a->text().at(i + 1).toLower());
    }
    for (QAction* a : e) {
        QVERIFY(f.window.actions().contains(a)); // a shortcut anywhere in the window
        QCOMPARE(a->shortcutContext(), Qt::WindowShortcut);
    }
}

// The tests' dictionary (tests/woerterbuch/lat-deu.txt) names its authors and licence.
void PaneMenuTest::aboutNamesLicenceAndDictionaryAuthors() {
    Fenster f({"11", "4"});
    f.window.paneMenu()->menu()->actions().last()->trigger();
    UeberWindow* ueber = f.window.ueberWindow();
    QVERIFY(ueber && ueber->isVisible());
    QCOMPARE(ueber->windowTitle(), QStringLiteral("Über LATIFLEX"));
    const QString text = ueber->text()->text();
    QVERIFY(text.contains(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY(text.contains(QStringLiteral("Wörterbuch: Test-Wörterbuch Latein-Deutsch ver. 0.1")));
    QVERIFY(text.contains(QStringLiteral("Verfasst von: Gaius Iulius, Marcus Tullius")));
    QVERIFY(text.contains(QStringLiteral("© 2020-2021 Gaius Iulius")));
    QTest::mouseClick(ueber->findChild<QPushButton*>(QStringLiteral("schliessen")), Qt::LeftButton);
    QVERIFY(!ueber->isVisible());
}

void PaneMenuTest::enabledOnlyWithAParadigm() {
    Fenster f({"11", "4", "rosa", "rosae", "", "", "amo", "amare", "amavi", "amatum"});
    QVERIFY(f.eintraegeAus()); // before the first word
    f.klick("Befehl1");
    QVERIFY(f.eintraegeAn());
    f.klick("Befehl1"); // refused: "Keine Formen vorhanden"
    QVERIFY(f.eintraegeAus());
    f.klick("verbum"); // the heading of the class, no page of forms
    QVERIFY(f.eintraegeAus());
    f.klick("prakt");
    QVERIFY(f.eintraegeAn());
    // Added later by another feature: follows the page on view like the others.
    QAction* neu = f.window.paneMenu()->eintrag(QStringLiteral("Neu"), {}, [] {});
    QVERIFY(neu->isEnabled());
    f.klick("Befehl4"); // cancelled at once
    QVERIFY(f.eintraegeAus());
}

void PaneMenuTest::rightClickOpensMenuWithoutWarning() {
    Fenster f({"11", "4", "rosa", "rosae"});
    f.klick("Befehl1");
    const auto vorher = f.window.bild1()->runs().size();
    QTest::mouseClick(f.window.bild1(), Qt::RightButton);
    QCOMPARE(f.window.bild1()->runs().size(), vorher); // no warning line
    // The press of the right button, as the window system reports it.
    QContextMenuEvent rechts(QContextMenuEvent::Mouse, QPoint(20, 20),
                             f.window.bild1()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(f.window.bild1(), &rechts);
    QTRY_VERIFY(f.window.paneMenu()->menu()->isVisible());
    f.window.paneMenu()->menu()->hide();
    f.window.bild1()->setFocus();
    QTest::keyClick(f.window.bild1(), Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(f.window.paneMenu()->menu()->isVisible());
    f.window.paneMenu()->menu()->hide();
    QTest::mouseClick(f.window.bild1(), Qt::LeftButton); // the left click keeps its warning
    QCOMPARE(f.window.bild1()->runs().size(), vorher + 1);
}

// What the pane shows: every run's place, colour and text.
QStringList gezeigt(const PaneWidget& pane) {
    QStringList out;
    for (const auto& r : pane.runs())
        out << QStringLiteral("%1,%2 %3 %4")
                   .arg(r.topLeft.x())
                   .arg(r.topLeft.y())
                   .arg(r.colour.name(), r.text);
    return out;
}

void PaneMenuTest::copyGivesTextAndHtml() {
    Fenster f({"11", "4", "rosa", "rosae", "rosa", "rosae"});
    f.klick("Befehl1");
    const QStringList vorher = gezeigt(*f.window.bild1());
    QTest::keyClick(&f.window, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    QVERIFY(daten && daten->hasText() && daten->hasHtml());
    QVERIFY2(daten->text().startsWith(
                 QStringLiteral("rosa, rosae: SUBSTANTIV der A - Deklination\n\tSingular\tPlural\n"
                                "Nominativ\trosa\trosae\nGenitiv\trosae\trosarum\n")),
             qPrintable(daten->text()));
    QVERIFY(daten->html().contains(QStringLiteral("<table")));
    QVERIFY(daten->html().contains(QStringLiteral("<span style=\"color:#00ffff\">ros</span>"
                                                  "<span style=\"color:#800000\">arum</span>")));
    QCOMPARE(gezeigt(*f.window.bild1()), vorher); // the pane stays as it was
    // The next command prints what it prints without the copy.
    Fenster ohne({"11", "4", "rosa", "rosae", "rosa", "rosae"});
    ohne.klick("Befehl1");
    ohne.klick("Befehl1");
    f.klick("Befehl1");
    QCOMPARE(gezeigt(*f.window.bild1()), gezeigt(*ohne.window.bild1()));
}

void PaneMenuTest::copyOfAHugeWordIsCut() {
    const std::string riesig(100000, 'r');
    Fenster f({"11", "4", riesig + "a", riesig + "ae"});
    f.klick("Befehl1");
    QTest::keyClick(&f.window, Qt::Key_C, Qt::ControlModifier);
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY(text.size() < 5000);
    QVERIFY(text.contains(QString(20, u'r') + QStringLiteral("…") + QString(19, u'r') +
                          QStringLiteral("arum")));
}

void PaneMenuTest::printedTableHoldsLabelsFormsAndColours() {
    Fenster f({"11", "4", "rosa", "rosae"});
    f.klick("Befehl1");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("rosa.pdf"));
    const QStringList vorher = gezeigt(*f.window.bild1());
    QVERIFY(alsPdf(f.html(false), pdf));
    QCOMPARE(gezeigt(*f.window.bild1()), vorher);
    const QString text = seitenText(pdf, 1);
    for (const char* s : {"rosa, rosae", "SUBSTANTIV der A - Deklination", "Singular", "Plural",
                          "Nominativ", "Ablativ", "rosarum", "rosis"})
        QVERIFY2(text.contains(QString::fromUtf8(s)), s);
    const QImage bild = seitenBild(pdf, 1);
    QVERIFY(!bild.isNull());
    QVERIFY(hatFarbe(bild, stammfarbe));
    QVERIFY(hatFarbe(bild, endfarbe));

    // 100,000 letters print as fast as a word, cut visibly.
    Fenster lang({"11", "4", std::string(100000, 'r') + "a", std::string(100000, 'r') + "ae"});
    lang.klick("Befehl1");
    QVERIFY(alsPdf(lang.html(false), pdf));
    const QString langText = seitenText(pdf, 1);
    QVERIFY(langText.contains(QStringLiteral("…")) && langText.contains(QStringLiteral("arum")));
}

void PaneMenuTest::worksheetHidesEndingsOnPageOne() {
    Fenster f({"11", "4", "rosa", "rosae"});
    f.klick("Befehl1");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    QVERIFY(alsPdf(f.html(true), pdf));
    const QString blatt = seitenText(pdf, 1);
    QVERIFY(blatt.contains(QStringLiteral("Arbeitsblatt")));
    QVERIFY(blatt.contains(QStringLiteral("Genitiv")));
    QVERIFY(blatt.contains(QStringLiteral("ros")));
    QVERIFY2(!blatt.contains(QStringLiteral("rosarum")) && !blatt.contains(QStringLiteral("rosis")),
             qPrintable(blatt));
    QVERIFY(!hatFarbe(seitenBild(pdf, 1), endfarbe));
    const QString loesung = seitenText(pdf, 2);
    QVERIFY(loesung.contains(QStringLiteral("Lösung")));
    QVERIFY(loesung.contains(QStringLiteral("rosarum")));
    QVERIFY(hatFarbe(seitenBild(pdf, 2), endfarbe));
}

namespace {

// A word of a PDF page as pdftotext -bbox gives it.
struct PdfWort {
    double links, oben, rechts, unten;
    QString text;
};

// The words of every page of the PDF, by page.
QList<QList<PdfWort>> pdfWoerter(const QString& pdf) {
    static const QRegularExpression wort(QStringLiteral(
        R"re(<word xMin="([^"]*)" yMin="([^"]*)" xMax="([^"]*)" yMax="([^"]*)">([^<]*)</word>)re"));
    QList<QList<PdfWort>> seiten;
    const QStringList teile =
        ausfuehren(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")})
            .split(QStringLiteral("<page "));
    for (const QString& teil : teile.mid(1)) {
        QList<PdfWort> woerter;
        for (auto it = wort.globalMatch(teil); it.hasNext();) {
            const auto m = it.next();
            woerter.append({m.captured(1).toDouble(), m.captured(2).toDouble(),
                            m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5)});
        }
        seiten.append(woerter);
    }
    return seiten;
}

// Whether the last line of text on some page of the PDF (its page number left out) is set
// larger than the smallest text on that page: a heading.
bool ueberschriftUnten(const QString& pdf) {
    for (const auto& seite : pdfWoerter(pdf)) {
        QMap<double, double> hoeheNachZeile; // the tallest word of each line, by its top
        QMap<double, QString> textNachZeile;
        for (const PdfWort& w : seite) {
            const double oben = std::round(w.oben);
            double& hoehe = hoeheNachZeile[oben];
            hoehe = std::max(hoehe, w.unten - w.oben);
            textNachZeile[oben] += w.text;
        }
        if (!textNachZeile.isEmpty() && textNachZeile.last().toInt() > 0) {
            hoeheNachZeile.remove(hoeheNachZeile.lastKey());
            textNachZeile.remove(textNachZeile.lastKey());
        }
        if (hoeheNachZeile.isEmpty()) continue;
        const auto hoehen = hoeheNachZeile.values();
        if (hoeheNachZeile.last() > 1.15 * *std::min_element(hoehen.begin(), hoehen.end()))
            return true;
    }
    return false;
}

// The lesson of `woerter` as one worksheet, written into the PDF file `pdf`.
bool lektionAlsPdf(const std::vector<Eingabe>& woerter, const QString& pdf) {
    std::vector<grammar::Paradigma> seiten;
    for (const Eingabe& e : woerter)
        for (const auto& p : engine::seiten(e))
            seiten.push_back(*p);
    std::vector<const grammar::Paradigma*> blaetter;
    for (const grammar::Paradigma& p : seiten)
        blaetter.push_back(&p);
    return alsPdf(QString::fromStdString(Tabelle::lektionsblatt("Woche 1", blaetter, Farben{})),
                  pdf);
}

} // namespace

// A word's heading never stands last on a page with its table on the next: with these
// words (a lesson of a class's first weeks) some headings would without care.
void PaneMenuTest::lessonWorksheetKeepsHeadingsWithTheirTables() {
    const std::vector<Eingabe> woerter{{"SUBST", {"nauta", "nautae"}},
                                       {"SUBST", {"servus", "servi"}},
                                       {"SUBST", {"puella", "puellae"}},
                                       {"SUBST", {"rosa", "rosae"}},
                                       {"SUBST", {"dominus", "domini"}},
                                       {"ADJEKTIV", {"bonus", "bona", "bonum"}},
                                       {"SUBST", {"rex", "regis"}},
                                       {"VERBUM", {"amo", "amare", "amavi", "amatus"}},
                                       {"SUBST", {"templum", "templi"}},
                                       {"ADJEKTIV", {"acer", "acris", "acre"}},
                                       {"SUBST", {"res", "rei"}},
                                       {"SUBST", {"manus", "manus"}},
                                       {"VERBUM", {"moneo", "monere", "monui", "monitus"}}};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("lektion.pdf"));
    QVERIFY(lektionAlsPdf(woerter, pdf));
    QVERIFY(!ueberschriftUnten(pdf));
}

// A lesson of eight words, two of them verbs, as a teacher prints it: few pages; a table
// that goes on over a page break has its column heads again; no word or blank runs out of
// its cell into the next; a form the sheet gives whole (rex) has no blank after it.
void PaneMenuTest::lessonWorksheetReads() {
    const std::vector<Eingabe> woerter{{"SUBST", {"rosa", "rosae"}},
                                       {"SUBST", {"amicus", "amici"}},
                                       {"SUBST", {"rex", "regis"}},
                                       {"ADJEKTIV", {"bonus", "bona", "bonum"}},
                                       {"ADJEKTIV", {"fortis", "fortis", "forte"}},
                                       {"SUBST", {"miles", "militis"}},
                                       {"VERBUM", {"laudo", "laudare", "laudavi", "laudatus"}},
                                       {"VERBUM", {"moneo", "monere", "monui", "monitus"}}};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("lektion.pdf"));
    QVERIFY(lektionAlsPdf(woerter, pdf));
    if (const QByteArray kopie = qgetenv("LATIFLEX_BLATT_PDF"); !kopie.isEmpty())
        QFile::copy(pdf, QString::fromLocal8Bit(kopie));
    const auto alle = pdfWoerter(pdf);
    // 11 pages when every table stood alone across the width with room to write in.
    QVERIFY2(alle.size() <= 7, qPrintable(QString::number(alle.size())));
    // A row's label: a case or a person. A column's head: a number, a gender or a mood.
    static const QRegularExpression zeile(QStringLiteral("^(Nominativ|Genitiv|Dativ|Akkusativ|"
                                                         "Vokativ|Ablativ|Person)$"));
    static const QRegularExpression spalte(
        QStringLiteral("^(Singular|Plural|Maskulinum|Femininum|Neutrum|Indikativ|Konjunktiv)$"));
    for (const auto& seite : alle) {
        double ersteZeile = 1e9, ersterKopf = 1e9;
        for (const PdfWort& w : seite) {
            if (zeile.match(w.text).hasMatch()) ersteZeile = std::min(ersteZeile, w.oben);
            if (spalte.match(w.text).hasMatch()) ersterKopf = std::min(ersterKopf, w.oben);
            QVERIFY2(!QRegularExpression(QStringLiteral("^rex_")).match(w.text).hasMatch(),
                     qPrintable(w.text));
            // Inside the text width of A4 (2 cm either side: 56.7 pt of 595).
            QVERIFY2(w.rechts < 540, qPrintable(w.text));
            for (const PdfWort& v : seite)
                if (&v != &w && v.oben < w.unten - 1 && w.oben < v.unten - 1)
                    QVERIFY2(v.rechts <= w.links + 0.5 || w.rechts <= v.links + 0.5,
                             qPrintable(w.text + QStringLiteral(" / ") + v.text));
        }
        // The first row on a page stands below a column head on that page.
        if (ersteZeile < 1e9) QVERIFY(ersterKopf < ersteZeile);
    }
}

// A vocabulary test of Lesson 13 as a teacher prints it: on the first page each word's forms
// stand in the left column with a blank to write the meaning on its own line, and no
// meaning; the answer page has each meaning on the line of its word.
void PaneMenuTest::vocabularyTestLeavesTheMeaningsToWrite() {
    const std::vector<Tabelle::Vokabelzeile> woerter{
        {"rex, regis m.", "König"},
        {"fortis, fortis, forte", "tapfer; stark"},
        {"amo, amare, amavi, amatus", "lieben; gern haben"}};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("vokabeln.pdf"));
    QVERIFY(alsPdf(QString::fromStdString(Tabelle::vokabeltest("Lektion 13", woerter, true)), pdf));
    const auto seiten = pdfWoerter(pdf);
    QCOMPARE(seiten.size(), 2);
    // The top of the line a word stands on, on `seite`; -1 when it is not there.
    const auto zeileVon = [](const QList<PdfWort>& seite, const QString& text) {
        for (const PdfWort& w : seite)
            if (w.text == text) return w;
        return PdfWort{-1, -1, -1, -1, {}};
    };
    for (const QString& bedeutung :
         {QStringLiteral("König"), QStringLiteral("tapfer;"), QStringLiteral("lieben;")}) {
        QCOMPARE(zeileVon(seiten[0], bedeutung).oben, -1.0);
        QVERIFY2(zeileVon(seiten[1], bedeutung).oben > 0, qPrintable(bedeutung));
    }
    for (const auto& [latein, deutsch] :
         {std::pair{QStringLiteral("rex,"), QStringLiteral("König")},
          std::pair{QStringLiteral("fortis,"), QStringLiteral("tapfer;")},
          std::pair{QStringLiteral("amo,"), QStringLiteral("lieben;")}}) {
        const PdfWort wort = zeileVon(seiten[0], latein);
        QVERIFY2(wort.oben > 0, qPrintable(latein));
        // A blank to write in stands right of the word, on its line.
        bool luecke = false;
        for (const PdfWort& w : seiten[0])
            luecke = luecke || (w.text.startsWith(QStringLiteral("____")) &&
                                w.links > wort.rechts && std::abs(w.oben - wort.oben) < 3);
        QVERIFY2(luecke, qPrintable(latein));
        const PdfWort l = zeileVon(seiten[1], latein);
        const PdfWort d = zeileVon(seiten[1], deutsch);
        QVERIFY2(std::abs(l.oben - d.oben) < 3 && d.links > l.rechts, qPrintable(deutsch));
    }
}

QTEST_MAIN(PaneMenuTest)
#include "panemenu_test.moc"
