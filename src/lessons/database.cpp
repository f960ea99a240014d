// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/database.h"

#include "grammar/zellcode.h"
#include "lessons/aendern.h"
#include "lessons/statement.h"

#include <sqlite3.h>

#include <utility>

namespace latiflex::lektionen {

namespace {

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

// The command as stored: its word class's code; a caption no command has stays as it is.
std::string befehlCode(std::string_view befehl) {
    const auto wortart = grammar::wortartDesBefehls(befehl);
    return std::string(wortart ? grammar::code(*wortart) : befehl);
}

std::string befehlAus(std::string_view code) {
    const auto wortart = grammar::ausCode<grammar::Wortart>(code);
    return std::string(wortart ? grammar::befehl(*wortart) : code);
}

Datum datumIn(const Statement& s, int spalte) { return datumAus(s.text(spalte)).value_or(Datum{}); }

// The lesson new words join: the one set as current, else the first.
constexpr std::string_view aktuelleSql = "SELECT coalesce((SELECT l.id FROM lektion l JOIN "
                                         "einstellung e ON e.name = 'aktuelle_lektion' AND "
                                         "l.id = e.wert), (SELECT min(id) FROM lektion), 0)";

} // namespace

std::vector<Lektion> Database::lektionen() {
    return alle("SELECT l.id, l.name, count(w.id), coalesce(sum(w.zellen), 0), "
                "coalesce(sum(w.gelernt), 0), coalesce(sum(w.beantwortet), 0), "
                "coalesce(sum(w.richtig), 0) FROM lektion l "
                "LEFT JOIN wort w ON w.lektion = l.id GROUP BY l.id ORDER BY l.id",
                [](const Statement& s) {
                    return Lektion{s.integer(0), s.text(1),   s.number(2), s.number(3),
                                   s.number(4),  s.number(5), s.number(6)};
                });
}

std::optional<LektionId> Database::aktuelleLektion() {
    const LektionId id = zahl(aktuelleSql);
    return id != 0 ? std::optional(id) : std::nullopt;
}

namespace {

constexpr std::string_view wortSpalten =
    "SELECT id, lektion, befehl, antworten, im_drill, zellen, gelernt, beantwortet, richtig, "
    "bedeutung, genus FROM wort ";

Wort wortAus(const Statement& s) {
    return {s.integer(0),     s.integer(1), {befehlAus(s.text(2)), getrennt(s.text(3))},
            s.number(4) != 0, s.number(5),  s.number(6),
            s.number(7),      s.number(8),  s.leer(9) ? std::nullopt : std::optional(s.text(9)),
            s.text(10)};
}

// A meaning as stored: blanks at its ends dropped, NULL for none.
std::optional<std::string> gegeben(std::optional<std::string_view> bedeutung) {
    if (!bedeutung) return std::nullopt;
    std::string_view t = *bedeutung;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t.empty() ? std::nullopt : std::optional(std::string(t));
}

} // namespace

std::vector<Wort> Database::woerter(LektionId lektion) {
    return alle(std::string(wortSpalten) + "WHERE lektion = ? ORDER BY id", wortAus, lektion);
}

std::vector<Wort> Database::alleWoerter() {
    return alle(std::string(wortSpalten) + "ORDER BY lektion, id", wortAus);
}

std::optional<Wort> Database::wort(WortId wort) {
    auto gefunden = alle(std::string(wortSpalten) + "WHERE id = ?", wortAus, wort);
    if (gefunden.empty()) return std::nullopt;
    // An element of the vector, not a local: moving it out is no copy elision lost.
    // cppcheck-suppress returnStdMoveLocal
    return std::move(gefunden.front());
}

std::optional<WortId> Database::finde(const Eingabe& eingabe) {
    const WortId id = zahl("SELECT id FROM wort WHERE befehl = ? AND antworten = ? "
                           "ORDER BY id LIMIT 1",
                           befehlCode(eingabe.befehl), verbunden(eingabe.antworten));
    return id != 0 ? std::optional(id) : std::nullopt;
}

std::vector<Zellenstand> Database::zellen(WortId wort) {
    return alle(
        "SELECT schluessel, kasten, faellig FROM zelle WHERE wort = ?",
        [](const Statement& s) {
            return Zellenstand{s.text(0), {s.number(1), datumIn(s, 2)}};
        },
        wort);
}

namespace {

FaelligeZelle faelligeAus(const Statement& s) { return {s.integer(0), s.text(1)}; }

} // namespace

std::vector<FaelligeZelle> Database::faellig(Datum heute) {
    return alle("SELECT z.wort, z.schluessel FROM zelle z JOIN wort w "
                "ON w.id = z.wort WHERE z.faellig <= ? AND w.im_drill "
                "ORDER BY z.faellig, z.wort, z.schluessel",
                faelligeAus, text(heute));
}

std::vector<FaelligeZelle> Database::faellig(Datum heute, int hoechstWoerter) {
    return alle("WITH erste AS (SELECT z.wort, min(z.faellig) AS ab FROM zelle z "
                "JOIN wort w ON w.id = z.wort WHERE z.faellig <= ?1 AND w.im_drill "
                "GROUP BY z.wort ORDER BY ab, z.wort LIMIT ?2) "
                "SELECT z.wort, z.schluessel FROM erste e JOIN zelle z "
                "ON z.wort = e.wort WHERE z.faellig <= ?1 "
                "ORDER BY e.ab, z.wort, z.faellig, z.schluessel",
                faelligeAus, text(heute), hoechstWoerter);
}

int Database::anzahlFaellig(Datum heute) {
    return zahl("SELECT count(*) FROM zelle z JOIN wort w ON w.id = z.wort "
                "WHERE z.faellig <= ? AND w.im_drill",
                text(heute));
}

int Database::eingefuehrt(Datum tag) {
    return zahl("SELECT count(*) FROM zelle WHERE eingefuehrt = ?", text(tag));
}

std::vector<Lernstand> Database::lernstand(Datum heute) {
    return alle(
        "SELECT l.id, (SELECT coalesce(sum(zellen), 0) FROM wort WHERE lektion = l.id AND "
        "im_drill), (SELECT coalesce(sum(max(zellen - beantwortet, 0)), 0) FROM wort WHERE "
        "lektion = l.id AND im_drill), (SELECT count(*) FROM zelle z JOIN wort w ON w.id = "
        "z.wort WHERE w.lektion = l.id AND z.eingefuehrt = ?), (SELECT min(z.eingefuehrt) "
        "FROM zelle z JOIN wort w ON w.id = z.wort WHERE w.lektion = l.id) "
        "FROM lektion l ORDER BY l.id",
        [](const Statement& s) {
            return Lernstand{s.integer(0), s.number(1), s.number(2), s.number(3),
                             datumAus(s.text(4))};
        },
        text(heute));
}

std::vector<Antwort> Database::antworten(WortId wort) {
    return alle(
        "SELECT wort, schluessel, datum, richtig FROM antwort WHERE wort = ? ORDER BY id",
        [](const Statement& s) {
            return Antwort{s.integer(0), s.text(1), datumIn(s, 2), s.number(3) != 0};
        },
        wort);
}

std::vector<Uebungstag> Database::uebungstage(LektionId lektion) {
    return alle(
        "SELECT datum, richtig, falsch FROM uebungstag WHERE lektion = ? ORDER BY datum DESC",
        [](const Statement& s) {
            return Uebungstag{datumIn(s, 0), s.number(1), s.number(2)};
        },
        lektion);
}

std::string Database::eingrenzung(LektionId lektion) {
    auto texte = alle(
        "SELECT eingrenzung FROM lektion WHERE id = ?",
        [](const Statement& s) { return s.text(0); }, lektion);
    return texte.empty() ? std::string() : std::move(texte.front());
}

namespace {

// `name` unless a lesson has it already, else the first of "name (2)", "name (3)"...
std::string freierName(sqlite3* db, std::string_view name, LektionId ausser) {
    Statement s(db, "SELECT 1 FROM lektion WHERE name = ? AND id != ?");
    std::string kandidat(name.empty() ? "Lektion" : name);
    for (int n = 2;; ++n) {
        const bool vergeben = s.bindAll(kandidat, ausser).step();
        s.reset();
        if (!vergeben) return kandidat;
        kandidat = std::string(name.empty() ? "Lektion" : name) + " (" + std::to_string(n) + ")";
    }
}

LektionId neueLektion(sqlite3* db, std::string_view name) {
    Statement(db, "INSERT INTO lektion(name) VALUES(?)").bind(1, freierName(db, name, 0)).run();
    return sqlite3_last_insert_rowid(db);
}

// Runs one UPDATE or DELETE; whether it changed a row.
// Adds `woerter` to `lektion`, each with its count of cells (none given: 0).
void einfuegen(sqlite3* db, LektionId lektion, const std::vector<Vokabel>& woerter,
               const std::vector<int>& zellen) {
    Statement s(db, "INSERT INTO wort(lektion, befehl, antworten, zellen, bedeutung, genus) "
                    "VALUES(?, ?, ?, ?, ?, ?)");
    for (std::size_t i = 0; i < woerter.size(); ++i) {
        const Vokabel& v = woerter[i];
        s.bindAll(lektion, befehlCode(v.eingabe.befehl), verbunden(v.eingabe.antworten),
                  i < zellen.size() ? zellen[i] : 0, gegeben(v.bedeutung), v.genus)
            .run();
        s.reset();
    }
}

template <class... T> bool eineZeile(sqlite3* db, std::string_view sql, const T&... werte) {
    Statement(db, sql).bindAll(werte...).run();
    return sqlite3_changes(db) > 0;
}

bool gibtLektion(sqlite3* db, LektionId lektion) {
    return Statement(db, "SELECT 1 FROM lektion WHERE id = ?").bind(1, lektion).step();
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
                         freierName(db_, name, lektion), lektion);
    });
}

