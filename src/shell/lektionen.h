// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/eingrenzung.h"
#include "drill/uebung.h"
#include "grammar/eingabe.h"
#include "interfaces/seiten.h"
#include "lessons/database.h"
#include "lessons/lektionsdatei.h"
#include "shell/form1.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace latiflex {

class Runde;

/**
 * The pupil's lessons as the window "Lektionen", the drill window and the test driver use
 * them: plain C++ over the main window's `Form1` and the database.
 *
 * Every paradigm the pupil forms joins the current lesson, unless the hint line warns that
 * the typed forms do not fit the page (`hinweis::pruefe`) or the word is in a lesson
 * already; such a word joins only when added on purpose. A stored word keeps only its
 * command and answers: its pages are formed again by the rules (`engine::bilde`) whenever
 * it is read. The drill runs over this run's pages, a lesson, all
 * lessons or the cells due today, and every answer is stored with its day.
 *
 * The database is opened on the first use, never while the program starts, and nothing is
 * written before the pupil's first word. Trouble with the file (damaged, read-only, full)
 * ends nothing: `meldung()` holds the German message for the window to show.
 */
class Lektionen {
public:
    using LektionId = lektionen::LektionId;
    using WortId = lektionen::WortId;

    /// Which words the drill asks.
    enum class Umfang {
        lauf,    ///< the pages printed in this run (as without lessons)
        lektion, ///< the words of one lesson
        alle,    ///< the words of every lesson
        faellig  ///< the cells due today in every lesson, with a few new ones
    };

    /// The lessons of `form`'s pupil, kept in `datei`; nothing is opened yet. Listens to
    /// `form`'s pages from now on (and no longer once destroyed).
    Lektionen(Form1& form, std::filesystem::path datei = standardDatei());
    ~Lektionen();
    Lektionen(const Lektionen&) = delete;
    Lektionen& operator=(const Lektionen&) = delete;

    /// Where the program keeps its data: `$XDG_DATA_HOME/latiflex/lektionen.sqlite`, by
    /// default under `~/.local/share/` (where Qt's application data folder lies).
    static std::filesystem::path standardDatei();

    lektionen::Database& database() { return db_; }

    /// The day the drill counts with (due cells, the answers' day); today unless set.
    lektionen::Datum heute() const;
    void setHeute(lektionen::Datum tag) { heute_ = tag; }

    /// The message for the pupil since the last call (the database's trouble), or nothing.
    std::optional<std::string> meldung();
    /// Adds `f`, called after every change of the lessons (a word joined, an answer stored).
    void beiAenderung(std::function<void()> f) { beiAenderung_.push_back(std::move(f)); }

