// SPDX-License-Identifier: GPL-3.0-or-later
// The lessons' store: the Leitner table, the schema migrated from every earlier version,
// nothing written before the first word, words, lessons and the days practised, and files
// that are damaged, foreign or cannot be written.
#include "lessons/database.h"
#include "lessons/statement.h"

#include "ordner.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace latiflex::lektionen {
namespace {

namespace fs = std::filesystem;

struct Schritt {
    const char* name;
    std::optional<Kasten> vorher;
    bool richtig;
    Kasten nachher;
};

class Leitner : public ::testing::TestWithParam<Schritt> {};

// Right: one box up, due after 1, 2, 4, 8, 16 days; wrong: box 1, asked again the same day.
TEST_P(Leitner, KastenUndFaelligkeit) {
    const Schritt& s = GetParam();
    EXPECT_EQ(nachAntwort(s.vorher, s.richtig, tag("2026-03-10")), s.nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Leitner,
    ::testing::Values(
        Schritt{"neuRichtig", std::nullopt, true, {1, tag("2026-03-11")}},
        Schritt{"neuFalsch", std::nullopt, false, {1, tag("2026-03-10")}},
        Schritt{"einsRichtig", Kasten{1, tag("2026-03-09")}, true, {2, tag("2026-03-12")}},
        Schritt{"zweiRichtig", Kasten{2, tag("2026-03-01")}, true, {3, tag("2026-03-14")}},
        Schritt{"dreiRichtig", Kasten{3, tag("2026-03-10")}, true, {4, tag("2026-03-18")}},
        Schritt{"vierRichtig", Kasten{4, tag("2026-03-10")}, true, {5, tag("2026-03-26")}},
        Schritt{"fuenfBleibt", Kasten{5, tag("2026-03-10")}, true, {5, tag("2026-03-26")}},
        Schritt{"fuenfFalsch", Kasten{5, tag("2026-03-10")}, false, {1, tag("2026-03-10")}},
        Schritt{"dreiFalsch", Kasten{3, tag("2026-03-02")}, false, {1, tag("2026-03-10")}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Pensum {
    const char* name;
    std::vector<Lernstand> lektionen;
    std::optional<LektionId> aktuelle;
    std::map<LektionId, int> heute;
};

class Tagespensum : public ::testing::TestWithParam<Pensum> {};

// A lesson's cells over three days, at least a noun's twelve, never more than it has; two
// lessons at once, begun first, then the current one, then in the order made.
TEST_P(Tagespensum, NeueZellenJeLektion) {
    const Pensum& p = GetParam();
    EXPECT_EQ(tagespensum(p.lektionen, p.aktuelle), p.heute);
}

const Datum montag = tag("2026-03-02");

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Tagespensum,
    ::testing::Values(
        Pensum{"wocheNeu", {{1, 360, 360, 0, {}}}, 1, {{1, 120}}},
        Pensum{"dreiTeileAufgerundet", {{1, 100, 100, 0, {}}}, 1, {{1, 34}}},
        Pensum{"kleineLektionZwoelf", {{1, 20, 20, 0, {}}}, 1, {{1, 12}}},
        Pensum{"nichtMehrAlsNeu", {{1, 20, 5, 0, montag}}, 1, {{1, 5}}},
        Pensum{"heuteSchonEingefuehrt", {{1, 360, 260, 100, montag}}, 1, {{1, 20}}},
        Pensum{"heuteFertig", {{1, 360, 240, 120, montag}}, 1, {}},
        Pensum{"ohneNeueKeine", {{1, 36, 0, 0, montag}}, 1, {}},
        Pensum{"aktuelleVorUnbegonnenen",
               {{1, 12, 12, 0, {}}, {2, 12, 12, 0, {}}, {3, 12, 12, 0, {}}},
               3,
               {{1, 12}, {3, 12}}},
        Pensum{"begonneneZuerst",
               {{1, 12, 12, 0, {}}, {2, 36, 30, 0, montag}, {3, 36, 20, 0, tag("2026-02-23")}},
               1,
               {{2, 12}, {3, 12}}},
        Pensum{"fertigeLassenDieNaechsteZu",
               {{1, 36, 0, 0, montag}, {2, 12, 12, 0, {}}, {3, 12, 12, 0, {}}},
               1,
               {{2, 12}, {3, 12}}},
        Pensum{"heuteFertigZaehltMit",
               {{1, 360, 240, 120, montag}, {2, 12, 12, 0, montag}, {3, 12, 12, 0, {}}},
               3,
               {{2, 12}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The statement wrapper alone, on a database in memory: values go in and come back as
// bound, a statement runs again after reset, and a fault carries SQLite's code.
TEST(Statement, BindenLesenFehler) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    execute(db, "CREATE TABLE t(a INTEGER, b TEXT); CREATE UNIQUE INDEX t_a ON t(a)");
    { // every statement finalized before the database is closed, or it stays open
        Statement einfuegen(db, "INSERT INTO t(a, b) VALUES(?, ?)");
        const std::string mitNull("x\0y", 3);
        einfuegen.bindAll(std::int64_t{1} << 40, std::string_view("Präsens")).run();
        einfuegen.reset();
        einfuegen.bindAll(2, std::string_view(mitNull)).run();
        einfuegen.reset();
        try {
            einfuegen.bindAll(2, std::string_view("doppelt")).run();
            ADD_FAILURE() << "a second row with a = 2";
        } catch (const SqlError& e) {
            EXPECT_EQ(e.code & 0xFF, SQLITE_CONSTRAINT);
            EXPECT_FALSE(e.damaged() || e.busy());
        }
        Statement lesen(db, "SELECT a, b FROM t ORDER BY a DESC");
        ASSERT_TRUE(lesen.step());
        EXPECT_EQ(lesen.integer(0), std::int64_t{1} << 40);
        EXPECT_EQ(lesen.text(1), "Präsens");
        ASSERT_TRUE(lesen.step());
        EXPECT_EQ(lesen.number(0), 2);
        EXPECT_EQ(lesen.text(1), mitNull) << "a text is read whole, past a NUL";
        EXPECT_FALSE(lesen.step());
        EXPECT_EQ(single(db, "SELECT count(*) FROM t"), 2);
        EXPECT_EQ(single(db, "SELECT a FROM t WHERE a = 99"), 0);
        EXPECT_THROW(Statement(db, "SELEKT 1"), SqlError);
        EXPECT_THROW(execute(db, "INSERT INTO fehlt VALUES(1)"), SqlError);
    }
    EXPECT_EQ(sqlite3_close(db), SQLITE_OK);
}

TEST(Datum, TextUndZurueck) {
    EXPECT_EQ(text(tag("2028-02-29")), "2028-02-29");
    EXPECT_EQ(text(tag("2026-12-31") + std::chrono::days{1}), "2027-01-01");
    for (const char* falsch : {"2026-02-29", "2026-13-01", "2026-1-01", "heute", "", "2026-03-0x"})
        EXPECT_FALSE(datumAus(falsch)) << falsch;
}

TEST(Database, NichtsGeschriebenVorDemErstenWort) {
    Ordner o;
    Database db(o.datei());
    EXPECT_TRUE(db.lektionen().empty());
    EXPECT_FALSE(db.aktuelleLektion());
    EXPECT_FALSE(db.finde({"SUBST", {"rosa", "rosae"}}));
    EXPECT_EQ(db.anzahlFaellig(tag("2026-03-10")), 0);
    EXPECT_FALSE(fs::exists(o.pfad / "lektionen.sqlite"));

    const auto rosa = db.hinzufuegen({"SUBST", {"rosa", "rosae"}});
    ASSERT_TRUE(rosa);
    EXPECT_TRUE(fs::exists(o.datei()));
    const auto l = db.lektionen();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].name, "Meine Wörter");
    EXPECT_EQ(l[0].woerter, 1);
    EXPECT_EQ(db.aktuelleLektion(), l[0].id);
    EXPECT_FALSE(db.meldung());
}

TEST(Database, WoerterUndLektionen) {
    Ordner o;
    Database db(o.datei());
    const Eingabe seltsam{"VERBUM", {"a\\nb", "zwei\nZeilen", "", "x, y"}};
    const auto w1 = *db.hinzufuegen({"SUBST", {"rosa", "rosae"}});
    EXPECT_EQ(db.hinzufuegen({"SUBST", {"rosa", "rosae"}}), w1) << "twice in one lesson";
    const auto w2 = *db.hinzufuegen(seltsam);
    EXPECT_EQ(db.wort(w2)->eingabe, seltsam) << "answers kept byte for byte";
    EXPECT_EQ(db.finde(seltsam), w2);

    const auto meine = *db.aktuelleLektion();
    const auto l12 = *db.anlegen("Lektion 12");
    EXPECT_EQ(db.anlegen("Lektion 12"), l12 + 1);
    EXPECT_EQ(db.lektionen().back().name, "Lektion 12 (2)");
    ASSERT_TRUE(db.setAktuelleLektion(l12));
    const auto w3 = *db.hinzufuegen({"ADJEKTIV", {"bonus", "bona", "bonum"}});
    EXPECT_EQ(db.wort(w3)->lektion, l12);
    EXPECT_TRUE(db.verschieben(w1, l12));
    EXPECT_FALSE(db.verschieben(w1, 9999));
    EXPECT_TRUE(db.setImDrill(w3, false));
    EXPECT_TRUE(db.umbenennen(l12, "Woche 3"));

    const auto woerter = db.woerter(l12);
    ASSERT_EQ(woerter.size(), 2u);
    EXPECT_EQ(woerter[0].id, w1);
    EXPECT_FALSE(woerter[1].imDrill);
    EXPECT_EQ(db.lektionen()[1].name, "Woche 3");

    EXPECT_TRUE(db.entfernen(w2));
    EXPECT_FALSE(db.wort(w2));
    EXPECT_TRUE(db.loeschen(meine));
    EXPECT_EQ(db.aktuelleLektion(), l12);
    ASSERT_EQ(db.lektionen().size(), 2u);
    EXPECT_TRUE(db.loeschen(l12 + 1));
    EXPECT_FALSE(db.loeschen(l12)) << "the last lesson stays";
    EXPECT_EQ(db.lektionen().size(), 1u);
}

// A text read is kept once, while edited and when read again; its readings by form and
// occurrence; the list shows the last read first, without the texts themselves.
TEST(Database, GeleseneTexte) {
    Ordner o;
    Database db(o.datei());
    EXPECT_TRUE(db.texte().empty());
    const auto gallia = *db.textBehalten({}, "Caesar", "Gallia est omnis", tag("2026-03-01"));
    EXPECT_EQ(db.textBehalten(gallia, "Caesar", "Gallia est omnis divisa", tag("2026-03-01")),
              gallia)
        << "edited, it stays one text";
    const auto lupus = *db.textBehalten({}, "Lupus", "Ad rivum eundem", tag("2026-03-02"));
    EXPECT_NE(lupus, gallia);
    EXPECT_EQ(db.textBehalten({}, "Caesar I", "Gallia est omnis divisa", tag("2026-03-03")), gallia)
        << "the same content read again";
    EXPECT_EQ(db.texte(), (std::vector<GelesenerText>{{gallia, "Caesar I", "", tag("2026-03-03")},
                                                      {lupus, "Lupus", "", tag("2026-03-02")}}));
    EXPECT_EQ(db.gelesenerText(gallia)->inhalt, "Gallia est omnis divisa");
    EXPECT_FALSE(db.gelesenerText(9999));

    const Textwahl est{"est", 0, "sum, esse, fui|3.sg.praes.ind.akt"};
    const Textwahl zweites{"in", 1, "in|"};
    EXPECT_TRUE(db.setTextwahl(gallia, est));
    EXPECT_TRUE(db.setTextwahl(gallia, zweites));
    EXPECT_TRUE(db.setTextwahl(gallia, {"est", 0, "edo, esse, edi, esus|3.sg.praes.ind.akt"}));
    EXPECT_FALSE(db.setTextwahl(9999, est)) << "no such text";
    EXPECT_EQ(
        db.textwahl(gallia),
        (std::vector<Textwahl>{{"est", 0, "edo, esse, edi, esus|3.sg.praes.ind.akt"}, zweites}));
    EXPECT_TRUE(db.setTextwahl(gallia, {"in", 1, ""}));
    EXPECT_EQ(db.textwahl(gallia).size(), 1u) << "an empty reading forgets the choice";
    EXPECT_TRUE(db.textwahl(lupus).empty());
}

TEST(Database, AntwortenKaestenUndTage) {
    Ordner o;
    Database db(o.datei());
    const auto w = *db.hinzufuegen({"SUBST", {"rosa", "rosae"}});
    ASSERT_TRUE(db.setZellenzahl(w, 12));
    const LektionId meine = *db.aktuelleLektion();
    EXPECT_EQ(db.lernstand(tag("2026-03-02")),
              (std::vector<Lernstand>{{meine, 12, 12, 0, std::nullopt}}));
    EXPECT_EQ(db.antworte(w, "gen.pl", true, tag("2026-03-02")), (Kasten{1, tag("2026-03-03")}));
    EXPECT_EQ(db.antworte(w, "dat.pl", false, tag("2026-03-02")), (Kasten{1, tag("2026-03-02")}));
    EXPECT_EQ(db.eingefuehrt(tag("2026-03-02")), 2);
    EXPECT_EQ(db.lernstand(tag("2026-03-02")),
              (std::vector<Lernstand>{{meine, 12, 10, 2, tag("2026-03-02")}}));
    EXPECT_EQ(db.lernstand(tag("2026-03-03")),
              (std::vector<Lernstand>{{meine, 12, 10, 0, tag("2026-03-02")}}));
    EXPECT_EQ(db.anzahlFaellig(tag("2026-03-02")), 1);
    EXPECT_EQ(db.faellig(tag("2026-03-03")),
              (std::vector<FaelligeZelle>{{w, "dat.pl"}, {w, "gen.pl"}}));
    for (const char* t : {"2026-03-03", "2026-03-05", "2026-03-09", "2026-03-17"})
        db.antworte(w, "gen.pl", true, tag(t));
    EXPECT_EQ(db.zellen(w)[1].kasten, (Kasten{5, tag("2026-04-02")}));
    auto l = db.lektionen()[0];
    EXPECT_EQ(l.zellen, 12);
    EXPECT_EQ(l.gelernt, 1);
    EXPECT_EQ(l.geuebt, 2);
    EXPECT_EQ(l.richtig, 1);
    // The cell answered wrong, then right: right counts its last answer only.
    db.antworte(w, "dat.pl", true, tag("2026-03-17"));
    db.antworte(w, "gen.pl", false, tag("2026-03-18"));
    l = db.lektionen()[0];
    EXPECT_EQ(l.richtig, 1);
    EXPECT_EQ(l.gelernt, 0);
    EXPECT_EQ(db.antworten(w).size(), 8u);
    EXPECT_EQ(db.uebungstage(l.id).back(), (Uebungstag{tag("2026-03-02"), 1, 1}));
    EXPECT_EQ(db.uebungstage(l.id).size(), 6u);
    ASSERT_TRUE(db.setImDrill(w, false));
    EXPECT_EQ(db.anzahlFaellig(tag("2026-03-03")), 0);
    ASSERT_TRUE(db.setEingrenzung(l.id, "pl praes"));
    EXPECT_EQ(db.eingrenzung(l.id), "pl praes");
}

TEST(Migration, VonVersion0LeereDatei) {
    Ordner o;
    std::ofstream(o.datei()).flush();
    Database db(o.datei());
    ASSERT_EQ(db.lektionen().size(), 1u);
    EXPECT_EQ(db.lektionen()[0].name, "Meine Wörter");
    EXPECT_TRUE(db.hinzufuegen({"SUBST", {"rosa", "rosae"}}));
    EXPECT_FALSE(db.meldung());
}

// Files that are not a database of this program are kept aside, never deleted.
TEST(Database, FremdeUndBeschaedigteDateien) {
    const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> faelle{
        {"Text", [](const fs::path& p) { std::ofstream(p) << "SUBST rosa, rosae\n"; }},
        {"fremde Datenbank", [](const fs::path& p) { sql(p, "CREATE TABLE notes(x);"); }},
        {"zerstoert",
         [](const fs::path& p) {
             sql(p, "PRAGMA application_id = 1280591448; CREATE TABLE lektion(id INTEGER "
                    "PRIMARY KEY, name TEXT); CREATE TABLE wort(id INTEGER PRIMARY KEY); "
                    "INSERT INTO lektion VALUES(1, 'Meine Wörter'); PRAGMA user_version = 1;");
             std::fstream f(p, std::ios::in | std::ios::out | std::ios::binary);
             f.seekp(100);
             f << std::string(2000, '\xA5');
         }},
    };
    for (const auto& [name, mache] : faelle) {
        Ordner o;
        mache(o.datei());
        const auto groesse = fs::file_size(o.datei());
        Database db(o.datei());
        EXPECT_TRUE(db.hinzufuegen({"SUBST", {"rosa", "rosae"}})) << name;
        const auto m = db.meldung();
        ASSERT_TRUE(m) << name;
        EXPECT_NE(m->find("beschädigt oder gehört nicht zu diesem Programm"), std::string::npos);
        EXPECT_NE(m->find("lektionen.sqlite.beschaedigt-"), std::string::npos) << *m;
        int beiseite = 0;
        for (const auto& e : fs::directory_iterator(o.pfad))
            if (e.path().filename().string().starts_with("lektionen.sqlite.beschaedigt-") &&
                e.path().extension() != ".sqlite-wal") {
                ++beiseite;
                EXPECT_EQ(fs::file_size(e.path()), groesse) << name;
            }
        EXPECT_EQ(beiseite, 1) << name;
        EXPECT_EQ(db.lektionen().size(), 1u) << name;
        EXPECT_EQ(db.lektionen()[0].woerter, 1) << name;
    }
}

TEST(Database, NeuereFassungBleibtUnberuehrt) {
    Ordner o;
    sql(o.datei(), "PRAGMA application_id = 1280591448; CREATE TABLE x(y); PRAGMA "
                   "user_version = 99;");
    Database db(o.datei());
    EXPECT_FALSE(db.hinzufuegen({"SUBST", {"rosa", "rosae"}}));
    EXPECT_TRUE(db.meldung());
    EXPECT_FALSE(db.speichert());
}

// A data folder that cannot be made (a file stands in its place, as a read-only disk refuses
// it even to root).
TEST(Database, OrdnerNichtBeschreibbar) {
    Ordner o;
    std::ofstream(o.pfad / "latiflex") << "kein Ordner";
    Database db(o.pfad / "latiflex" / "lektionen.sqlite");
    EXPECT_FALSE(db.hinzufuegen({"SUBST", {"rosa", "rosae"}}));
    const auto m = db.meldung();
    ASSERT_TRUE(m);
    EXPECT_NE(m->find("ohne zu speichern"), std::string::npos) << *m;
    EXPECT_FALSE(db.speichert());
    EXPECT_TRUE(db.lektionen().empty());
}

} // namespace
} // namespace latiflex::lektionen
