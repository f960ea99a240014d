// SPDX-License-Identifier: GPL-3.0-or-later
// How the store's changes and readings run: shared by the files that implement `Database`,
// included by no other.
#pragma once

#include "lessons/database.h"
#include "lessons/statement.h"

#include <sqlite3.h>

namespace latiflex::lektionen {

template <class F> bool Database::aendern(F&& f) {
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (!offen(Zugang::schreiben)) return false;
        try {
            execute(db_, "BEGIN IMMEDIATE");
            try {
                f();
                execute(db_, "COMMIT");
                return true;
            } catch (...) {
                sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
                throw;
            }
        } catch (const SqlError& e) {
            if (e.damaged() && versuch == 0) {
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
    } catch (const SqlError& e) {
        if (e.damaged())
            beiseitelegen();
        else if (!e.busy())
            fehler(e.code);
        return sonst;
    }
}

template <class Lies, class... W>
auto Database::alle(std::string_view sql, Lies lies, const W&... werte) {
    return lesen(
        [&] {
            std::vector<decltype(lies(std::declval<const Statement&>()))> aus;
            Statement s(db_, sql);
            s.bindAll(werte...);
            while (s.step())
                aus.push_back(lies(s));
            return aus;
        },
        {});
}

template <class... W> int Database::zahl(std::string_view sql, const W&... werte) {
    return lesen(
        [&] {
            Statement s(db_, sql);
            s.bindAll(werte...);
            return s.step() ? s.number(0) : 0;
        },
        0);
}

} // namespace latiflex::lektionen
