// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/eingrenzung.h"
#include "drill/frage.h"
#include "interfaces/seiten.h"
#include "lessons/database.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace latiflex {

/**
 * The drill over stored words: the pages it asks (copies of the words' pages, its own
 * `Seiten`), the word and lesson of each page and the key of each form, each lesson's
 * narrowing, and for the drill over due cells the cells it may still ask today.
 *
 * Over due cells it admits the stored cells due today and the day's new cells
 * (`lektionen::tagespensum`), taken from the lesson's words in turn, one cell of each word
 * before a second of any, so every word of a lesson is asked on the first day it is
 * practised. A word's meaning cards come first among its new ones: a pupil learns what a word
 * means before its forms.
 */
class Runde {
public:
    /// A stored word's pages, formed by the rules.
    using SeitenVon = std::function<const std::vector<Seiten::Zeiger>&(const lektionen::Wort&)>;

    /// Whether a stored word has a meaning: it then has two meaning cards besides its cells.
    using HatBedeutung = std::function<bool(const lektionen::Wort&)>;

    /// Where a page of the drill comes from.
    struct Herkunft {
        lektionen::WortId wort = 0;
        lektionen::LektionId lektion = 0;
        std::vector<std::vector<std::string>> schluessel; ///< by block and form
        std::vector<std::vector<char>> zugelassen;        ///< by block and form
    };

    /// Most words one drill over due cells asks: those whose cells fell due first. What is
    /// left is asked when the drill is opened again.
    static constexpr int hoechstWoerter = 200;

    /**
     * A drill over `woerter` (those kept out of the drill are left out). `nurFaellige`: only
     * the cells due on `heute` and the day's new ones. `eingrenzungen`: each lesson's kept
     * narrowing holds for its words (a drill over several lessons).
     */
    Runde(lektionen::Database& db, std::vector<lektionen::Wort> woerter, bool nurFaellige,
          bool eingrenzungen, lektionen::Datum heute, const SeitenVon& seitenVon,
          const HatBedeutung& hatBedeutung);

    std::shared_ptr<Seiten> seiten() const { return seiten_; }
    /// Where the question's page comes from; nothing for a page not of this drill.
    Herkunft* herkunft(const drill::Frage& f);
    /// Shuts the question's card or cell out of the drill over due cells (answered right).
    void erledigt(const drill::Frage& f);
    /// The key the question's card or cell is stored under.
    std::optional<std::string> schluessel(const drill::Frage& f);
    /// Whether the form may be asked: its lesson's narrowing and, over due cells, its being due.
    /// A meaning card is asked where the word has a meaning and, over due cells, it is due.
    bool passt(const drill::Frage& f) const;
    /// Whether anything besides the drill's own narrowing limits the questions.
    bool laesstAus() const { return nurFaellige_ || !eingrenzungen_.empty(); }
    /// Every admitted form with a word in it.
    int anzahl() const;

private:
    bool erlaubt(const Herkunft& h, const drill::Frage& f) const;

    /// Each word's meaning cards that may be asked (German, Latin), for words with a meaning.
    std::map<lektionen::WortId, std::array<char, 2>> karten_;
    std::shared_ptr<Seiten> seiten_ = std::make_shared<Seiten>();
    std::unordered_map<const grammar::Paradigma*, Herkunft> herkunft_;
    std::map<lektionen::LektionId, drill::Eingrenzung> eingrenzungen_;
    bool nurFaellige_ = false;
};

} // namespace latiflex
