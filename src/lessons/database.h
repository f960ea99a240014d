// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"
#include "lessons/datum.h"
#include "lessons/leitner.h"
#include "lessons/lektionsdatei.h"
#include "lessons/tagespensum.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

struct sqlite3;

namespace latiflex::lektionen {

using WortId = std::int64_t;

/// The lesson every word joins until the pupil makes another one current.
inline constexpr std::string_view ersteLektion = "Meine Wörter";

/// A lesson with its progress.
struct Lektion {
    LektionId id = 0;
    std::string name;
    int woerter = 0; ///< words in it
    int zellen = 0;  ///< cells of its words, as the rules formed them last
    int gelernt = 0; ///< of those, cells in the last box ("sicher")
    int geuebt = 0;  ///< cells answered at least once
    int richtig = 0; ///< cells whose last answer was right

    friend bool operator==(const Lektion&, const Lektion&) = default;
};

/// A word of a lesson: the command and the answers as typed. Its class and forms are not
/// stored; they are formed again by the rules whenever the word is read.
struct Wort {
    WortId id = 0;
    LektionId lektion = 0;
    Eingabe eingabe;
    bool imDrill = true; ///< false: kept in the lesson, never asked
    int zellen = 0;      ///< its cells when the rules formed it last; 0 before that
    int gelernt = 0;     ///< its cells in the last box
    int beantwortet = 0; ///< its cells answered at least once
    int richtig = 0;     ///< its cells whose last answer was right
    /// Its German meaning as the pupil or a lesson file gave it; nothing when none was given
    /// (the dictionary's is shown then). Never empty when given.
    std::optional<std::string> bedeutung;
    std::string genus; ///< a noun's gender as given ("m."); empty when none was

    friend bool operator==(const Wort&, const Wort&) = default;
};

/// A cell of a word the pupil has answered: its key (`grammar::schluessel`) and its box.
struct Zellenstand {
    std::string schluessel;
    Kasten kasten;

    friend bool operator==(const Zellenstand&, const Zellenstand&) = default;
};

/// A stored cell that is due.
struct FaelligeZelle {
    WortId wort = 0;
    std::string schluessel;

    friend bool operator==(const FaelligeZelle&, const FaelligeZelle&) = default;
};

/// One stored answer.
struct Antwort {
    WortId wort = 0;
    std::string schluessel;
    Datum datum;
    bool richtig = false;

    friend bool operator==(const Antwort&, const Antwort&) = default;
};

/// What was practised in a lesson on one day.
struct Uebungstag {
    Datum datum;
    int richtig = 0;
    int falsch = 0;

    int antworten() const { return richtig + falsch; }
    friend bool operator==(const Uebungstag&, const Uebungstag&) = default;
};

using TextId = std::int64_t;

/// A text the pupil read, kept with the readings chosen in it.
struct GelesenerText {
    TextId id = 0;
    std::string titel;
    std::string inhalt; ///< as typed or opened; empty in `texte()`
    Datum gelesen;      ///< the day it was last read

    friend bool operator==(const GelesenerText&, const GelesenerText&) = default;
};

/// A reading the pupil chose for a word of a kept text: which occurrence of which form, and
/// the reading's key (`lesen::schluessel`: dictionary forms and cell code).
struct Textwahl {
    std::string form; ///< as compared (`drill::normiert`)
    int vorkommen = 0;
    std::string lesart;

