// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/statement.h"

#include <sqlite3.h>

namespace latiflex::lektionen {

bool SqlError::damaged() const {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

bool SqlError::busy() const {
    const int primary = code & 0xFF;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

void check(int code) {
    if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE) throw SqlError{code};
}

void execute(sqlite3* db, const char* sql) {
    check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}

Statement::Statement(sqlite3* db, std::string_view sql) {
    const int rc =
        sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(statement_);
        throw SqlError{rc};
    }
}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::bind(int i, std::int64_t value) {
    check(sqlite3_bind_int64(statement_, i, value));
    return *this;
}

Statement& Statement::bind(int i, std::string_view value) {
    check(sqlite3_bind_text64(statement_, i, value.data(), value.size(), SQLITE_TRANSIENT,
                              SQLITE_UTF8));
    return *this;
}

Statement& Statement::bind(int i, const std::optional<std::string>& value) {
    if (value) return bind(i, std::string_view(*value));
    check(sqlite3_bind_null(statement_, i));
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(statement_);
    check(rc);
    return rc == SQLITE_ROW;
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string Statement::text(int column) const {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
             : std::string();
}

bool Statement::leer(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t single(sqlite3* db, std::string_view sql) {
    Statement s(db, sql);
    return s.step() ? s.integer(0) : 0;
}

} // namespace latiflex::lektionen
