// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the pupil read, kept with the readings chosen in them.
#include "lessons/aendern.h"
#include "lessons/database.h"

namespace latiflex::lektionen {

std::vector<GelesenerText> Database::texte() {
    return alle("SELECT id, titel, gelesen FROM text ORDER BY folge DESC", [](const Statement& s) {
        return GelesenerText{s.integer(0), s.text(1), {}, datumAus(s.text(2)).value_or(Datum{})};
    });
}

std::optional<GelesenerText> Database::gelesenerText(TextId text) {
    auto t = alle(
        "SELECT id, titel, inhalt, gelesen FROM text WHERE id = ?",
        [](const Statement& s) {
            return GelesenerText{s.integer(0), s.text(1), s.text(2),
                                 datumAus(s.text(3)).value_or(Datum{})};
        },
        text);
    if (t.empty()) return std::nullopt;
    // An element of the vector, not a local: moving it out is no copy elision lost.
    // cppcheck-suppress returnStdMoveLocal
    return std::move(t.front());
}

std::vector<Textwahl> Database::textwahl(TextId text) {
    return alle(
        "SELECT form, vorkommen, lesart FROM textwahl WHERE text = ? ORDER BY form, vorkommen",
        [](const Statement& s) {
            return Textwahl{s.text(0), s.number(1), s.text(2)};
        },
        text);
}

// Each keeping puts the text after every other in the order of reading (`folge`).
std::optional<TextId> Database::textBehalten(std::optional<TextId> welcher, std::string_view titel,
                                             std::string_view inhalt, Datum heute) {
    TextId id = 0;
    const bool ok = aendern([&] {
        if (welcher) {
            Statement(db_, "UPDATE text SET titel = ?, inhalt = ?, gelesen = ?, folge = (SELECT "
                           "coalesce(max(folge), 0) + 1 FROM text) WHERE id = ?")
                .bindAll(titel, inhalt, text(heute), *welcher)
                .run();
            if (sqlite3_changes(db_) > 0) {
                id = *welcher;
                return;
            }
        }
        Statement gleich(db_, "SELECT id FROM text WHERE inhalt = ? ORDER BY id LIMIT 1");
        gleich.bind(1, inhalt);
        if (gleich.step()) {
            id = gleich.integer(0);
            Statement(db_, "UPDATE text SET titel = ?, gelesen = ?, folge = (SELECT "
                           "coalesce(max(folge), 0) + 1 FROM text) WHERE id = ?")
                .bindAll(titel, text(heute), id)
                .run();
            return;
        }
        Statement(db_, "INSERT INTO text(titel, inhalt, gelesen, folge) VALUES(?, ?, ?, (SELECT "
                       "coalesce(max(folge), 0) + 1 FROM text))")
            .bindAll(titel, inhalt, text(heute))
            .run();
        id = sqlite3_last_insert_rowid(db_);
    });
    if (!ok) return std::nullopt;
    return id;
}

bool Database::setTextwahl(TextId text, const Textwahl& wahl) {
    return aendernOb([&] {
        if (!Statement(db_, "SELECT 1 FROM text WHERE id = ?").bind(1, text).step()) return false;
        if (wahl.lesart.empty())
            Statement(db_, "DELETE FROM textwahl WHERE text = ? AND form = ? AND vorkommen = ?")
                .bindAll(text, wahl.form, wahl.vorkommen)
                .run();
        else
            Statement(db_, "INSERT OR REPLACE INTO textwahl(text, form, vorkommen, lesart) "
                           "VALUES(?, ?, ?, ?)")
                .bindAll(text, wahl.form, wahl.vorkommen, wahl.lesart)
                .run();
        return true;
    });
}

} // namespace latiflex::lektionen