    friend bool operator==(const Textwahl&, const Textwahl&) = default;
};

/**
 * The pupil's lessons, words and answers in one SQLite file (libsqlite3, no Qt: the store
 * lies below the widgets, and the test driver and the fault tests use it without them). The
 * tables and their migrations are `schema`; the statements `Statement`.
 *
 * What is stored are codes, never labels: a word's command as its word class
 * (`grammar::code(Wortart)`), a cell as `grammar::schluessel`, a narrowing as
 * `drill::code(Eingrenzung)`. `Eingabe::befehl` is the command's caption as shown.
 *
 * Nothing touches the disk before it is needed: reading a file that does not exist yet finds
 * no lesson, and the first change creates it with the lesson "Meine Wörter" as the current
 * one. The file is opened in WAL mode with a short busy timeout, so two windows of the program
 * can use it at once; a lock held longer ends the change with a message, never a wait.
 * Every change is one transaction with bound parameters. The schema's version is
 * `PRAGMA user_version`; an older file is migrated step by step when opened.
 *
 * A damaged file, or one that is not this program's, is renamed aside with the date
 * ("lektionen.sqlite.beschaedigt-2026-12-09") and a fresh database started; a folder that
 * cannot be written, or a full disk, leaves the program working without storing. Either way
 * `meldung()` then holds a German message for the pupil. Reading never fails: without a
 * database it finds nothing; a change that could not be stored returns nothing or false.
 */
class Database {
public:
    /// How long a change waits for another window's transaction.
    static constexpr int wartezeitMs = 1000;

    /// The database in `datei`; nothing is read or written yet.
    explicit Database(std::filesystem::path datei);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::filesystem::path& datei() const { return datei_; }
    /// False once a change could not be written (read-only folder, full disk): the program
    /// goes on, nothing more is stored in this run.
    bool speichert() const { return speichert_; }
    /// The message for the pupil since the last call (a damaged file kept aside, a disk that
    /// takes nothing), or nothing.
    std::optional<std::string> meldung();

    /// @name Reading
    /// @{
    /// Every lesson with its progress, in the order made.
    std::vector<Lektion> lektionen();
    /// The lesson new words join; nothing before the first word.
    std::optional<LektionId> aktuelleLektion();
    /// The words of `lektion` in the order added.
    std::vector<Wort> woerter(LektionId lektion);
    /// The word of that id, or nothing.
    std::optional<Wort> wort(WortId wort);
    /// The word entered exactly so in any lesson, or nothing.
    std::optional<WortId> finde(const Eingabe& eingabe);
    /// The answered cells of `wort`.
    std::vector<Zellenstand> zellen(WortId wort);
    /// Stored cells due on `heute` or before, of words in the drill, earliest due first.
    std::vector<FaelligeZelle> faellig(Datum heute);
    /// The same for the `hoechstWoerter` words whose cells fell due first: all their due cells.
    std::vector<FaelligeZelle> faellig(Datum heute, int hoechstWoerter);
    /// How many stored cells are due on `heute` or before, of words in the drill.
    int anzahlFaellig(Datum heute);
    /// Every word of every lesson, by lesson and then in the order added.
    std::vector<Wort> alleWoerter();
    /// Cells answered for the first time on `tag`, across all lessons.
    int eingefuehrt(Datum tag);
    /// How far each lesson's words in the drill are introduced, as of `heute`.
    std::vector<Lernstand> lernstand(Datum heute);
    /// Every stored answer to `wort`, in the order given.
    std::vector<Antwort> antworten(WortId wort);
    /// The days `lektion` was practised, most recent first.
    std::vector<Uebungstag> uebungstage(LektionId lektion);
    /// The drill's narrowing kept for `lektion`, as its code; empty for none.
    std::string eingrenzung(LektionId lektion);
    /// The kept texts, the last read first, without their content.
    std::vector<GelesenerText> texte();
    /// The kept text of that id with its content, or nothing.
    std::optional<GelesenerText> gelesenerText(TextId text);
    /// The readings chosen in `text`.
    std::vector<Textwahl> textwahl(TextId text);
    /// @}