    /// @name Lessons and words
    /// @{
    /// Every lesson with its progress; none before the first word.
    std::vector<lektionen::Lektion> lektionen();
    /// The lesson new words join; nothing before the first word.
    std::optional<LektionId> aktuelle();
    /// Its name: "Meine Wörter" before the first word.
    std::string aktuellerName();
    bool setAktuelle(LektionId lektion);
    std::optional<LektionId> anlegen(std::string_view name);
    bool umbenennen(LektionId lektion, std::string_view name);
    /// Deletes a lesson with its words; the last one stays.
    bool loeschen(LektionId lektion);
    std::vector<lektionen::Wort> woerter(LektionId lektion);
    /// A lesson's or word's progress in words: "312 Formen: 14 geübt, 12 richtig, 3 sicher"
    /// (answered at least once, last answered right, in the last box); empty before its
    /// forms were counted.
    static std::string fortschritt(int zellen, int geuebt, int richtig, int sicher);
    static std::string fortschritt(const lektionen::Lektion& l) {
        return fortschritt(l.zellen, l.geuebt, l.richtig, l.gelernt);
    }
    static std::string fortschritt(const lektionen::Wort& w) {
        return fortschritt(w.zellen, w.beantwortet, w.richtig, w.gelernt);
    }
    /// A word as the lessons window lists it: "rosa, rosae".
    static std::string woerterText(const Eingabe& eingabe);
    /// A stored word as the rules read it: a lesson keeps a word as the teacher wrote it
    /// ("rēx, rēgis"), the rules form it with each answer cleaned as the drill cleans a
    /// typed form ("rex, regis").
    static Eingabe zumBilden(Eingabe eingabe);
    /// The word with a noun's gender and its meaning: as given by the pupil or a lesson file,
    /// else as the dictionary gives them (nothing of either where the dictionary lacks the
    /// word or is not installed).
    lektionen::Vokabel vokabel(const lektionen::Wort& wort);
    /// Whether the meaning `vokabel` shows is the dictionary's: none was given and the
    /// dictionary has one.
    static bool ausWoerterbuch(const lektionen::Wort& wort, const lektionen::Vokabel& vokabel) {
        return !wort.bedeutung && !vokabel.bedeutung.empty();
    }
    /// Longest meaning kept, in bytes: with the word's forms it fits a lesson file's line.
    static constexpr std::size_t hoechstBedeutung = 500;
    /// Gives the word the pupil's meaning; an empty text shows the dictionary's again. A
    /// meaning longer than `hoechstBedeutung` is refused (`meldung()` says so).
    bool setBedeutung(WortId wort, std::string_view bedeutung);
    /// Adds a word on purpose, even one whose forms the hint line warns about (nothing:
    /// the current lesson).
    std::optional<WortId> hinzufuegen(const Eingabe& eingabe,
                                      std::optional<LektionId> lektion = std::nullopt);
    /// Adds the word of the page on view on purpose; nothing when no word is on view.
    std::optional<WortId> aufSichtHinzufuegen(std::optional<LektionId> lektion = std::nullopt);
    bool verschieben(WortId wort, LektionId lektion);
    bool entfernen(WortId wort);
    bool setImDrill(WortId wort, bool imDrill);
    /// Prints the word's paradigm in the main window's pane, exactly as typing it would.
    bool oeffnen(WortId wort);
    /// The pages of `eingabe` formed by the rules (a verb's four tense pages), with forms.
    std::vector<Seiten::Zeiger> seiten(const Eingabe& eingabe);
    /// @}

    /// @name The drill
    /// @{
    /// How many cells are due today: the stored cells due, and the new cells the day still
    /// introduces in the lessons being learned (`lektionen::tagespensum`; where a lesson's
    /// narrowing leaves a cell out, it is not counted).
    int faellig();
    /// "Heute fällig: N".
    std::string faelligText();
    /// A drill over `umfang` (`lektion` names the lesson for `Umfang::lektion`), its chance
    /// fixed by `seed`; every answer is stored with its day. Over a lesson it starts with
    /// the lesson's narrowing; over several, each lesson's narrowing holds for its words.
    std::unique_ptr<drill::Uebung> uebung(Umfang umfang, std::optional<LektionId> lektion,
                                          std::uint32_t seed);
    /// The narrowing kept for `lektion`.
    drill::Eingrenzung eingrenzung(LektionId lektion);
    bool setEingrenzung(LektionId lektion, const drill::Eingrenzung& eingrenzung);
    /// The days `lektion` was practised, most recent first.
    std::vector<lektionen::Uebungstag> uebungstage(LektionId lektion);
    /// @}

