// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

/// The SQLite plumbing the lessons' store is built on: a prepared statement that binds by
/// position and reads columns, and the error that ends a read or a change.
namespace latiflex::lektionen {

/// An SQLite call that failed, with its (extended) result code; caught where a change or a
/// read ends.
struct SqlError {
    int code;

    /// The file is damaged or not a database.
    bool damaged() const;
    /// Another connection holds the lock.
    bool busy() const;
};

/// Throws `SqlError` unless `code` is SQLITE_OK, SQLITE_ROW or SQLITE_DONE.
void check(int code);

/// Runs `sql` (one or more statements without parameters).
void execute(sqlite3* db, const char* sql);

/// A prepared statement: binds by position, steps, reads columns, finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int i, std::int64_t value);
    Statement& bind(int i, std::string_view value);
    Statement& bind(int i, int value) { return bind(i, std::int64_t{value}); }
    /// Binds the text, or NULL for nothing.
    Statement& bind(int i, const std::string& value) { return bind(i, std::string_view(value)); }
    Statement& bind(int i, const char* value) { return bind(i, std::string_view(value)); }
    Statement& bind(int i, const std::optional<std::string>& value);
    Statement& bind(int i, bool value) = delete; // say which number a truth is stored as
    /// Binds `values` to the parameters 1, 2, ... in order.
    template <class... V> Statement& bindAll(const V&... values) {
        int i = 0;
        (bind(++i, values), ...);
        return *this;
    }

    /// The next row: true while there is one.
    bool step();
    /// Steps to the end (an INSERT, UPDATE or DELETE).
    void run();
    /// Ready to run again, with no value bound.
    void reset();

    std::int64_t integer(int column) const;
    int number(int column) const { return static_cast<int>(integer(column)); }
    std::string text(int column) const;
    /// Whether the column is NULL.
    bool leer(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
};

/// The first column of the first row of `sql`, or 0 when it gives no row.
std::int64_t single(sqlite3* db, std::string_view sql);

} // namespace latiflex::lektionen