bool Database::loeschen(LektionId lektion) {
    return aendernOb([&] {
        return single(db_, "SELECT count(*) FROM lektion") >= 2 &&
               eineZeile(db_, "DELETE FROM lektion WHERE id = ?", lektion);
    });
}

bool Database::setAktuelleLektion(LektionId lektion) {
    return aendernOb([&] {
        if (!gibtLektion(db_, lektion)) return false;
        Statement(db_, "INSERT OR REPLACE INTO einstellung(name, wert) "
                       "VALUES('aktuelle_lektion', ?)")
            .bind(1, lektion)
            .run();
        return true;
    });
}

std::optional<WortId> Database::hinzufuegen(const Eingabe& eingabe,
                                            std::optional<LektionId> lektion, int zellen) {
    std::optional<WortId> id;
    const bool ok = aendern([&] {
        const LektionId ziel = lektion ? *lektion : single(db_, aktuelleSql);
        if (!gibtLektion(db_, ziel)) return;
        const std::string befehl = befehlCode(eingabe.befehl);
        const std::string antworten = verbunden(eingabe.antworten);
        Statement schon(db_, "SELECT id FROM wort WHERE lektion = ? AND befehl = ? AND "
                             "antworten = ?");
        if (schon.bindAll(ziel, befehl, antworten).step()) {
            id = schon.integer(0);
            return;
        }
        Statement(db_, "INSERT INTO wort(lektion, befehl, antworten, zellen) VALUES(?, ?, ?, ?)")
            .bindAll(ziel, befehl, antworten, zellen)
            .run();
        id = sqlite3_last_insert_rowid(db_);
    });
    return ok ? id : std::nullopt;
}

