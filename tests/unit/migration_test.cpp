// SPDX-License-Identifier: GPL-3.0-or-later
// Stores written by earlier versions of the program, each built here with that version's SQL
// and its keys (the German labels as those versions wrote them, copied here so the test does
// not follow a later wording), migrated in place with nothing lost; and a migration killed
// between two of its statements leaves the old store whole, which the next start migrates.
#include "grammar/zellcode.h"
#include "lauf.h"
#include "lessons/database.h"
#include "lessons/schema.h"
#include "lessons/statement.h"
#include "shell/lektionen.h"

#include "ordner.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace latiflex::lektionen {
namespace {

namespace fs = std::filesystem;

// Every row of every table and the version, as one text.
std::string abzug(const fs::path& datei) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(datei.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::string aus;
    for (const char* tabelle :
         {"PRAGMA user_version", "SELECT * FROM lektion", "SELECT * FROM wort",
          "SELECT * FROM antwort ORDER BY id", "SELECT * FROM zelle", "SELECT * FROM uebungstag",
          "SELECT * FROM einstellung"}) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, tabelle, -1, &s, nullptr) != SQLITE_OK) {
            aus += std::string(tabelle) + ": none\n";
            continue;
        }
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(s); ++i) {
                const auto* t = sqlite3_column_text(s, i);
                aus += (t ? reinterpret_cast<const char*>(t) : "NULL") + std::string("|");
            }
            aus += '\n';
        }
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    return aus;
}

// Version 1: lessons, words, answers; the key of a cell its German label.
const std::string version1 = R"(
PRAGMA application_id = 1280591448;
CREATE TABLE lektion(id INTEGER PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE wort(id INTEGER PRIMARY KEY, lektion INTEGER NOT NULL REFERENCES lektion(id)
                  ON DELETE CASCADE, befehl TEXT NOT NULL, antworten TEXT NOT NULL,
                  im_drill INTEGER NOT NULL DEFAULT 1);
CREATE TABLE antwort(id INTEGER PRIMARY KEY, wort INTEGER NOT NULL REFERENCES wort(id)
                     ON DELETE CASCADE, schluessel TEXT NOT NULL, datum TEXT NOT NULL,
                     richtig INTEGER NOT NULL);
CREATE TABLE einstellung(name TEXT PRIMARY KEY, wert TEXT NOT NULL);
INSERT INTO lektion VALUES(1, 'Meine Wörter'), (2, 'Lektion 12');
INSERT INTO einstellung VALUES('aktuelle_lektion', '2');
INSERT INTO wort VALUES(1, 2, 'SUBST', 'rosa' || char(10) || 'rosae', 1);
INSERT INTO antwort(wort, schluessel, datum, richtig) VALUES
    (1, 'Genitiv Plural', '2026-03-01', 1), (1, 'Genitiv Plural', '2026-03-02', 1),
    (1, 'Genitiv Plural', '2026-03-04', 0), (1, 'Genitiv Plural', '2026-03-04', 1),
    (1, 'Dativ Singular', '2026-03-04', 1);
PRAGMA user_version = 1;
)";

// Version 2, as the previous release created and filled it: the boxes, the cell counts, the
// days practised and each lesson's narrowing, still under labels and captions.
const std::string version2 = R"(
PRAGMA application_id = 1280591448;
CREATE TABLE lektion(id INTEGER PRIMARY KEY, name TEXT NOT NULL,
                     eingrenzung TEXT NOT NULL DEFAULT '');
CREATE TABLE wort(id INTEGER PRIMARY KEY,
                  lektion INTEGER NOT NULL REFERENCES lektion(id) ON DELETE CASCADE,
                  befehl TEXT NOT NULL, antworten TEXT NOT NULL,
                  im_drill INTEGER NOT NULL DEFAULT 1, zellen INTEGER NOT NULL DEFAULT 0,
                  beantwortet INTEGER NOT NULL DEFAULT 0, gelernt INTEGER NOT NULL DEFAULT 0);
CREATE TABLE antwort(id INTEGER PRIMARY KEY,
                     wort INTEGER NOT NULL REFERENCES wort(id) ON DELETE CASCADE,
                     schluessel TEXT NOT NULL, datum TEXT NOT NULL, richtig INTEGER NOT NULL);
CREATE TABLE einstellung(name TEXT PRIMARY KEY, wert TEXT NOT NULL);
CREATE TABLE zelle(wort INTEGER NOT NULL REFERENCES wort(id) ON DELETE CASCADE,
                   schluessel TEXT NOT NULL, kasten INTEGER NOT NULL, faellig TEXT NOT NULL,
                   eingefuehrt TEXT NOT NULL, PRIMARY KEY(wort, schluessel)) WITHOUT ROWID;
