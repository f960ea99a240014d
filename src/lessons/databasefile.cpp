// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/database.h"

#include "lessons/schema.h"
#include "lessons/statement.h"

#include <sqlite3.h>

#include <chrono>
#include <system_error>
#include <thread>
#include <utility>

// The file behind the lessons: opening it, checking and migrating it, and what the pupil is
// told when it is damaged, locked or cannot be written.
namespace latiflex::lektionen {

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
    // Another window holding the file is waited for briefly, never on and on.
    sqlite3_busy_timeout(db_, wartezeitMs);
    sqlite3_extended_result_codes(db_, 1);
    try {
        return pruefeUndMigriere();
    } catch (const SqlError& f) {
        if (f.damaged()) {
            beiseitelegen();
            return offen(zugang);
        }
        schliessen();
        // Two windows starting on a new file can each hold a lock the other needs to switch
        // it to WAL or migrate it; SQLite then answers "locked" at once, without waiting. The
        // one that gives way opens the file afresh, within the same short wait.
        if (f.busy() && erneutOeffnen_ < wartezeitMs / wiederholungMs) {
            ++erneutOeffnen_;
            std::this_thread::sleep_for(std::chrono::milliseconds(wiederholungMs));
            const bool auf = offen(zugang);
            erneutOeffnen_ = 0;
            return auf;
        }
        erneutOeffnen_ = 0;
        if (zugang == Zugang::schreiben || !f.busy()) fehler(f.code);
        return false;
    }
}

bool Database::pruefeUndMigriere() {
    // One statement reads one state of the file: another window may be creating it.
    std::int32_t anwendungsId = 0;
    int version = 0;
    bool leer = true;
    {
        Statement kopf(db_, "SELECT a.application_id, v.user_version, (SELECT count(*) FROM "
                            "sqlite_master) FROM pragma_application_id a, pragma_user_version v");
        kopf.step();
        anwendungsId = static_cast<std::int32_t>(kopf.integer(0));
        version = kopf.number(1);
        leer = kopf.integer(2) == 0;
    }
    if (!leer && anwendungsId != schema::anwendung) throw SqlError{SQLITE_NOTADB};
    if (version > schema::version()) {
        schliessen();
        speichert_ = false;
        meldung_ = "Die Lektionen wurden von einer neueren Fassung des Programms gespeichert. "
                   "Diese Fassung verändert sie nicht und arbeitet ohne zu speichern weiter.";
        return false;
    }
    execute(db_, "PRAGMA foreign_keys = ON");
    Statement(db_, "PRAGMA journal_mode = WAL").step();
    execute(db_, "PRAGMA synchronous = NORMAL");
    if (version < schema::version()) schema::migriere(db_);
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

} // namespace latiflex::lektionen
