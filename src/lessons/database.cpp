#include "lessons/database.h"

#include <sqlite3.h>

namespace latiflex::lektionen {

Database::Database(std::filesystem::path datei) : datei_(std::move(datei)) {}
Database::~Database() { schliessen(); }
void Database::schliessen() {
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
}
std::optional<std::string> Database::meldung() {
    auto m = std::move(meldung_);
    meldung_.reset();
    return m;
}
std::vector<Lektion> Database::lektionen() { return {}; }
std::optional<LektionId> Database::aktuelleLektion() { return {}; }
std::vector<Wort> Database::woerter(LektionId) { return {}; }
std::optional<Wort> Database::wort(WortId) { return {}; }
std::optional<WortId> Database::finde(const Eingabe&) { return {}; }
std::vector<Zellenstand> Database::zellen(WortId) { return {}; }
std::vector<FaelligeZelle> Database::faellig(Datum) { return {}; }
int Database::eingefuehrt(Datum) { return 0; }
std::vector<Antwort> Database::antworten(WortId) { return {}; }
std::vector<Uebungstag> Database::uebungstage(LektionId) { return {}; }
std::string Database::eingrenzung(LektionId) { return {}; }
std::optional<LektionId> Database::anlegen(std::string_view) { return {}; }
bool Database::umbenennen(LektionId, std::string_view) { return false; }
bool Database::loeschen(LektionId) { return false; }
bool Database::setAktuelleLektion(LektionId) { return false; }
std::optional<WortId> Database::hinzufuegen(const Eingabe&, std::optional<LektionId>) { return {}; }
std::optional<LektionId> Database::lektionMit(std::string_view, const std::vector<Eingabe>&) {
    return {};
}
bool Database::verschieben(WortId, LektionId) { return false; }
bool Database::entfernen(WortId) { return false; }
bool Database::setImDrill(WortId, bool) { return false; }
bool Database::setZellenzahl(WortId, int) { return false; }
bool Database::setEingrenzung(LektionId, std::string_view) { return false; }
std::optional<Kasten> Database::antworte(WortId, std::string_view, bool, Datum) { return {}; }

} // namespace latiflex::lektionen