    /// @name Changing: each one transaction; the first creates the file
    /// @{
    /// A new lesson named `name` (made unique with " (2)", " (3)"...).
    std::optional<LektionId> anlegen(std::string_view name);
    bool umbenennen(LektionId lektion, std::string_view name);
    /// Deletes the lesson with its words and their answers. The last lesson is not deleted.
    bool loeschen(LektionId lektion);
    bool setAktuelleLektion(LektionId lektion);
    /// Adds `eingabe` with the `zellen` cells the rules formed for it to `lektion` (nothing:
    /// the current lesson); a word already in that lesson is not added twice, its id is
    /// returned.
    std::optional<WortId> hinzufuegen(const Eingabe& eingabe,
                                      std::optional<LektionId> lektion = std::nullopt,
                                      int zellen = 0);
    /// A new lesson `name` holding `woerter` (each with the gender and meaning its line gave,
    /// if any) with the number of cells the rules formed for each (none given: 0), all in one
    /// transaction (an import).
    std::optional<LektionId> lektionMit(std::string_view name, const std::vector<Vokabel>& woerter,
                                        const std::vector<int>& zellen = {});
    /// The lesson `lektion` as a corrected lesson file gives it, in one transaction: the words
    /// `behalten` (each with the file's word and its count of cells) keep their progress and
    /// take the file's spelling (and its gender and meaning where it gives them), `neu` join
    /// with their counts of cells `zellen`, `weg` leave with their answers. False when
    /// nothing was changed.
    bool lektionErneuern(LektionId lektion,
                         const std::vector<std::tuple<WortId, Vokabel, int>>& behalten,
                         const std::vector<Vokabel>& neu, const std::vector<int>& zellen,
                         const std::vector<WortId>& weg);
    bool verschieben(WortId wort, LektionId lektion);
    /// Removes the word from its lesson, with its answers.
    bool entfernen(WortId wort);
    bool setImDrill(WortId wort, bool imDrill);
    /// Records how many cells the rules formed for `wort` (its share of the progress).
    bool setZellenzahl(WortId wort, int zellen);
    /// Sets the word's meaning as given (blanks at its ends dropped); an empty text or nothing
    /// forgets it, so that the dictionary's is shown again.
    bool setBedeutung(WortId wort, std::optional<std::string_view> bedeutung);
    /// Sets a noun's gender as given ("m."); empty forgets it.
    bool setGenus(WortId wort, std::string_view genus);
    bool setEingrenzung(LektionId lektion, std::string_view eingrenzung);
    /// Stores an answer to the cell `schluessel` of `wort` given on `heute` and moves the cell
    /// to its new box, in one transaction. The new box, or nothing when not stored.
    std::optional<Kasten> antworte(WortId wort, std::string_view schluessel, bool richtig,
                                   Datum heute);
    /// Keeps a text read on `heute`: `welcher` given, that one's title and content are replaced
    /// (it stays the same text while the pupil edits it); else the kept text with the same
    /// content is read again, or a new one is kept. Its id, or nothing when not stored.
    std::optional<TextId> textBehalten(std::optional<TextId> welcher, std::string_view titel,
                                       std::string_view inhalt, Datum heute);
    /// Keeps the pupil's reading of the `vorkommen`-th `form` in `text`; an empty `lesart`
    /// forgets it.
    bool setTextwahl(TextId text, const Textwahl& wahl);
    /// @}

private:
    enum class Zugang { lesen, schreiben };
    bool offen(Zugang zugang);
    /// Pause before opening afresh a file another window holds while making it.
    static constexpr int wiederholungMs = 20;
    bool pruefeUndMigriere();
    void schliessen();
    void beiseitelegen();
    void fehler(int code);
    /// Runs `f` (which returns false on an SQLite error) in one immediate transaction;
    /// a damaged file is put aside and `f` tried once more on a fresh one.
    template <class F> bool aendern(F&& f);
    /// `aendern` for an `f` that says whether it changed what it was asked to: true when it
    /// did and the transaction is stored.
    template <class F> bool aendernOb(F&& f);
    template <class F> auto lesen(F&& f, decltype(f()) sonst) -> decltype(f());
    /// Every row of the query `sql`, with `werte` bound to its parameters in order, each read
    /// by `lies`; none when the lessons cannot be read.
    template <class Lies, class... W> auto alle(std::string_view sql, Lies lies, const W&... werte);
    /// The first column of the first row of `sql` with `werte` bound, or 0.
    template <class... W> int zahl(std::string_view sql, const W&... werte);

    std::filesystem::path datei_;
    sqlite3* db_ = nullptr;
    int erneutOeffnen_ = 0; ///< fresh openings in a row after another window's lock
    bool speichert_ = true;
    std::optional<std::string> meldung_;
};

} // namespace latiflex::lektionen
