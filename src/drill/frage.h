// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"
#include "grammar/wortform.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace latiflex::drill {

/// The kinds of question: form the form of a cell, name the cell of a form; give the German
/// meaning of a word's dictionary forms, or the dictionary forms of a meaning.
enum class Fragenart { bilden, bestimmen, bedeutung, lateinisch };

/// Whether the question asks a word's meaning card rather than a form.
inline bool istKarte(Fragenart art) {
    return art == Fragenart::bedeutung || art == Fragenart::lateinisch;
}

/// The dimensions of a cell, in the order of the German labels.
enum class Merkmal { genus, kasus, person, numerus, tempus, modus, genusVerbi };
/// Every dimension, in that order.
inline constexpr std::array alleMerkmale{Merkmal::genus,     Merkmal::kasus,  Merkmal::person,
                                         Merkmal::numerus,   Merkmal::tempus, Merkmal::modus,
                                         Merkmal::genusVerbi};

/// The dimension's German name: "Genus", "Kasus", ..., "Genus verbi".
std::string_view name(Merkmal merkmal);

/// The dimensions' names in the order given, the last joined by "und": "Kasus und Numerus".
std::string namen(const std::vector<Merkmal>& merkmale);

/// Whether a question to name the cell of a form of `wortart` asks for `merkmal`: case and
/// number of a noun, gender too of an adjective; person, number, tense, mood and voice of a
/// verb.
bool gefragt(grammar::Wortart wortart, Merkmal merkmal);

/// One question of the drill: a form of a printed page and how it is asked.
struct Frage {
    Fragenart art = Fragenart::bilden;
    std::shared_ptr<const grammar::Paradigma> seite;
    std::size_t block = 0;
    std::size_t form = 0;
    /// For a meaning card: the word's meanings as the lesson shows them ("König; Herrscher").
    std::string bedeutung{};

    /// The dictionary forms as typed at the prompts, joined by ", ": "rex, regis".
    std::string formen() const;
    /// What a meaning card takes as its answer: the meanings, or the dictionary forms.
    std::string kartenantwort() const { return art == Fragenart::bedeutung ? bedeutung : formen(); }

    /// The form asked for or shown, as stem and ending; the *sum* page's whole words have
    /// an empty ending.
    Wortform wortform() const;
    /// The cell of that form.
    const grammar::Zelle& zelle() const;
    /// The word as typed, with its class: "rosa, rosae (SUBSTANTIV der A - Deklination)".
    std::string wort() const;
    /// The question as the pupil reads it; a dictionary form that is the form asked for
    /// stands as "___" ("Bilde Vokativ Singular: ___, regis (…)"). A meaning card: "Was
    /// heißt rex, regis?", "Lateinisch für „König“ (Substantiv: Nominativ, Genitiv)".
    std::string text() const;
};

} // namespace latiflex::drill