CREATE INDEX zelle_faellig ON zelle(faellig);
CREATE INDEX zelle_eingefuehrt ON zelle(eingefuehrt);
CREATE TABLE uebungstag(lektion INTEGER NOT NULL REFERENCES lektion(id) ON DELETE CASCADE,
                        datum TEXT NOT NULL, richtig INTEGER NOT NULL DEFAULT 0,
                        falsch INTEGER NOT NULL DEFAULT 0,
                        PRIMARY KEY(lektion, datum)) WITHOUT ROWID;
CREATE INDEX wort_lektion ON wort(lektion);
CREATE INDEX antwort_wort ON antwort(wort);
INSERT INTO lektion VALUES(1, 'Meine Wörter', ''), (2, 'Verben', 'Plural Futur I Passiv Konjunktiv');
INSERT INTO einstellung VALUES('aktuelle_lektion', '2');
INSERT INTO wort VALUES(1, 1, 'ADJEKTIV', 'bonus' || char(10) || 'bona' || char(10) || 'bonum',
                        1, 36, 2, 1);
INSERT INTO wort VALUES(2, 2, 'VERBUM', 'laudo' || char(10) || 'laudare' || char(10) ||
                        'laudavi' || char(10) || 'laudatus', 0, 120, 3, 0);
INSERT INTO antwort(wort, schluessel, datum, richtig) VALUES
    (1, 'Femininum Genitiv Singular', '2026-02-01', 1),
    (1, 'Neutrum Ablativ Plural (2)', '2026-02-01', 0),
    (2, '2. Person Plural Futur I Indikativ Passiv – PR.IMP.F1. PASS.', '2026-02-03', 0),
    (2, '2. Person Plural Futur I Indikativ Passiv – PR.IMP.F1. PASS.', '2026-02-03', 1),
    (2, '3. Person Singular Plusquamperfekt Konjunktiv Aktiv – PF.PLQPF.F2. AKT.', '2026-02-03', 1),
    (2, '1. Person Plural Futur II Indikativ Passiv – PF.PLQPF.F2.PASS:', '2026-02-04', 0);
INSERT INTO zelle VALUES
    (1, 'Femininum Genitiv Singular', 5, '2026-03-01', '2026-02-01'),
    (1, 'Neutrum Ablativ Plural (2)', 1, '2026-02-01', '2026-02-01'),
    (2, '2. Person Plural Futur I Indikativ Passiv – PR.IMP.F1. PASS.', 2, '2026-02-05', '2026-02-03'),
    (2, '3. Person Singular Plusquamperfekt Konjunktiv Aktiv – PF.PLQPF.F2. AKT.', 1, '2026-02-04',
     '2026-02-03'),
    (2, '1. Person Plural Futur II Indikativ Passiv – PF.PLQPF.F2.PASS:', 1, '2026-02-04',
     '2026-02-04');
INSERT INTO uebungstag VALUES(1, '2026-02-01', 1, 1), (2, '2026-02-03', 2, 1),
                             (2, '2026-02-04', 0, 1);
PRAGMA user_version = 2;
)";

// Version 3, as the release before meanings wrote it: codes in place of labels, each cell's
// last verdict.
const std::string version3 = R"(
PRAGMA application_id = 1280591448;
CREATE TABLE lektion(id INTEGER PRIMARY KEY, name TEXT NOT NULL,
                     eingrenzung TEXT NOT NULL DEFAULT '');
CREATE TABLE wort(id INTEGER PRIMARY KEY,
                  lektion INTEGER NOT NULL REFERENCES lektion(id) ON DELETE CASCADE,
                  befehl TEXT NOT NULL, antworten TEXT NOT NULL,
                  im_drill INTEGER NOT NULL DEFAULT 1, zellen INTEGER NOT NULL DEFAULT 0,
                  beantwortet INTEGER NOT NULL DEFAULT 0, gelernt INTEGER NOT NULL DEFAULT 0,
                  richtig INTEGER NOT NULL DEFAULT 0);
CREATE TABLE antwort(id INTEGER PRIMARY KEY,
                     wort INTEGER NOT NULL REFERENCES wort(id) ON DELETE CASCADE,
                     schluessel TEXT NOT NULL, datum TEXT NOT NULL, richtig INTEGER NOT NULL);
