#pragma once

#include "grammar/paradigma.h"
#include "grammar/wortform.h"

#include <cstddef>
#include <memory>
#include <string>

namespace latiflex::drill {

/// The two kinds of question: form the form of a cell, or name the cell of a form.
enum class Fragenart { bilden, bestimmen };

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
    /// The question as the pupil reads it.
    std::string text() const;
};

} // namespace latiflex::drill
