#include "lessons/database.h"

#include <sqlite3.h>

#include <map>
#include <system_error>
#include <thread>
#include <utility>

namespace latiflex::lektionen {

namespace {

// An SQLite call that failed, with its result code; caught where a change or a read ends.
struct SqlFehler {
    int code;
};

void pruefe(int code) {
    if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE) throw SqlFehler{code};
}

// The schema of version 1: lessons, words and every answer; the boxes were worked out from
// the answers.
constexpr const char* schema1 = R"(
CREATE TABLE lektion(id INTEGER PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE wort(id INTEGER PRIMARY KEY,
                  lektion INTEGER NOT NULL REFERENCES lektion(id) ON DELETE CASCADE,
                  befehl TEXT NOT NULL, antworten TEXT NOT NULL,
                  im_drill INTEGER NOT NULL DEFAULT 1);
CREATE TABLE antwort(id INTEGER PRIMARY KEY,
                     wort INTEGER NOT NULL REFERENCES wort(id) ON DELETE CASCADE,
                     schluessel TEXT NOT NULL, datum TEXT NOT NULL, richtig INTEGER NOT NULL);
CREATE TABLE einstellung(name TEXT PRIMARY KEY, wert TEXT NOT NULL);
)";

// Version 2 keeps each cell's box, the count of cells per word and the days practised, so
// that listing the lessons and choosing a due cell read no answer; the narrowing per lesson.
constexpr const char* schema2 = R"(
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
)";

// The answers as one text: each on its own line, a backslash and a line feed escaped.
std::string verbunden(const std::vector<std::string>& antworten) {
    std::string aus;
    for (std::size_t i = 0; i < antworten.size(); ++i) {
        if (i > 0) aus += '\n';
        for (const char c : antworten[i]) {
            if (c == '\\')
                aus += "\\\\";
            else if (c == '\n')
                aus += "\\n";
            else
                aus += c;
        }
    }
    return aus;
}

std::vector<std::string> getrennt(std::string_view text) {
    std::vector<std::string> aus(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            aus.emplace_back();
        } else if (text[i] == '\\' && i + 1 < text.size()) {
            aus.back() += text[++i] == 'n' ? '\n' : text[i];
        } else {
            aus.back() += text[i];
        }
    }
    return aus;
}

} // namespace

/// A prepared statement: binds by position, steps, reads columns, finalizes itself.
class Anweisung {
public:
    Anweisung(sqlite3* db, std::string_view sql) : db_(db) {
        pruefe(sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &s_, nullptr));
    }
    ~Anweisung() { sqlite3_finalize(s_); }
    Anweisung(const Anweisung&) = delete;
    Anweisung& operator=(const Anweisung&) = delete;

    Anweisung& bind(int i, std::int64_t v) {
        pruefe(sqlite3_bind_int64(s_, i, v));
        return *this;
    }
    Anweisung& bind(int i, std::string_view v) {
        pruefe(sqlite3_bind_text64(s_, i, v.data(), v.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
        return *this;
    }
    /// The next row: true while there is one.
    bool zeile() {
        const int rc = sqlite3_step(s_);
        pruefe(rc);
        return rc == SQLITE_ROW;
    }
    void ausfuehren() {
        while (zeile()) {
        }
    }
    void neu() {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
    std::int64_t zahl(int i) const { return sqlite3_column_int64(s_, i); }
    int klein(int i) const { return sqlite3_column_int(s_, i); }
    std::string text(int i) const {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, i));
        return t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(s_, i)))
                 : std::string();
    }
    Datum datum(int i) const { return datumAus(text(i)).value_or(Datum{}); }

private:
    sqlite3* db_;
    sqlite3_stmt* s_ = nullptr;
};

