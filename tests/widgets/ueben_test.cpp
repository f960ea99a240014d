// SPDX-License-Identifier: GPL-3.0-or-later
#include "freshdatahome.h"
#include "gestartet.h"
#include "knoepfefrei.h"
#include "widgets/mainwindow.h"
#include "widgets/uebenwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <map>

using namespace latiflex;

namespace {

// F5 as the window's shortcut (the real key is pressed in the end-to-end run).
void f5(MainWindow& w) {
    auto* ueben = w.findChild<QAction*>(QStringLiteral("uebenAktion"));
    QVERIFY(ueben);
    QCOMPARE(ueben->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(ueben->shortcutContext(), Qt::WindowShortcut);
    ueben->trigger();
}

// The drill's control with the accessible name `name`.
template <typename T> T* genannt(QWidget* fenster, const QString& name) {
    for (T* w : fenster->findChildren<T*>())
        if (w->accessibleName() == name) return w;
    return nullptr;
}

// The forms of rosa, written out by hand.
const std::map<QString, QString> rosa{
    {"Nominativ Singular", "rosa"},  {"Genitiv Singular", "rosae"}, {"Dativ Singular", "rosae"},
    {"Akkusativ Singular", "rosam"}, {"Vokativ Singular", "rosa"},  {"Ablativ Singular", "rosa"},
    {"Nominativ Plural", "rosae"},   {"Genitiv Plural", "rosarum"}, {"Dativ Plural", "rosis"},
    {"Akkusativ Plural", "rosas"},   {"Vokativ Plural", "rosae"},   {"Ablativ Plural", "rosis"}};

// The cell the open question "Bilde CELL: ..." asks for.
QString gefragteZelle(UebenWindow* u) {
    const QString text = genannt<QLabel>(u, QStringLiteral("Frage"))->text();
    return text.mid(6, text.indexOf(':') - 6);
}

// The drill, its questions chosen by `seed`, opened over rosa in the started window `w`.
UebenWindow* uebenUeberRosa(MainWindow& w, const char* seed) {
    qputenv("LATIFLEX_UEBEN_SEED", seed);
    if (!w.form().click("Befehl1")) return nullptr;
    w.ueben();
    return w.uebenWindow();
}

// The main window with rosa declined and the drill open over it, its questions chosen by
// `seed`.
struct RosaDrill : testing::Gestartet {
    explicit RosaDrill(const char* seed)
        : Gestartet({"0", "12", "rosa", "rosae"}), u(uebenUeberRosa(window, seed)) {}
    UebenWindow* u;
    template <typename T> T* teil(const char* name) const {
        return genannt<T>(u, QString::fromUtf8(name));
    }
};

void antworte(UebenWindow* u, const QString& text) {
    auto* antwort = genannt<QLineEdit>(u, QStringLiteral("Antwort"));
    antwort->setText(text);
    QTest::keyClick(antwort, Qt::Key_Return);
}

// The lists above the question, by their names, as a test's data.
void dieListen() {
    QTest::addColumn<QString>("liste");
    QTest::newRow("Üben über") << "Üben über";
    QTest::newRow("Art der Frage") << "Art der Frage";
}

} // namespace

class UebenTest : public QObject {
    Q_OBJECT

    testing::FreshDataHome daten_;

private slots:
    // Each test starts without lessons: the words it types are the first ever.
    void init() { daten_.renew(); }

    void f5WithoutWordSaysSo() {
        testing::ScriptedDialogs dialoge({"0", "12"});
        MainWindow w(&dialoge);
        w.start();
        f5(w);
        QVERIFY(!w.uebenWindow());
        QCOMPARE(dialoge.messages.back(),
                 "Noch kein Wort: erst ein Wort deklinieren oder konjugieren, dann üben.");
    }

    void f5OpensTheDrillAfterANoun() {
        qputenv("LATIFLEX_UEBEN_SEED", "2");
        testing::ScriptedDialogs dialoge({"0", "12", "rosa", "rosae"});
        MainWindow w(&dialoge);
        w.start();
        QVERIFY(w.form().click("Befehl1"));
        f5(w);
        UebenWindow* u = w.uebenWindow();
        QVERIFY(u && u->isVisible());
        QCOMPARE(u->windowTitle(), QStringLiteral("Üben"));
        QVERIFY(!u->isModal());
        // Every control a keyboard reaches has a name for assistive technology.
        for (QWidget* c : u->findChildren<QWidget*>())
            if (c->focusPolicy() & Qt::TabFocus)
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->metaObject()->className()));

