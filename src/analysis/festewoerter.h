// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/zelle.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// The words whose forms the program knows from a table of its own (festewoerter.tsv), not
/// from the rules of its pages: the pronouns, the irregular verbs, the words without cells.
namespace latiflex::analysis {

/// A word of the table.
struct FestesWort {
    std::string woerter;   ///< the dictionary forms as a vocabulary lists them ("hic, haec, hoc")
    std::string klasse;    ///< "Demonstrativpronomen", "unregelmäßiges VERBUM", "Konjunktion"
    std::string bedeutung; ///< a short German meaning
    bool verb = false;     ///< a verb, whose forms the page of VERBUM may print
    /// Every form in its cell; one form without a cell for a word without cells.
    std::vector<std::pair<std::optional<grammar::Zelle>, std::string>> formen;
};

/// Every word of the table, in its order.
const std::vector<FestesWort>& festeWoerter();

/// One reading of a form in the table: the word, and the cell (none for a word without
/// cells).
struct FesteForm {
    const FestesWort* wort;
    std::optional<grammar::Zelle> zelle;
};

/// Every reading of `form` in the table, compared by `schluessel`; in the table's order.
std::vector<FesteForm> festeFormen(std::string_view form);

} // namespace latiflex::analysis
