#include "fakedialogs.h"
#include "widgets/mainwindow.h"
#include "widgets/uebenfenster.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

} // namespace

class UebenTest : public QObject {
    Q_OBJECT

private slots:
    void f5WithoutWordSaysSo() {
        testing::FakeDialogs dialoge({"0", "12"});
        MainWindow w(&dialoge);
        w.start();
        f5(w);
        QVERIFY(!w.uebenFenster());
        QCOMPARE(dialoge.messages.back(),
                 "Noch kein Wort: erst ein Wort deklinieren oder konjugieren, dann üben.");
    }

    void f5OpensTheDrillAfterANoun() {
        qputenv("LATIFLEX_UEBEN_SEED", "2");
        testing::FakeDialogs dialoge({"0", "12", "rosa", "rosae"});
        MainWindow w(&dialoge);
        w.start();
        w.form().click("Befehl1");
        f5(w);
        UebenFenster* u = w.uebenFenster();
        QVERIFY(u && u->isVisible());
        QCOMPARE(u->windowTitle(), QStringLiteral("Üben"));
        QVERIFY(!u->isModal());
        // Every control a keyboard reaches has a name for assistive technology.
        for (QWidget* c : u->findChildren<QWidget*>())
            if (c->focusPolicy() & Qt::TabFocus)
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->metaObject()->className()));

        // The forms of rosa, written out by hand.
        const std::map<QString, QString> rosa{
            {"Nominativ Singular", "rosa"}, {"Genitiv Singular", "rosae"},
            {"Dativ Singular", "rosae"},    {"Akkusativ Singular", "rosam"},
            {"Vokativ Singular", "rosa"},   {"Ablativ Singular", "rosa"},
            {"Nominativ Plural", "rosae"},  {"Genitiv Plural", "rosarum"},
            {"Dativ Plural", "rosis"},      {"Akkusativ Plural", "rosas"},
            {"Vokativ Plural", "rosae"},    {"Ablativ Plural", "rosis"}};
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
};

QTEST_MAIN(UebenTest)
#include "ueben_test.moc"