std::optional<LektionId> Database::lektionMit(std::string_view name,
                                              const std::vector<Vokabel>& woerter,
                                              const std::vector<int>& zellen) {
    LektionId id = 0;
    const bool ok = aendern([&] {
        id = neueLektion(db_, name);
        einfuegen(db_, id, woerter, zellen);
    });
    return ok ? std::optional(id) : std::nullopt;
}

bool Database::lektionErneuern(LektionId lektion,
                               const std::vector<std::tuple<WortId, Vokabel, int>>& behalten,
                               const std::vector<Vokabel>& neu, const std::vector<int>& zellen,
                               const std::vector<WortId>& weg) {
    return aendernOb([&] {
        if (!gibtLektion(db_, lektion)) return false;
        Statement w(db_, "UPDATE wort SET antworten = ?, bedeutung = coalesce(?, bedeutung), "
                         "genus = coalesce(nullif(?, ''), genus), zellen = ? WHERE id = ? AND "
                         "lektion = ?");
        for (const auto& [id, v, n] : behalten) {
            w.bindAll(verbunden(v.eingabe.antworten), gegeben(v.bedeutung), v.genus, n, id, lektion)
                .run();
            w.reset();
        }
        Statement d(db_, "DELETE FROM wort WHERE id = ? AND lektion = ?");
        for (const WortId id : weg) {
            d.bindAll(id, lektion).run();
            d.reset();
        }
        einfuegen(db_, lektion, neu, zellen);
        return true;
    });
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
        return eineZeile(db_, "UPDATE wort SET im_drill = ? WHERE id = ?", imDrill ? 1 : 0, wort);
    });
}