        QString text;
        for (const QLabel* l : u->findChildren<QLabel*>())
            if (l->accessibleName() == QStringLiteral("Frage")) text = l->text();
        QVERIFY(text.startsWith(QStringLiteral("Bilde ")));
        const QString zelle = text.mid(6, text.indexOf(':') - 6);
        QVERIFY2(rosa.count(zelle), qPrintable(text));

        auto* antwort = u->findChild<QLineEdit*>();
        antwort->setText(QStringLiteral("  ") + rosa.at(zelle).toUpper());
        QTest::keyClick(antwort, Qt::Key_Return);
        QLabel* urteil = nullptr;
        for (QLabel* l : u->findChildren<QLabel*>())
            if (l->accessibleName() == QStringLiteral("Ergebnis")) urteil = l;
        QVERIFY(urteil->accessibleDescription().startsWith(QStringLiteral("Richtig! ")));

        antwort->setText(QStringLiteral("rosxyz"));
        QTest::keyClick(antwort, Qt::Key_Return);
        QVERIFY(urteil->accessibleDescription().startsWith(QStringLiteral("Falsch: ")));
        if (const QByteArray bild = qgetenv("LATIFLEX_UEBEN_SCREENSHOT"); !bild.isEmpty()) {
            u->adjustSize();
            QTest::qWait(50);
            u->grab().save(QString::fromLocal8Bit(bild));
        }
    }

    // Each step that starts the drill afresh empties the verdict and the score.
    void stepsLeaveNoOldScoreOrVerdict_data() {
        QTest::addColumn<QString>("schritt");
        QTest::newRow("Neu beginnen") << "Neu beginnen";
        QTest::newRow("Art der Frage") << "Art der Frage";
        QTest::newRow("Eingrenzen") << "Plural";
        QTest::newRow("Üben über") << "Üben über";
    }
    void stepsLeaveNoOldScoreOrVerdict() {
        QFETCH(QString, schritt);
        const RosaDrill d("5");
        antworte(d.u, rosa.at(gefragteZelle(d.u)));
        antworte(d.u, QStringLiteral("rosxyz"));
        auto* urteil = d.teil<QLabel>("Ergebnis");
        auto* stand = d.teil<QLabel>("Stand");
        QVERIFY(!urteil->text().isEmpty());
        QCOMPARE(stand->text(), QStringLiteral("1 von 2 richtig"));
        if (auto* knopf = genannt<QPushButton>(d.u, schritt))
            knopf->click();
        else if (auto* liste = genannt<QComboBox>(d.u, schritt))
            QTest::keyClick(liste, Qt::Key_Down);
        else
            genannt<QCheckBox>(d.u, schritt)->click();
        QCOMPARE(stand->text(), QStringLiteral("0 von 0 richtig"));
        QVERIFY(urteil->text().isEmpty());
        QVERIFY(urteil->accessibleDescription().isEmpty());
    }

    // The arrow keys step through the lists above the question: each step may ask anew,
    // but the focus stays in the list.
    void arrowsStepThroughTheLists_data() { dieListen(); }
    void arrowsStepThroughTheLists() {
        QFETCH(QString, liste);
        const RosaDrill d("5");
        auto* box = genannt<QComboBox>(d.u, liste);
        box->setFocus();
        const int von = box->currentIndex();
        QVERIFY(box->count() >= von + 3);
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentIndex(), von + 2);
        QCOMPARE(d.u->focusWidget(), box);
    }

    // A choice made in a list sends the keyboard on to the answer, and a letter typed into a
    // list goes to the answer too: what the pupil types is never lost in a list.
    void typingAfterAChoiceReachesTheAnswer_data() { dieListen(); }
    void typingAfterAChoiceReachesTheAnswer() {
        QFETCH(QString, liste);
        const RosaDrill d("5");
        auto* box = genannt<QComboBox>(d.u, liste);
        auto* antwort = d.teil<QLineEdit>("Antwort");
        box->setFocus();
        emit box->activated(box->currentIndex()); // chosen from the open list
        QCOMPARE(d.u->focusWidget(), antwort);
        box->setFocus();
        const int vorher = box->currentIndex();
        QTest::keyClicks(box, QStringLiteral("ro"));
        QCOMPARE(box->currentIndex(), vorher);
        QCOMPARE(antwort->text(), QStringLiteral("ro"));
        QCOMPARE(d.u->focusWidget(), antwort);
    }

    // The window keeps its height from a question to the next, whatever their kind.
    void theWindowKeepsItsHeight() {
        const RosaDrill d("3");
        auto* art = d.teil<QComboBox>("Art der Frage");
        art->setCurrentIndex(2); // gemischt
        const int hoehe = d.u->height();
        QSet<QString> arten;
        for (int i = 0; i < 12; ++i) {
            arten << d.teil<QLabel>("Frage")->text().section(' ', 0, 0);
            d.teil<QPushButton>("Lösung zeigen")->click();
            QCOMPARE(d.u->height(), hoehe);
        }
        QCOMPARE(arten, (QSet<QString>{"Bilde", "Bestimme"}));
    }

    // Bestimmen: every list starts empty for each question, and an answer with a list left
    // empty is not judged but says what is missing.
    void bestimmenJudgesNothingWhileAListIsEmpty_data() {
        QTest::addColumn<QString>("kasus");
        QTest::addColumn<QString>("numerus");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("nothing chosen") << ""
                                        << ""
                                        << "Bitte Kasus und Numerus wählen.";
        QTest::newRow("no number") << "Nominativ"
                                   << ""
                                   << "Bitte Numerus wählen.";
        QTest::newRow("no case") << ""
                                 << "Singular"
                                 << "Bitte Kasus wählen.";
    }
    void bestimmenJudgesNothingWhileAListIsEmpty() {
        QFETCH(QString, kasus);
        QFETCH(QString, numerus);
        QFETCH(QString, hinweis);
        const RosaDrill d("5");
        d.teil<QComboBox>("Art der Frage")->setCurrentIndex(1);
        auto* kasusListe = d.teil<QComboBox>("Kasus");
        auto* numerusListe = d.teil<QComboBox>("Numerus");
        auto* stand = d.teil<QLabel>("Stand");
        auto* urteil = d.teil<QLabel>("Ergebnis");
        for (int frage = 0; frage < 2; ++frage) {
            QCOMPARE(kasusListe->currentIndex(), -1);
            QCOMPARE(numerusListe->currentIndex(), -1);
            kasusListe->setCurrentIndex(kasusListe->findText(kasus));
            numerusListe->setCurrentIndex(numerusListe->findText(numerus));
            const QString vorher = stand->text();
            QTest::keyClick(kasusListe, Qt::Key_Return);
            QCOMPARE(stand->text(), vorher);
            QCOMPARE(urteil->accessibleDescription(), hinweis);
            QCOMPARE(d.u->focusWidget(), kasus.isEmpty() ? kasusListe : numerusListe);
            kasusListe->setCurrentIndex(kasusListe->findText(QStringLiteral("Genitiv")));
            numerusListe->setCurrentIndex(numerusListe->findText(QStringLiteral("Plural")));
            QTest::keyClick(kasusListe, Qt::Key_Return);
            QVERIFY2(stand->text().endsWith(QStringLiteral(" von %1 richtig").arg(frage + 1)),
                     qPrintable(stand->text()));
        }
    }

    // Bilden: Return in an empty field judges, counts and stores nothing; the field keeps
    // the focus and the question stays.
    void anEmptyAnswerIsNoAnswer_data() {
        QTest::addColumn<QString>("antwort");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("tab") << "\t";
    }
    void anEmptyAnswerIsNoAnswer() {
        QFETCH(QString, antwort);
        const RosaDrill d("5");
        auto* frage = d.teil<QLabel>("Frage");
        const QString vorher = frage->text();
        antworte(d.u, antwort);
        QCOMPARE(d.teil<QLabel>("Ergebnis")->accessibleDescription(),
                 QStringLiteral("Bitte eine Form eingeben."));
        QCOMPARE(d.teil<QLabel>("Stand")->text(), QStringLiteral("0 von 0 richtig"));
        QCOMPARE(d.u->uebung().gestellt(), 0);
        QCOMPARE(frage->text(), vorher);
        QCOMPARE(d.u->focusWidget(), d.teil<QLineEdit>("Antwort"));
    }

    // Every verdict shows whole, and the verdict's room keeps its height from one to the
    // next, so nothing below it moves.
    void everyVerdictShowsWholeInTheSameRoom() {
        const RosaDrill d("5");
        auto* urteil = d.teil<QLabel>("Ergebnis");
        QTest::qWait(20);
        const int hoehe = urteil->height();
        const auto ganz = [&](const char* schritt) {
            QTest::qWait(20);
            QVERIFY2(!urteil->text().isEmpty(), schritt);
            QVERIFY2(urteil->heightForWidth(urteil->width()) <= urteil->height(), schritt);
            QVERIFY2(urteil->height() == hoehe, schritt);
        };
        antworte(d.u, rosa.at(gefragteZelle(d.u)));
        ganz("right");
        antworte(d.u, QStringLiteral("rosxyz"));
        ganz("wrong");
        d.teil<QPushButton>("Lösung zeigen")->click();
        ganz("solution");
        antworte(d.u, QString());
        ganz("no answer");
        d.teil<QComboBox>("Art der Frage")->setCurrentIndex(1);
        d.teil<QComboBox>("Kasus")->setCurrentIndex(0);
        d.teil<QComboBox>("Numerus")->setCurrentIndex(0);
        d.teil<QPushButton>("Prüfen")->click();
        ganz("named");
    }

    // "Lösung zeigen": the right form, counted wrong, and the cell is asked again soon.
    void solutionShowsTheFormAndTheCellComesBack() {
        const RosaDrill d("3");
        UebenWindow* u = d.u;
        const QString zelle = gefragteZelle(u);
        auto* loesung = genannt<QPushButton>(u, QStringLiteral("Lösung zeigen"));
        QVERIFY(loesung);
        QCOMPARE(loesung->text(), QStringLiteral("&Lösung zeigen"));
        loesung->click();
        const QString urteil =
            genannt<QLabel>(u, QStringLiteral("Ergebnis"))->accessibleDescription();
        QVERIFY2(
            urteil.startsWith(QStringLiteral("Falsch: ") + rosa.at(zelle) + QStringLiteral(" (")),
            qPrintable(urteil));
        QVERIFY2(urteil.contains(zelle), qPrintable(urteil));
        QCOMPARE(genannt<QLabel>(u, QStringLiteral("Stand"))->text(),
                 QStringLiteral("0 von 1 richtig"));
        bool wieder = false;
        for (int i = 0; i < 5 && !wieder; ++i) {
            wieder = gefragteZelle(u) == zelle;
            antworte(u, rosa.at(gefragteZelle(u)));
        }
        QVERIFY(wieder);
    }

    // The drill stands beside the main window, or at least off its ten buttons, and keeps
    // its width whatever it asks: a verb's five lists in Bestimmen widen it no more than
    // Bilden.
    void staysOffTheButtons_data() {
        QTest::addColumn<int>("art");
        QTest::newRow("Bilden") << 0;
        QTest::newRow("Bestimmen") << 1;
        QTest::newRow("gemischt") << 2;
    }
    void staysOffTheButtons() {
        QFETCH(int, art);
        qputenv("LATIFLEX_UEBEN_SEED", "5");
        testing::ScriptedDialogs dialoge(
            {"0", "12", "rosa", "rosae", "laudo", "laudare", "laudavi", "laudatus"});
        MainWindow w(&dialoge);
        w.start();
        QVERIFY(w.form().click("Befehl1"));
        QVERIFY(w.form().click("verbum"));
        QVERIFY(w.form().click("perfpass"));
        w.ueben();
        UebenWindow* u = w.uebenWindow();
        u->setUmfang(Lektionen::Umfang::lauf);
        const int breite = u->width();
        genannt<QComboBox>(u, QStringLiteral("Art der Frage"))->setCurrentIndex(art);
        auto* loesung = genannt<QPushButton>(u, QStringLiteral("Lösung zeigen"));
        for (int frage = 0; frage < 6; ++frage) {
            QTest::qWait(10);
            const QRect drill(u->pos(), u->frameGeometry().size());
            for (const QPushButton* b : w.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
                const QRect knopf(b->mapToGlobal(QPoint(0, 0)), b->size());
                QVERIFY2(!drill.intersects(knopf), qPrintable(b->text()));
            }
            QCOMPARE(u->width(), breite);
            loesung->click();
        }
    }
};

QTEST_MAIN(UebenTest)
#include "ueben_test.moc"
