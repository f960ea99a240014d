// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

struct sqlite3;

/// The tables of the lessons' store and the steps that bring a file of any earlier version
/// to the one this program writes. A new version is one more step at the end of the list in
/// schema.cpp; `PRAGMA user_version` says how many steps a file has taken.
namespace latiflex::lektionen::schema {

/// The version this program writes; files of versions 0 (empty) to this one are read.
int version();

/// `PRAGMA application_id` of this program's files ("LTFX").
inline constexpr int anwendung = 0x4C544658;

/**
 * Brings the database open in `db` to `version()` in one immediate transaction: the file is
 * either left as it was or holds every step, never part of one. Throws `SqlError` (and rolls
 * back) when a step fails. Another connection that migrated first is noticed: its version is
 * read again inside the transaction. `nachAnweisung`, when given, is called after each
 * statement of a step (a test stops the process there).
 */
void migriere(sqlite3* db, const std::function<void()>& nachAnweisung = {});

} // namespace latiflex::lektionen::schema
