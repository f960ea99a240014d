// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"

#include <optional>
#include <string>
#include <string_view>

namespace latiflex::analysis {

/// What a dictionary says of an entry of the rules.
struct Lexem {
    Eingabe eingabe;       ///< the dictionary's own forms as the prompts take them, where known
    std::string genus;     ///< a noun's gender ("m.", "f.", "n."); empty for other words
    std::string bedeutung; ///< the German meaning as the window shows it
    int bestaetigt = 0;    ///< dictionary forms of the entry the dictionary gives too
    int widersprochen = 0; ///< dictionary forms where the dictionary gives another
};

/// A dictionary as the analysis asks it. The analysis ranks an entry the dictionary has
/// before the rules' guesses and shows its meaning.
class Woerterbuch {
public:
    virtual ~Woerterbuch() = default;
    /// The dictionary's word of this class and headword, with how well its forms fit;
    /// nothing when it has none.
    virtual std::optional<Lexem> eintrag(const Eingabe& eingabe) const = 0;
    /// Whether the dictionary has `lemma` as a headword, of any class.
    virtual bool hat(std::string_view lemma) const = 0;
};

} // namespace latiflex::analysis