namespace {

void ausfuehren(sqlite3* db, const char* sql) {
    pruefe(sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}

// Binds `werte` to the statement's parameters 1, 2, ... in order.
template <class... W> void binde(Anweisung& a, const W&... werte) {
    int i = 0;
    (a.bind(++i, werte), ...);
}

std::int64_t einzeln(sqlite3* db, std::string_view sql) {
    Anweisung a(db, sql);
    return a.zeile() ? a.zahl(0) : 0;
}

bool damaged(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

} // namespace

Database::Database(std::filesystem::path datei) : datei_(std::move(datei)) {}

Database::~Database() { schliessen(); }

void Database::schliessen() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

std::optional<std::string> Database::meldung() { return std::exchange(meldung_, std::nullopt); }

bool Database::offen(Zugang zugang) {
    if (db_) return true;
    if (!speichert_ && zugang == Zugang::schreiben) return false;
    std::error_code ec;
    const bool da = std::filesystem::exists(datei_, ec);
    if (!da) {
        if (zugang == Zugang::lesen) return false;
        std::filesystem::create_directories(datei_.parent_path(), ec);
    }
    const int flags = SQLITE_OPEN_READWRITE | (da ? 0 : SQLITE_OPEN_CREATE) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(datei_.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        schliessen();
        if (zugang == Zugang::schreiben) fehler(rc);
        return false;
    }
    sqlite3_busy_timeout(db_, 5000);
    sqlite3_extended_result_codes(db_, 1);
    // A window starting the store at the same moment holds it briefly; it is waited for.
    for (int versuch = 0;; ++versuch) {
        try {
            return pruefeUndMigriere();
        } catch (const SqlFehler& f) {
            const int primary = f.code & 0xFF;
            if ((primary == SQLITE_BUSY || primary == SQLITE_LOCKED) && versuch < 500) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                continue;
            }
            if (damaged(f.code)) {
                beiseitelegen();
                return offen(zugang);
            }
            schliessen();
            fehler(f.code);
            return false;
        }
    }
}

bool Database::pruefeUndMigriere() {
    // One statement reads one state of the file: another window may be creating it.
    std::int32_t anwendungsId = 0;
    int version = 0;
    bool leer = true;
    {
        Anweisung kopf(db_, "SELECT a.application_id, v.user_version, (SELECT count(*) FROM "
                            "sqlite_master) FROM pragma_application_id a, pragma_user_version v");
        kopf.zeile();
        anwendungsId = static_cast<std::int32_t>(kopf.zahl(0));
        version = kopf.klein(1);
        leer = kopf.zahl(2) == 0;
    }
    if (!leer && anwendungsId != anwendung) throw SqlFehler{SQLITE_NOTADB};
    if (version > schemaVersion) {
        schliessen();
        speichert_ = false;
        meldung_ = "Die Lektionen wurden von einer neueren Fassung des Programms gespeichert. "
                   "Diese Fassung verändert sie nicht und arbeitet ohne zu speichern weiter.";
        return false;
    }
    ausfuehren(db_, "PRAGMA foreign_keys = ON");
    Anweisung(db_, "PRAGMA journal_mode = WAL").zeile();
    ausfuehren(db_, "PRAGMA synchronous = NORMAL");
    if (version < schemaVersion) return migriere(version);
    return true;
}

bool Database::migriere(int von) {
    ausfuehren(db_, "BEGIN IMMEDIATE");
    try {
        // Another window may have migrated while this one waited for the lock.
        von = static_cast<int>(einzeln(db_, "PRAGMA user_version"));
        if (von < 1) {
            ausfuehren(db_, schema1);
            Anweisung(db_, "INSERT INTO lektion(name) VALUES(?)")
                .bind(1, ersteLektion)
                .ausfuehren();
            ausfuehren(db_, "INSERT INTO einstellung(name, wert) "
                            "VALUES('aktuelle_lektion', last_insert_rowid())");
        }
        if (von < 2) {
            ausfuehren(db_, schema2);
            // The boxes from the answers, in the order given, by the rule that placed them.
            std::map<std::pair<std::int64_t, std::string>, std::pair<Kasten, Datum>> zellen;
            Anweisung a(db_, "SELECT wort, schluessel, datum, richtig FROM antwort ORDER BY id");
            while (a.zeile()) {
                auto [it, neu] = zellen.try_emplace({a.zahl(0), a.text(1)});
                const std::optional<Kasten> vorher =
                    neu ? std::nullopt : std::optional(it->second.first);
                if (neu) it->second.second = a.datum(2);
                it->second.first = nachAntwort(vorher, a.klein(3) != 0, a.datum(2));
            }
            Anweisung z(db_, "INSERT INTO zelle(wort, schluessel, kasten, faellig, eingefuehrt) "
                             "VALUES(?, ?, ?, ?, ?)");
            for (const auto& [schluessel, stand] : zellen) {
                z.bind(1, schluessel.first).bind(2, schluessel.second);
                z.bind(3, stand.first.nummer).bind(4, text(stand.first.faellig));
                z.bind(5, text(stand.second)).ausfuehren();
                z.neu();
            }
            ausfuehren(db_, "UPDATE wort SET beantwortet = (SELECT count(*) FROM zelle "
                            "WHERE zelle.wort = wort.id), gelernt = (SELECT count(*) FROM zelle "
                            "WHERE zelle.wort = wort.id AND zelle.kasten = 5)");
        }
        ausfuehren(db_, "PRAGMA application_id = 1280591448");
        ausfuehren(db_, "PRAGMA user_version = 2");
        ausfuehren(db_, "COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    return true;
}

void Database::beiseitelegen() {
    schliessen();
    std::error_code ec;
    const std::string basis = datei_.string() + ".beschaedigt-" + text(heute());
    std::filesystem::path ziel = basis;
    for (int n = 2; std::filesystem::exists(ziel, ec); ++n)
        ziel = basis + "-" + std::to_string(n);
    std::filesystem::rename(datei_, ziel, ec);
    if (ec) {
        speichert_ = false;
        meldung_ = "Die Datei der Lektionen „" + datei_.string() +
                   "“ ist beschädigt oder gehört nicht zu diesem Programm, und sie lässt sich "
                   "nicht beiseitelegen. Das Programm arbeitet weiter, ohne zu speichern.";
        return;
    }
    // The journal of the damaged file belongs to it, not to the fresh one.
    for (const char* endung : {"-wal", "-shm"}) {
        const std::filesystem::path neben = datei_.string() + endung;
        if (std::filesystem::exists(neben, ec))
            std::filesystem::rename(neben, ziel.string() + endung, ec);
    }
    meldung_ = "Die Datei der Lektionen war beschädigt oder gehört nicht zu diesem Programm. "
               "Sie bleibt als „" +
               ziel.filename().string() +
               "“ im selben Ordner erhalten; die Lektionen beginnen neu.";
}

void Database::fehler(int code) {
    const int primary = code & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        meldung_ = "Die Lektionen sind gerade in einem anderen Fenster des Programms in Arbeit; "
                   "diese Änderung wurde nicht gespeichert.";
        return;
    }
    speichert_ = false;
    schliessen();
    if (primary == SQLITE_FULL)
        meldung_ = "Der Datenträger ist voll: die Lektionen können nicht gespeichert werden. "
                   "Das Programm arbeitet weiter, ohne zu speichern.";
    else if (primary == SQLITE_IOERR)
        meldung_ = "Die Lektionen ließen sich nicht schreiben (ist der Datenträger voll?). Das "
                   "Programm arbeitet weiter, ohne zu speichern.";
    else
        meldung_ = "Die Lektionen können in „" + datei_.parent_path().string() +
                   "“ nicht gespeichert werden (kein Schreibrecht oder kein Zugriff). Das "
                   "Programm arbeitet weiter, ohne zu speichern.";
}

template <class F> bool Database::aendern(F&& f) {
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (!offen(Zugang::schreiben)) return false;
        try {
            ausfuehren(db_, "BEGIN IMMEDIATE");
            try {
                f();
                ausfuehren(db_, "COMMIT");
                return true;
            } catch (...) {
                sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
                throw;
            }
        } catch (const SqlFehler& e) {
            if (damaged(e.code) && versuch == 0) {
                beiseitelegen();
                continue;
            }
            fehler(e.code);
            return false;
        }
    }
    return false;
}

template <class F> bool Database::aendernOb(F&& f) {
    bool geaendert = false;
    return aendern([&] { geaendert = f(); }) && geaendert;
}

template <class F> auto Database::lesen(F&& f, decltype(f()) sonst) -> decltype(f()) {
    if (!offen(Zugang::lesen)) return sonst;
    try {
        return f();
    } catch (const SqlFehler& e) {
        if (damaged(e.code))
            beiseitelegen();
        else if ((e.code & 0xFF) != SQLITE_BUSY)
            fehler(e.code);
        return sonst;
    }
}

template <class Lies, class... W>
auto Database::alle(std::string_view sql, Lies lies, const W&... werte) {
    return lesen(
        [&] {
            std::vector<decltype(lies(std::declval<const Anweisung&>()))> aus;
            Anweisung a(db_, sql);
            binde(a, werte...);
            while (a.zeile())
                aus.push_back(lies(a));
            return aus;
        },
        {});
}

std::vector<Lektion> Database::lektionen() {
    return alle("SELECT l.id, l.name, count(w.id), coalesce(sum(w.zellen), 0), "
                "coalesce(sum(w.gelernt), 0) FROM lektion l "
                "LEFT JOIN wort w ON w.lektion = l.id GROUP BY l.id ORDER BY l.id",
                [](const Anweisung& a) {
                    return Lektion{a.zahl(0), a.text(1), a.klein(2), a.klein(3), a.klein(4)};
                });
}

std::optional<LektionId> Database::aktuelleLektion() {
    return lesen(
        [&]() -> std::optional<LektionId> {
            Anweisung a(db_, "SELECT l.id FROM lektion l JOIN einstellung e "
                             "ON e.name = 'aktuelle_lektion' AND l.id = e.wert "
                             "UNION ALL SELECT min(id) FROM lektion");
            while (a.zeile())
                if (a.zahl(0) != 0) return a.zahl(0);
            return std::nullopt;
        },
        std::nullopt);
}

namespace {

constexpr std::string_view wortSpalten =
    "SELECT id, lektion, befehl, antworten, im_drill, zellen, gelernt FROM wort ";

Wort wortAus(const Anweisung& a) {
    return {a.zahl(0),       a.zahl(1),  {a.text(2), getrennt(a.text(3))},
            a.klein(4) != 0, a.klein(5), a.klein(6)};
}

} // namespace

std::vector<Wort> Database::woerter(LektionId lektion) {
    return alle(std::string(wortSpalten) + "WHERE lektion = ? ORDER BY id", wortAus, lektion);
}

std::vector<Wort> Database::alleWoerter() {
    return alle(std::string(wortSpalten) + "ORDER BY lektion, id", wortAus);
}

std::optional<Wort> Database::wort(WortId wort) {
    return lesen(
        [&]() -> std::optional<Wort> {
            Anweisung a(db_, std::string(wortSpalten) + "WHERE id = ?");
            a.bind(1, wort);
            if (a.zeile()) return wortAus(a);
            return std::nullopt;
        },
        std::nullopt);
}

std::optional<WortId> Database::finde(const Eingabe& eingabe) {
    return lesen(
        [&]() -> std::optional<WortId> {
            Anweisung a(db_, "SELECT id FROM wort WHERE befehl = ? AND antworten = ? "
                             "ORDER BY id LIMIT 1");
            a.bind(1, eingabe.befehl).bind(2, verbunden(eingabe.antworten));
            if (a.zeile()) return a.zahl(0);
            return std::nullopt;
        },
        std::nullopt);
}

std::vector<Zellenstand> Database::zellen(WortId wort) {
    return alle(
        "SELECT schluessel, kasten, faellig FROM zelle WHERE wort = ?",
        [](const Anweisung& a) {
            return Zellenstand{a.text(0), {a.klein(1), a.datum(2)}};
        },
        wort);
}

std::vector<FaelligeZelle> Database::faellig(Datum heute) {
    return alle(
        "SELECT z.wort, z.schluessel FROM zelle z JOIN wort w "
        "ON w.id = z.wort WHERE z.faellig <= ? AND w.im_drill "
        "ORDER BY z.faellig, z.wort, z.schluessel",
        [](const Anweisung& a) {
            return FaelligeZelle{a.zahl(0), a.text(1)};
        },
        text(heute));
}

std::vector<FaelligeZelle> Database::faellig(Datum heute, int hoechstWoerter) {
    return alle(
        "WITH erste AS (SELECT z.wort, min(z.faellig) AS ab FROM zelle z "
        "JOIN wort w ON w.id = z.wort WHERE z.faellig <= ?1 AND w.im_drill "
        "GROUP BY z.wort ORDER BY ab, z.wort LIMIT ?2) "
        "SELECT z.wort, z.schluessel FROM erste e JOIN zelle z "
        "ON z.wort = e.wort WHERE z.faellig <= ?1 "
        "ORDER BY e.ab, z.wort, z.faellig, z.schluessel",
        [](const Anweisung& a) {
            return FaelligeZelle{a.zahl(0), a.text(1)};
        },
        text(heute), std::int64_t{hoechstWoerter});
}

int Database::anzahlFaellig(Datum heute) {
    return lesen(
        [&] {
            Anweisung a(db_, "SELECT count(*) FROM zelle z JOIN wort w ON w.id = z.wort "
                             "WHERE z.faellig <= ? AND w.im_drill");
            a.bind(1, text(heute));
            return a.zeile() ? a.klein(0) : 0;
        },
        0);
}

int Database::eingefuehrt(Datum tag) {
    return lesen(
        [&] {
            Anweisung a(db_, "SELECT count(*) FROM zelle WHERE eingefuehrt = ?");
            a.bind(1, text(tag));
            return a.zeile() ? a.klein(0) : 0;
        },
        0);
}

int Database::neueZellen() {
    return lesen(
        [&] {
            return static_cast<int>(einzeln(db_, "SELECT coalesce(sum(max(zellen - beantwortet, "
                                                 "0)), 0) FROM wort WHERE im_drill"));
        },
        0);
}

std::vector<Antwort> Database::antworten(WortId wort) {
    return alle(
        "SELECT wort, schluessel, datum, richtig FROM antwort "
        "WHERE wort = ? ORDER BY id",
        [](const Anweisung& a) {
            return Antwort{a.zahl(0), a.text(1), a.datum(2), a.klein(3) != 0};
        },
        wort);
}

std::vector<Uebungstag> Database::uebungstage(LektionId lektion) {
    return alle(
        "SELECT datum, richtig, falsch FROM uebungstag WHERE lektion = ? "
        "ORDER BY datum DESC",
        [](const Anweisung& a) {
            return Uebungstag{a.datum(0), a.klein(1), a.klein(2)};
        },
        lektion);
}

std::string Database::eingrenzung(LektionId lektion) {
    return lesen(
        [&] {
            Anweisung a(db_, "SELECT eingrenzung FROM lektion WHERE id = ?");
            a.bind(1, lektion);
            return a.zeile() ? a.text(0) : std::string();
        },
        std::string());
}

namespace {

// `name` unless a lesson has it already, else the first of "name (2)", "name (3)"...
std::string freierName(sqlite3* db, std::string_view name, LektionId ausser) {
    Anweisung a(db, "SELECT 1 FROM lektion WHERE name = ? AND id != ?");
    std::string kandidat(name);
    for (int n = 2;; ++n) {
        a.bind(1, kandidat).bind(2, ausser);
        const bool vergeben = a.zeile();
        a.neu();
        if (!vergeben) return kandidat;
        kandidat = std::string(name) + " (" + std::to_string(n) + ")";
    }
}

LektionId neueLektion(sqlite3* db, std::string_view name) {
    Anweisung a(db, "INSERT INTO lektion(name) VALUES(?)");
    a.bind(1, freierName(db, name.empty() ? "Lektion" : name, 0)).ausfuehren();
    return sqlite3_last_insert_rowid(db);
}

// Runs one UPDATE or DELETE; whether it changed a row.
template <class... T> bool eineZeile(sqlite3* db, std::string_view sql, const T&... werte) {
    Anweisung a(db, sql);
    binde(a, werte...);
    a.ausfuehren();
    return sqlite3_changes(db) > 0;
}

bool gibtLektion(sqlite3* db, LektionId lektion) {
    Anweisung a(db, "SELECT 1 FROM lektion WHERE id = ?");
    a.bind(1, lektion);
    return a.zeile();
}

} // namespace

std::optional<LektionId> Database::anlegen(std::string_view name) {
    LektionId id = 0;
    if (!aendern([&] { id = neueLektion(db_, name); })) return std::nullopt;
    return id;
}

bool Database::umbenennen(LektionId lektion, std::string_view name) {
    return aendernOb([&] {
        return eineZeile(db_, "UPDATE lektion SET name = ? WHERE id = ?",
                         freierName(db_, name.empty() ? "Lektion" : name, lektion), lektion);
    });
}

bool Database::loeschen(LektionId lektion) {
    return aendernOb([&] {
        return einzeln(db_, "SELECT count(*) FROM lektion") >= 2 &&
               eineZeile(db_, "DELETE FROM lektion WHERE id = ?", lektion);
    });
}

bool Database::setAktuelleLektion(LektionId lektion) {
    return aendernOb([&] {
        if (!gibtLektion(db_, lektion)) return false;
        Anweisung a(db_, "INSERT OR REPLACE INTO einstellung(name, wert) "
                         "VALUES('aktuelle_lektion', ?)");
        a.bind(1, lektion).ausfuehren();
        return true;
    });
}

std::optional<WortId> Database::hinzufuegen(const Eingabe& eingabe,
                                            std::optional<LektionId> lektion) {
    std::optional<WortId> id;
    const bool ok = aendern([&] {
        LektionId ziel = lektion.value_or(0);
        if (!lektion) {
            Anweisung a(db_, "SELECT l.id FROM lektion l JOIN einstellung e "
                             "ON e.name = 'aktuelle_lektion' AND l.id = e.wert "
                             "UNION ALL SELECT min(id) FROM lektion");
            while (ziel == 0 && a.zeile())
                ziel = a.zahl(0);
        }
        if (!gibtLektion(db_, ziel)) return;
        const std::string antworten = verbunden(eingabe.antworten);
        Anweisung schon(db_, "SELECT id FROM wort WHERE lektion = ? AND befehl = ? AND "
                             "antworten = ?");
        schon.bind(1, ziel).bind(2, eingabe.befehl).bind(3, antworten);
        if (schon.zeile()) {
            id = schon.zahl(0);
            return;
        }
        Anweisung a(db_, "INSERT INTO wort(lektion, befehl, antworten) VALUES(?, ?, ?)");
        a.bind(1, ziel).bind(2, eingabe.befehl).bind(3, antworten).ausfuehren();
        id = sqlite3_last_insert_rowid(db_);
    });
    return ok ? id : std::nullopt;
}

std::optional<LektionId> Database::lektionMit(std::string_view name,
                                              const std::vector<Eingabe>& woerter) {
    return lektionMit(name, woerter, std::vector<int>(woerter.size(), 0));
}

std::optional<LektionId> Database::lektionMit(std::string_view name,
                                              const std::vector<Eingabe>& woerter,
                                              const std::vector<int>& zellen) {
    LektionId id = 0;
    const bool ok = aendern([&] {
        id = neueLektion(db_, name);
        Anweisung a(db_, "INSERT INTO wort(lektion, befehl, antworten, zellen) VALUES(?, ?, ?, ?)");
        for (std::size_t i = 0; i < woerter.size(); ++i) {
            const Eingabe& e = woerter[i];
            a.bind(1, id).bind(2, e.befehl).bind(3, verbunden(e.antworten));
            a.bind(4, std::int64_t{i < zellen.size() ? zellen[i] : 0}).ausfuehren();
            a.neu();
        }
    });
    return ok ? std::optional(id) : std::nullopt;
}

bool Database::verschieben(WortId wort, LektionId lektion) {
    return aendernOb([&] {
        return gibtLektion(db_, lektion) &&
               eineZeile(db_, "UPDATE wort SET lektion = ? WHERE id = ?", lektion, wort);
    });
}

bool Database::entfernen(WortId wort) {
    return aendernOb([&] { return eineZeile(db_, "DELETE FROM wort WHERE id = ?", wort); });
}

bool Database::setImDrill(WortId wort, bool imDrill) {
    return aendernOb([&] {
        return eineZeile(db_, "UPDATE wort SET im_drill = ? WHERE id = ?", std::int64_t{imDrill},
                         wort);
    });
}

bool Database::setZellenzahl(WortId wort, int zellen) {
    return aendernOb([&] {
        return eineZeile(db_, "UPDATE wort SET zellen = ? WHERE id = ?", std::int64_t{zellen},
                         wort);
    });
}

bool Database::setEingrenzung(LektionId lektion, std::string_view eingrenzung) {
    return aendernOb([&] {
        return eineZeile(db_, "UPDATE lektion SET eingrenzung = ? WHERE id = ?", eingrenzung,
                         lektion);
    });
}

std::optional<Kasten> Database::antworte(WortId wort, std::string_view schluessel, bool richtig,
                                         Datum heute) {
    std::optional<Kasten> neu;
    const bool ok = aendern([&] {
        Anweisung w(db_, "SELECT lektion FROM wort WHERE id = ?");
        w.bind(1, wort);
        if (!w.zeile()) return;
        const LektionId lektion = w.zahl(0);
        std::optional<Kasten> vorher;
        {
            Anweisung z(db_, "SELECT kasten, faellig FROM zelle WHERE wort = ? AND schluessel = ?");
            z.bind(1, wort).bind(2, schluessel);
            if (z.zeile()) vorher = Kasten{z.klein(0), z.datum(1)};
        }
        neu = nachAntwort(vorher, richtig, heute);
        const std::string tag = text(heute);
        Anweisung(db_, "INSERT INTO antwort(wort, schluessel, datum, richtig) VALUES(?, ?, ?, ?)")
            .bind(1, wort)
            .bind(2, schluessel)
            .bind(3, tag)
            .bind(4, std::int64_t{richtig})
            .ausfuehren();
        Anweisung(db_, "INSERT INTO zelle(wort, schluessel, kasten, faellig, eingefuehrt) "
                       "VALUES(?1, ?2, ?3, ?4, ?5) ON CONFLICT(wort, schluessel) "
                       "DO UPDATE SET kasten = ?3, faellig = ?4")
            .bind(1, wort)
            .bind(2, schluessel)
            .bind(3, neu->nummer)
            .bind(4, text(neu->faellig))
            .bind(5, tag)
            .ausfuehren();
        const auto letzter = [](const std::optional<Kasten>& k) {
            return std::int64_t{k && k->nummer == letzterKasten};
        };
        Anweisung(db_, "UPDATE wort SET beantwortet = beantwortet + ?, "
                       "gelernt = gelernt + ? WHERE id = ?")
            .bind(1, std::int64_t{!vorher})
            .bind(2, letzter(neu) - letzter(vorher))
            .bind(3, wort)
            .ausfuehren();
        Anweisung(db_, "INSERT INTO uebungstag(lektion, datum, richtig, falsch) "
                       "VALUES(?1, ?2, ?3, 1 - ?3) ON CONFLICT(lektion, datum) DO UPDATE SET "
                       "richtig = richtig + ?3, falsch = falsch + 1 - ?3")
            .bind(1, lektion)
            .bind(2, tag)
            .bind(3, std::int64_t{richtig})
            .ausfuehren();
    });
    return ok ? neu : std::nullopt;
}

} // namespace latiflex::lektionen