CREATE TABLE einstellung(name TEXT PRIMARY KEY, wert TEXT NOT NULL);
CREATE TABLE zelle(wort INTEGER NOT NULL REFERENCES wort(id) ON DELETE CASCADE,
                   schluessel TEXT NOT NULL, kasten INTEGER NOT NULL, faellig TEXT NOT NULL,
                   eingefuehrt TEXT NOT NULL, richtig INTEGER NOT NULL DEFAULT 0,
                   PRIMARY KEY(wort, schluessel)) WITHOUT ROWID;
CREATE TABLE uebungstag(lektion INTEGER NOT NULL REFERENCES lektion(id) ON DELETE CASCADE,
                        datum TEXT NOT NULL, richtig INTEGER NOT NULL DEFAULT 0,
                        falsch INTEGER NOT NULL DEFAULT 0,
                        PRIMARY KEY(lektion, datum)) WITHOUT ROWID;
INSERT INTO lektion VALUES(1, 'Meine Wörter', ''), (2, 'Lektion 13', 'pl');
INSERT INTO einstellung VALUES('aktuelle_lektion', '2');
INSERT INTO wort VALUES(1, 2, 'subst', 'rex' || char(10) || 'regis', 1, 12, 1, 0, 1);
INSERT INTO wort VALUES(2, 1, 'verb', 'amo' || char(10) || 'amare' || char(10) || 'amavi' ||
                        char(10) || 'amatus', 1, 120, 0, 0, 0);
INSERT INTO antwort(wort, schluessel, datum, richtig) VALUES (1, 'gen.pl', '2026-04-01', 1);
INSERT INTO zelle VALUES (1, 'gen.pl', 2, '2026-04-03', '2026-04-01', 1);
INSERT INTO uebungstag VALUES(2, '2026-04-01', 1, 0);
PRAGMA user_version = 3;
)";

TEST(Migration, VonVersion1) {
    Ordner o;
    sql(o.datei(), version1);
    Database db(o.datei());
    EXPECT_EQ(db.aktuelleLektion(), 2);
    ASSERT_EQ(db.woerter(2).size(), 1u);
    EXPECT_EQ(db.woerter(2)[0].eingabe, (Eingabe{"SUBST", {"rosa", "rosae"}}));
    // right, right, wrong, right: box 1, box 2, box 1, box 2 due two days after the last.
    EXPECT_EQ(db.zellen(1), (std::vector<Zellenstand>{{"dat.sg", {1, tag("2026-03-05")}},
                                                      {"gen.pl", {2, tag("2026-03-06")}}}));
    EXPECT_EQ(db.eingefuehrt(tag("2026-03-01")), 1);
    EXPECT_EQ(db.uebungstage(2), (std::vector<Uebungstag>{{tag("2026-03-04"), 2, 1},
                                                          {tag("2026-03-02"), 1, 0},
                                                          {tag("2026-03-01"), 1, 0}}));
    EXPECT_EQ(db.woerter(2)[0].richtig, 2);
    EXPECT_EQ(db.antworte(1, "gen.pl", true, tag("2026-03-06")), (Kasten{3, tag("2026-03-10")}));
    EXPECT_FALSE(db.meldung());
    EXPECT_TRUE(abzug(o.datei()).starts_with(std::to_string(schema::version()) + "|\n"));
}

