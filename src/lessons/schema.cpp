// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/schema.h"

#include "lessons/database.h"
#include "lessons/leitner.h"
#include "lessons/statement.h"

#include <sqlite3.h>

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace latiflex::lektionen::schema {

namespace {

// Runs a step's statements, telling the caller after each.
class Schritt {
public:
    Schritt(sqlite3* db, const std::function<void()>& nachAnweisung)
        : db_(db), nachAnweisung_(nachAnweisung) {}
    sqlite3* db() const { return db_; }
    /// Runs the statements of `sql` one by one.
    void run(std::string_view sql) {
        std::string rest(sql);
        while (!rest.empty()) {
            const char* ende = nullptr;
            sqlite3_stmt* s = nullptr;
            check(sqlite3_prepare_v2(db_, rest.c_str(), -1, &s, &ende));
            const auto gelesen = static_cast<std::size_t>(ende - rest.c_str());
            if (s) {
                int rc = SQLITE_ROW;
                while (rc == SQLITE_ROW)
                    rc = sqlite3_step(s);
                sqlite3_finalize(s);
                check(rc);
                angewandt();
            }
            rest.erase(0, gelesen);
        }
    }
    /// Tells the caller that a statement ran.
    void angewandt() const {
        if (nachAnweisung_) nachAnweisung_();
    }

private:
    sqlite3* db_;
    const std::function<void()>& nachAnweisung_;
};

// Version 1: lessons, words and every answer; the boxes were worked out from the answers.
void version1(Schritt& s) {
    s.run(R"(
CREATE TABLE lektion(id INTEGER PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE wort(id INTEGER PRIMARY KEY,
                  lektion INTEGER NOT NULL REFERENCES lektion(id) ON DELETE CASCADE,
                  befehl TEXT NOT NULL, antworten TEXT NOT NULL,
                  im_drill INTEGER NOT NULL DEFAULT 1);
CREATE TABLE antwort(id INTEGER PRIMARY KEY,
                     wort INTEGER NOT NULL REFERENCES wort(id) ON DELETE CASCADE,
                     schluessel TEXT NOT NULL, datum TEXT NOT NULL, richtig INTEGER NOT NULL);
CREATE TABLE einstellung(name TEXT PRIMARY KEY, wert TEXT NOT NULL);
)");
    Statement(s.db(), "INSERT INTO lektion(name) VALUES(?)").bind(1, ersteLektion).run();
    s.run("INSERT INTO einstellung(name, wert) VALUES('aktuelle_lektion', last_insert_rowid())");
}

// Version 2 keeps each cell's box, the count of cells per word and the days practised, so
// that listing the lessons and choosing a due cell read no answer; the narrowing per lesson.
void version2(Schritt& s) {
    s.run(R"(
ALTER TABLE lektion ADD COLUMN eingrenzung TEXT NOT NULL DEFAULT '';
ALTER TABLE wort ADD COLUMN zellen INTEGER NOT NULL DEFAULT 0;
ALTER TABLE wort ADD COLUMN beantwortet INTEGER NOT NULL DEFAULT 0;
ALTER TABLE wort ADD COLUMN gelernt INTEGER NOT NULL DEFAULT 0;
CREATE TABLE zelle(wort INTEGER NOT NULL REFERENCES wort(id) ON DELETE CASCADE,
                   schluessel TEXT NOT NULL, kasten INTEGER NOT NULL, faellig TEXT NOT NULL,
                   eingefuehrt TEXT NOT NULL, PRIMARY KEY(wort, schluessel)) WITHOUT ROWID;
CREATE INDEX zelle_faellig ON zelle(faellig);
CREATE INDEX zelle_eingefuehrt ON zelle(eingefuehrt);
CREATE TABLE uebungstag(lektion INTEGER NOT NULL REFERENCES lektion(id) ON DELETE CASCADE,
                        datum TEXT NOT NULL, richtig INTEGER NOT NULL DEFAULT 0,
                        falsch INTEGER NOT NULL DEFAULT 0,
                        PRIMARY KEY(lektion, datum)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS wort_lektion ON wort(lektion);
CREATE INDEX IF NOT EXISTS antwort_wort ON antwort(wort);
INSERT INTO uebungstag(lektion, datum, richtig, falsch)
    SELECT w.lektion, a.datum, SUM(a.richtig), SUM(1 - a.richtig)
    FROM antwort a JOIN wort w ON w.id = a.wort GROUP BY w.lektion, a.datum;
)");
    // The boxes from the answers, in the order given, by the rule that placed them.
    std::map<std::pair<std::int64_t, std::string>, std::pair<Kasten, Datum>> zellen;
    Statement a(s.db(), "SELECT wort, schluessel, datum, richtig FROM antwort ORDER BY id");
    while (a.step()) {
        const Datum tag = datumAus(a.text(2)).value_or(Datum{});
        auto [it, neu] = zellen.try_emplace({a.integer(0), a.text(1)});
        const std::optional<Kasten> vorher = neu ? std::nullopt : std::optional(it->second.first);
        if (neu) it->second.second = tag;
        it->second.first = nachAntwort(vorher, a.number(3) != 0, tag);
    }
    Statement z(s.db(), "INSERT INTO zelle(wort, schluessel, kasten, faellig, eingefuehrt) "
                        "VALUES(?, ?, ?, ?, ?)");
    for (const auto& [schluessel, stand] : zellen) {
        z.bindAll(schluessel.first, schluessel.second, stand.first.nummer,
                  text(stand.first.faellig), text(stand.second))
            .run();
        z.reset();
    }
    s.angewandt();
    s.run("UPDATE wort SET beantwortet = (SELECT count(*) FROM zelle WHERE zelle.wort = wort.id), "
          "gelernt = (SELECT count(*) FROM zelle WHERE zelle.wort = wort.id AND zelle.kasten = 5)");
}

// Up to version 2 a cell was stored under its German label, a verb's with its page's caption
// ("1. Person Singular Präsens Indikativ Aktiv – PR.IMP.F1. AKT."), the narrowing as labels
// and the command as its caption. These are the words those versions wrote, kept here as
// they were whatever the labels say today, and the codes they stand for.
constexpr std::array<std::pair<std::string_view, std::string_view>, 24> alteWoerter{{
    {"Nominativ", "nom"},         {"Genitiv", "gen"},   {"Dativ", "dat"},
    {"Akkusativ", "akk"},         {"Vokativ", "vok"},   {"Ablativ", "abl"},
    {"Singular", "sg"},           {"Plural", "pl"},     {"Maskulinum", "m"},
    {"Femininum", "f"},           {"Neutrum", "n"},     {"1. Person", "1"},
    {"2. Person", "2"},           {"3. Person", "3"},   {"Präsens", "praes"},
    {"Imperfekt", "impf"},        {"Futur I", "fut1"},  {"Perfekt", "perf"},
    {"Plusquamperfekt", "plqpf"}, {"Futur II", "fut2"}, {"Indikativ", "ind"},
    {"Konjunktiv", "konj"},       {"Aktiv", "akt"},     {"Passiv", "pass"},
}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> alteSeiten{{
    {"PR.IMP.F1. AKT.", "prakt"},
    {"PR.IMP.F1. PASS.", "prpass"},
    {"PF.PLQPF.F2. AKT.", "perfakt"},
    {"PF.PLQPF.F2.PASS:", "perfpass"},
}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> alteBefehle{{
    {"SUBST", "subst"},
    {"ADJEKTIV", "adj"},
    {"VERBUM", "verb"},
}};

// The codes of the old words in `text` joined by `trenner`, or nothing when a word is unknown.
std::optional<std::string> codes(std::string_view text, char trenner) {
    std::string aus;
    while (true) {
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        if (text.empty()) return aus;
        const std::pair<std::string_view, std::string_view>* bestes = nullptr;
        for (const auto& w : alteWoerter)
            if (text.starts_with(w.first) &&
                (text.size() == w.first.size() || text[w.first.size()] == ' ') &&
                (!bestes || w.first.size() > bestes->first.size()))
                bestes = &w;
        if (!bestes) return std::nullopt;
        if (!aus.empty()) aus += trenner;
        aus += bestes->second;
        text.remove_prefix(bestes->first.size());
    }
}

// An old cell key as the new one; a text no old version wrote stays as it was.
std::string neuerSchluessel(std::string_view alt) {
    std::string_view rest = alt;
    std::string stelle;
    if (rest.ends_with(")")) {
        const auto auf = rest.rfind(" (");
        if (auf != std::string_view::npos) {
            stelle = "#" + std::string(rest.substr(auf + 2, rest.size() - auf - 3));
            rest = rest.substr(0, auf);
        }
    }
    std::string seite;
    if (const auto strich = rest.find(" – "); strich != std::string_view::npos) {
        const std::string_view caption = rest.substr(strich + std::string_view(" – ").size());
        for (const auto& [alteSeite, code] : alteSeiten)
            if (caption == alteSeite) seite = std::string(code) + ":";
        if (seite.empty()) return std::string(alt);
        rest = rest.substr(0, strich);
    }
    const auto zelle = codes(rest, '.');
    if (!zelle || zelle->empty()) return std::string(alt);
    return seite + *zelle + stelle;
}

std::string neueEingrenzung(std::string_view alt) {
    return codes(alt, ' ').value_or(std::string(alt));
}

std::string neuerBefehl(std::string_view alt) {
    for (const auto& [caption, code] : alteBefehle)
        if (alt == caption) return std::string(code);
    return std::string(alt);
}

// Registers `f` as the SQL function `name` of one text argument for this connection.
template <std::string (*f)(std::string_view)> void sqlFunktion(sqlite3* db, const char* name) {
    const auto aufruf = [](sqlite3_context* c, int, sqlite3_value** werte) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(werte[0]));
        const std::string aus =
            f(t ? std::string_view(t, static_cast<std::size_t>(sqlite3_value_bytes(werte[0])))
                : std::string_view());
        sqlite3_result_text64(c, aus.data(), aus.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    };
    check(sqlite3_create_function_v2(db, name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                     aufruf, nullptr, nullptr, nullptr));
}

// Version 3 stores codes of the grammar's values, never labels (a label's wording may
// change, the pupil's progress must not), and each cell's last verdict, so that a lesson
// tells how many of its forms were answered right.
void version3(Schritt& s) {
    sqlFunktion<neuerSchluessel>(s.db(), "latiflex_v2_schluessel");
    sqlFunktion<neueEingrenzung>(s.db(), "latiflex_v2_eingrenzung");
    sqlFunktion<neuerBefehl>(s.db(), "latiflex_v2_befehl");
    s.run(R"(
UPDATE antwort SET schluessel = latiflex_v2_schluessel(schluessel);
UPDATE zelle SET schluessel = latiflex_v2_schluessel(schluessel);
UPDATE lektion SET eingrenzung = latiflex_v2_eingrenzung(eingrenzung);
UPDATE wort SET befehl = latiflex_v2_befehl(befehl);
ALTER TABLE zelle ADD COLUMN richtig INTEGER NOT NULL DEFAULT 0;
ALTER TABLE wort ADD COLUMN richtig INTEGER NOT NULL DEFAULT 0;
UPDATE zelle SET richtig = coalesce((SELECT a.richtig FROM antwort a WHERE a.wort = zelle.wort
    AND a.schluessel = zelle.schluessel ORDER BY a.id DESC LIMIT 1), 0);
UPDATE wort SET richtig = (SELECT count(*) FROM zelle WHERE zelle.wort = wort.id AND zelle.richtig);
)");
}

// Version 4 keeps each word's German meaning and a noun's gender as the pupil or a lesson file
// gave them. A meaning never given is NULL: the window then shows the dictionary's, which may
// change with the installed dictionary and is therefore never copied into the store.
void version4(Schritt& s) {
    s.run(R"(
ALTER TABLE wort ADD COLUMN bedeutung TEXT;
ALTER TABLE wort ADD COLUMN genus TEXT NOT NULL DEFAULT '';
)");
}

// Version 5 keeps the texts the pupil read, with the readings chosen in them: a word by its
// form and which occurrence of it, so a choice survives edits elsewhere in the text; `folge`
// orders the texts by when they were last read, within a day too.
void version5(Schritt& s) {
    s.run(R"(
CREATE TABLE text(id INTEGER PRIMARY KEY, titel TEXT NOT NULL, inhalt TEXT NOT NULL,
                  gelesen TEXT NOT NULL, folge INTEGER NOT NULL);
CREATE INDEX text_folge ON text(folge);
CREATE TABLE textwahl(text INTEGER NOT NULL REFERENCES text(id) ON DELETE CASCADE,
                      form TEXT NOT NULL, vorkommen INTEGER NOT NULL, lesart TEXT NOT NULL,
                      PRIMARY KEY(text, form, vorkommen)) WITHOUT ROWID;
)");
}

// Step n brings a file of version n to version n + 1.
constexpr std::array<void (*)(Schritt&), 5> schritte{version1, version2, version3, version4,
                                                     version5};

} // namespace

int version() { return static_cast<int>(schritte.size()); }

void migriere(sqlite3* db, const std::function<void()>& nachAnweisung) {
    execute(db, "BEGIN IMMEDIATE");
    try {
        Schritt schritt(db, nachAnweisung);
        // Another window may have migrated while this one waited for the lock.
        for (auto von = static_cast<std::size_t>(single(db, "PRAGMA user_version"));
             von < schritte.size(); ++von)
            schritte[von](schritt);
        execute(db, ("PRAGMA application_id = " + std::to_string(anwendung)).c_str());
        execute(db, ("PRAGMA user_version = " + std::to_string(version())).c_str());
        execute(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

} // namespace latiflex::lektionen::schema
