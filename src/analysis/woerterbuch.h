#pragma once

#include "grammar/eingabe.h"

#include <string>
#include <string_view>
#include <vector>

namespace latiflex::analysis {

/// A dictionary entry as the form analysis uses it.
struct Lexem {
    Eingabe eingabe;       ///< the command and the dictionary forms as its prompts take them
    std::string genus;     ///< a noun's gender ("m.", "f.", "n."); empty for other words
    std::string bedeutung; ///< the German meaning as the window shows it
};

/// What a dictionary tells the analysis: the entries of a headword. The analysis ranks an
/// entry the dictionary has before guesses of the rules and shows its meaning.
class Woerterbuch {
public:
    virtual ~Woerterbuch() = default;
    /// Every entry whose first dictionary form is `lemma` (compared by `schluessel`).
    virtual std::vector<Lexem> eintraege(std::string_view lemma) const = 0;
};

} // namespace latiflex::analysis