    /// @name Lesson files and cards
    /// @{
    /// A lesson file read and checked by the rules; nothing is stored yet.
    struct Import {
        std::string name;
        /// The lines the rules accept, as the teacher wrote them (vowel marks kept, with
        /// abbreviations written out: `lektionen::ausLehrbuch`), with the gender and meaning
        /// each gave.
        std::vector<lektionen::Vokabel> woerter;
        std::vector<lektionen::Ablehnung> abgelehnt;
        /// Accepted lines whose forms were read otherwise than written (a supine as the
        /// participle), with what the pupil is told.
        std::vector<lektionen::Ablehnung> anmerkungen;
        std::string fehler; ///< set when the whole file is refused
    };
    /// Reads and checks the file `pfad`: every word is run through its command as typing
    /// it would, its vowel marks and stray blanks cleaned as the drill cleans a typed form
    /// (`zumBilden`), and a line the rules refuse carries the program's own message.
    Import pruefen(const std::filesystem::path& pfad);
    /// The same for a file's bytes.
    Import pruefenText(std::string_view bytes, std::string_view dateiname);
    /// Stores the accepted words as a new lesson (the pupil chose to import the valid lines).
    std::optional<LektionId> importieren(const Import& import);
    /// The lesson named as the file names its lesson, if there is one: importing a
    /// corrected file of it can update it instead of making a second.
    std::optional<LektionId> gleichnamig(const Import& import);
    /// What updating a lesson from a corrected file did, in words.
    struct Erneuerung {
        int behalten = 0; ///< words the lesson and the file share, kept with their progress
        int neu = 0;      ///< words of the file the lesson lacked
        int entfernt = 0; ///< words of the lesson the file no longer holds
    };
    /// Updates `lektion` to the accepted words, in one transaction: a word both hold (the
    /// same command and the same forms as the rules read them, vowel marks not counted)
    /// keeps its progress and takes the file's spelling, gender and meaning; the file's new
    /// words join; the others leave with their answers. Nothing when not stored.
    std::optional<Erneuerung> erneuern(LektionId lektion, const Import& import);
    /// Writes `lektion` to the lesson file `pfad`, each word with a noun's gender and its
    /// meaning as `vokabel` gives them; the number of words written, or nothing (`meldung()`
    /// says why).
    std::optional<int> exportieren(LektionId lektion, const std::filesystem::path& pfad);
    /// The lesson's cards for Anki: for every form of every word a question "rosa, rosae:
    /// Genitiv Plural" and the form in the run's colours; then for every word the
    /// dictionary knows, its forms ("rex, regis m.") to its meaning and the meaning back.
    std::string ankiText(LektionId lektion);
    /// @}

    /// @name The core vocabulary (shell/grundwortschatz.h)
    /// @{
    /// The names of its ready lessons, "Grundwortschatz 1" first; none when the dictionary
    /// is not installed. The first call reads the dictionary and checks its words by the rules.
    std::vector<std::string> grundwortschatzLektionen();
    /// The ready lesson `name` as an import of its words, to be stored by `importieren`;
    /// nothing for another name. Its words show the dictionary's meanings.
    std::optional<Import> grundwortschatz(std::string_view name);
    /// Why `grundwortschatz(name)` gave nothing, in German: the dictionary is missing (and how
    /// to install it), or the core vocabulary has no such lesson.
    static std::string grundwortschatzFehlt(std::string_view name);
    /// @}

private:
    struct Impl;
    void seiteGebildet();
    void geaendert();
    bool geaendert(bool ja);
    std::unique_ptr<Runde> runde(Umfang umfang, std::optional<LektionId> lektion);
    /// The meanings of the word of `seite` (the stored `wort`, if any) as the lessons show
    /// them, empty for none.
    std::string bedeutungDerSeite(const grammar::Paradigma& seite, std::optional<WortId> wort);
    std::optional<lektionen::Kasten> speichere(WortId wort, const std::string& schluessel,
                                               bool richtig);

    std::unique_ptr<Impl> impl_;
    Form1& form_;
    lektionen::Database db_;
    std::optional<lektionen::Datum> heute_;
    std::vector<std::function<void()>> beiAenderung_;
    std::optional<std::string> meldung_;
    /// Tells the listener on `form`'s pages whether this object still exists.
    std::shared_ptr<bool> lebt_ = std::make_shared<bool>(true);
};

} // namespace latiflex
