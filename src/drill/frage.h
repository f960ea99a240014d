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

/// The two kinds of question: form the form of a cell, or name the cell of a form.
enum class Fragenart { bilden, bestimmen };

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

    /// The form asked for or shown, as stem and ending; the *sum* page's whole words have
    /// an empty ending.
    Wortform wortform() const;
    /// The cell of that form.
    const grammar::Zelle& zelle() const;
    /// The word as typed, with its class: "rosa, rosae (SUBSTANTIV der A - Deklination)".
    std::string wort() const;
    /// The question as the pupil reads it; a dictionary form that is the form asked for
    /// stands as "___" ("Bilde Vokativ Singular: ___, regis (…)").
    std::string text() const;
};

} // namespace latiflex::drill