bool Database::setZellenzahl(WortId wort, int zellen) {
    return aendernOb(
        [&] { return eineZeile(db_, "UPDATE wort SET zellen = ? WHERE id = ?", zellen, wort); });
}

bool Database::setBedeutung(WortId wort, std::optional<std::string_view> bedeutung) {
    return aendernOb([&] {
        return eineZeile(db_, "UPDATE wort SET bedeutung = ? WHERE id = ?", gegeben(bedeutung),
                         wort);
    });
}

bool Database::setGenus(WortId wort, std::string_view genus) {
    return aendernOb(
        [&] { return eineZeile(db_, "UPDATE wort SET genus = ? WHERE id = ?", genus, wort); });
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
        Statement w(db_, "SELECT lektion FROM wort WHERE id = ?");
        if (!w.bind(1, wort).step()) return;
        const LektionId lektion = w.integer(0);
        std::optional<Kasten> vorher;
        bool vorherRichtig = false;
        {
            Statement z(db_, "SELECT kasten, faellig, richtig FROM zelle WHERE wort = ? AND "
                             "schluessel = ?");
            if (z.bindAll(wort, schluessel).step()) {
                vorher = Kasten{z.number(0), datumIn(z, 1)};
                vorherRichtig = z.number(2) != 0;
            }
        }
        neu = nachAntwort(vorher, richtig, heute);
        const std::string tag = text(heute);
        const int ja = richtig ? 1 : 0;
        Statement(db_, "INSERT INTO antwort(wort, schluessel, datum, richtig) VALUES(?, ?, ?, ?)")
            .bindAll(wort, schluessel, tag, ja)
            .run();
        Statement(db_, "INSERT INTO zelle(wort, schluessel, kasten, faellig, eingefuehrt, richtig) "
                       "VALUES(?1, ?2, ?3, ?4, ?5, ?6) ON CONFLICT(wort, schluessel) "
                       "DO UPDATE SET kasten = ?3, faellig = ?4, richtig = ?6")
            .bindAll(wort, schluessel, neu->nummer, text(neu->faellig), tag, ja)
            .run();
        const auto letzter = [](const std::optional<Kasten>& k) {
            return k && k->nummer == letzterKasten ? 1 : 0;
        };
        Statement(db_, "UPDATE wort SET beantwortet = beantwortet + ?, gelernt = gelernt + ?, "
                       "richtig = richtig + ? WHERE id = ?")
            .bindAll(vorher ? 0 : 1, letzter(neu) - letzter(vorher), ja - (vorherRichtig ? 1 : 0),
                     wort)
            .run();
        Statement(db_, "INSERT INTO uebungstag(lektion, datum, richtig, falsch) "
                       "VALUES(?1, ?2, ?3, 1 - ?3) ON CONFLICT(lektion, datum) DO UPDATE SET "
                       "richtig = richtig + ?3, falsch = falsch + 1 - ?3")
            .bindAll(lektion, tag, ja)
            .run();
    });
    return ok ? neu : std::nullopt;
}

} // namespace latiflex::lektionen
