// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/eingrenzung.h"
#include "drill/frage.h"
#include "drill/urteil.h"
#include "drill/zufall.h"
#include "interfaces/seiten.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace latiflex::drill {

/// What the drill asks: one kind of question, forms of both kinds at random, or a word's
/// meaning card in one direction.
enum class Auswahl { bilden, bestimmen, gemischt, bedeutung, lateinisch };

/// Said when the drill is asked for before any word was printed.
inline constexpr std::string_view keinWort =
    "Noch kein Wort: erst ein Wort deklinieren oder konjugieren, dann üben.";

/**
 * The drill over the pages of this run: asks one question at a time, judges the answer,
 * keeps the score and brings a cell answered wrong back a few questions later until it is
 * answered right. Plain C++; the window and the test driver both work it. The pages come
 * from `Seiten`, most recent first, so a word printed while the drill is open joins it.
 */
class Uebung {
public:
    /// Questions after which a cell answered wrong is asked again.
    static constexpr int abstand = 3;

    /// A drill over `seiten`, its chance fixed by `seed`. Asks nothing until `naechsteFrage`.
    Uebung(const Seiten& seiten, std::uint32_t seed);
    /// A drill over pages it keeps alive itself (a lesson's words formed for it).
    Uebung(std::shared_ptr<const Seiten> seiten, std::uint32_t seed);

    /// Which forms may be asked besides the narrowing: the question's `art` is not set yet.
    using Zulassung = std::function<bool(const Frage&)>;
    /// Asks only forms `zulassung` admits (the cells due today); after an answer it is asked
    /// again for the cell answered, so a cell that stops being due leaves the drill.
    void setZulassung(Zulassung zulassung);
    /// Adds `f`, called with the question and its verdict after every judged answer (the
    /// lessons store it).
    void beiAntwort(std::function<void(const Frage&, const Urteil&)> f) {
        beiAntwort_.push_back(std::move(f));
    }

    /// The meanings of a page's word as the lessons show them ("König; Herrscher"), empty for
    /// a word without one: the meaning cards ask only words that have one.
    using Bedeutungen = std::function<std::string(const Seiten::Zeiger&)>;
    void setBedeutungen(Bedeutungen bedeutungen);

    /// Whether a cell answered wrong waits its turn (`abstand` questions) rather than being
    /// drawn again at random before it: so a stored cell is asked again spaced from its last
    /// asking. Off by default.
    void setAbstandHalten(bool ja) { abstandHalten_ = ja; }

    /// Whether any page with forms was printed: without one there is nothing to ask.
    bool hatWoerter() const { return !seiten_.alle().empty(); }

    Auswahl auswahl() const { return auswahl_; }
    void setAuswahl(Auswahl auswahl);
    const Eingrenzung& eingrenzung() const { return eingrenzung_; }
    void setEingrenzung(Eingrenzung eingrenzung);

    /// Asks the next question: a cell answered wrong that is due, else one at random (the
    /// first from the most recent page). Nothing when no form fits the narrowing.
    const Frage* naechsteFrage();
    /// The question open now, or nothing.
    const Frage* frage() const { return frage_ ? &*frage_ : nullptr; }
    /// The open question as the pupil reads it, or why there is none.
    std::string frageText() const;
    /// What `frageText` says when there is nothing to ask at all (the drill over due cells:
    /// "Heute ist nichts fällig.").
    void setNichtsZuFragen(std::string text) { nichtsZuFragen_ = std::move(text); }

    /// Judges a typed answer: a form for Bilden, German labels ("Genitiv Plural") for
    /// Bestimmen; a meaning as leniently as `bedeutungPruefen` (one letter off is "Fast
    /// richtig", counted right); the dictionary forms joined by "," as at the prompts. Nothing
    /// when no question is open or it was answered already.
    std::optional<Urteil> antworte(std::string_view text);
    /// Judges a named cell (Bestimmen).
    std::optional<Urteil> bestimme(const grammar::Zelle& zelle);
    /// "Lösung zeigen": the open question counts as answered wrong, and the verdict holds the
    /// right form; the cell comes back like any cell answered wrong. Nothing when no question
    /// is open or it was answered already.
    std::optional<Urteil> loesung();

    /// "Wort weglassen": the word of the open question (all its pages) is asked no more in
    /// this drill, nor do its cells answered wrong come back. Asks the next question.
    void weglassen();

    /// Starts again: score and loop emptied, a new first question.
    void neuBeginnen();
    /// Empties the score ("0 von 0 richtig"); the cells answered wrong still come back.
    void leereStand();

    int richtig() const { return richtig_; }
    int gestellt() const { return gestellt_; }
    /// "7 von 9 richtig".
    std::string stand() const;
    /// How many cells answered wrong wait to come back.
    std::size_t offen() const { return wiederholungen_.size(); }

private:
    struct Eintrag {
        Seiten::Zeiger seite;
        std::size_t block = 0;
        std::size_t form = 0;
        bool karte = false;      ///< a word's meaning card, not a form
        std::string bedeutung{}; ///< the card's meanings
        bool operator==(const Eintrag& o) const {
            return seite == o.seite && block == o.block && form == o.form && karte == o.karte;
        }
    };
    struct Wiederholung {
        Eintrag eintrag;
        Fragenart art;
        int faellig;
    };

    const std::vector<Eintrag>& vorrat();
    std::vector<grammar::Zelle> zellenDerForm(const Frage& f) const;
    bool karten() const {
        return auswahl_ == Auswahl::bedeutung || auswahl_ == Auswahl::lateinisch;
    }
    void karteNehmen(const Seiten::Zeiger& seite, std::vector<const grammar::Paradigma*>& woerter);
    Urteil karteGewertet(std::string_view text);
    Urteil gewertet(Urteil urteil);

    std::shared_ptr<const Seiten> eigene_;
    const Seiten& seiten_;
    Zufall zufall_;
    Zulassung zulassung_;
    Bedeutungen bedeutungen_;
    std::string nichtsZuFragen_;
    std::vector<std::function<void(const Frage&, const Urteil&)>> beiAntwort_;
    Auswahl auswahl_ = Auswahl::bilden;
    Eingrenzung eingrenzung_;
    bool abstandHalten_ = false;

    std::vector<Eintrag> vorrat_;
    std::size_t vorratAus_ = 0; // how many pages the pool was built from
    bool vorratAlt_ = true;

    std::optional<Frage> frage_;
    bool beantwortet_ = false;
    std::optional<Eintrag> vorige_;
    int nummer_ = 0;
    int richtig_ = 0;
    int gestellt_ = 0;
    std::vector<Wiederholung> wiederholungen_;
    std::vector<Seiten::Zeiger> weggelassen_; // a page of each word left out
};

} // namespace latiflex::drill