TEST(Migration, VonVersion2) {
    Ordner o;
    sql(o.datei(), version2);
    Database db(o.datei());
    EXPECT_EQ(db.aktuelleLektion(), 2);
    const auto w1 = db.wort(1);
    const auto w2 = db.wort(2);
    ASSERT_TRUE(w1 && w2);
    EXPECT_EQ(w1->eingabe, (Eingabe{"ADJEKTIV", {"bonus", "bona", "bonum"}}));
    EXPECT_EQ(w2->eingabe, (Eingabe{"VERBUM", {"laudo", "laudare", "laudavi", "laudatus"}}));
    EXPECT_FALSE(w2->imDrill);
    EXPECT_EQ(db.finde(w2->eingabe), 2);
    EXPECT_EQ(db.zellen(1), (std::vector<Zellenstand>{{"f.gen.sg", {5, tag("2026-03-01")}},
                                                      {"n.abl.pl#2", {1, tag("2026-02-01")}}}));
    EXPECT_EQ(db.zellen(2),
              (std::vector<Zellenstand>{{"perfakt:3.sg.plqpf.konj.akt", {1, tag("2026-02-04")}},
                                        {"perfpass:1.pl.fut2.ind.pass", {1, tag("2026-02-04")}},
                                        {"prpass:2.pl.fut1.ind.pass", {2, tag("2026-02-05")}}}));
    EXPECT_EQ(db.antworten(2).front(),
              (Antwort{2, "prpass:2.pl.fut1.ind.pass", tag("2026-02-03"), false}));
    EXPECT_EQ(db.eingrenzung(2), "pl fut1 pass konj");
    EXPECT_EQ(db.eingrenzung(1), "");
    EXPECT_EQ(db.uebungstage(2),
              (std::vector<Uebungstag>{{tag("2026-02-04"), 0, 1}, {tag("2026-02-03"), 2, 1}}));
    const auto lektionen = db.lektionen();
    ASSERT_EQ(lektionen.size(), 2u);
    EXPECT_EQ(lektionen[0], (Lektion{1, "Meine Wörter", 1, 36, 1, 2, 1}));
    EXPECT_EQ(lektionen[1], (Lektion{2, "Verben", 1, 120, 0, 3, 2}));
    EXPECT_FALSE(db.meldung());

    // The keys are those the program forms for these cells now.
    testing::Lauf lauf;
    Lektionen l(lauf.form, o.pfad / "andere.sqlite");
    std::vector<std::string> schluessel;
    for (const auto& seite : l.seiten(w2->eingabe))
        for (std::size_t b = 0; b < seite->bloecke.size(); ++b)
            for (std::size_t f = 0; f < seite->bloecke[b].formen.size(); ++f)
                schluessel.push_back(grammar::schluessel(*seite, b, f));
    for (const auto& z : db.zellen(2))
        EXPECT_NE(std::find(schluessel.begin(), schluessel.end(), z.schluessel), schluessel.end())
            << z.schluessel;
}

// The words keep all they had; none has a meaning or gender of its own yet, so the window
// shows the dictionary's.
TEST(Migration, VonVersion3) {
    Ordner o;
    sql(o.datei(), version3);
    Database db(o.datei());
    const auto rex = db.wort(1);
    ASSERT_TRUE(rex);
    EXPECT_EQ(rex->eingabe, (Eingabe{"SUBST", {"rex", "regis"}}));
    EXPECT_EQ(rex->bedeutung, std::nullopt);
    EXPECT_EQ(rex->genus, "");
    EXPECT_EQ(db.zellen(1), (std::vector<Zellenstand>{{"gen.pl", {2, tag("2026-04-03")}}}));
    EXPECT_EQ(db.eingrenzung(2), "pl");
    const auto lektionen = db.lektionen();
    ASSERT_EQ(lektionen.size(), 2u);
    EXPECT_EQ(lektionen[1], (Lektion{2, "Lektion 13", 1, 12, 0, 1, 1}));
    ASSERT_TRUE(db.setBedeutung(1, "König"));
    EXPECT_EQ(db.wort(1)->bedeutung, "König");
    EXPECT_FALSE(db.meldung());
    EXPECT_TRUE(abzug(o.datei()).starts_with(std::to_string(schema::version()) + "|\n"));
}

// A migration killed after each of its statements in turn: the store is the old one, byte for
// byte in every row, and the next start migrates it whole.
TEST(Migration, AbgebrochenZwischenAnweisungen) {
    for (const std::string* alt : {&version1, &version2, &version3}) {
        bool ganz = false;
        int nach = 1;
        for (; !ganz; ++nach) {
            Ordner o;
            sql(o.datei(), *alt);
            const std::string vorher = abzug(o.datei());
            const pid_t kind = ::fork();
            ASSERT_GE(kind, 0);
            if (kind == 0) {
                sqlite3* db = nullptr;
                sqlite3_open(o.datei().c_str(), &db);
                sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
                int anweisungen = 0;
                try {
                    schema::migriere(db, [&] {
                        if (++anweisungen == nach) ::kill(::getpid(), SIGKILL);
                    });
                } catch (const SqlError&) {
                    ::_exit(2);
                }
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(kind, &status, 0);
            ganz = WIFEXITED(status);
            ASSERT_TRUE(ganz ? WEXITSTATUS(status) == 0 : WTERMSIG(status) == SIGKILL) << status;
            if (!ganz) {
                EXPECT_EQ(abzug(o.datei()), vorher) << "killed after statement " << nach;
            }

            Database db(o.datei());
            EXPECT_EQ(db.lektionen().size(), 2u) << nach;
            EXPECT_FALSE(db.meldung()) << nach;
            EXPECT_TRUE(abzug(o.datei()).starts_with(std::to_string(schema::version()) + "|\n"));
            ASSERT_LT(nach, 100) << "the migration never ended";
        }
        EXPECT_GT(nach, alt == &version3 ? 2 : 8)
            << "killed too rarely to reach each statement of the last step";
    }
}

} // namespace
} // namespace latiflex::lektionen
