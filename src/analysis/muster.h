// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

/// The patterns of Latin dictionary entries that the form analysis tries, with how common
/// each is among real Latin words.
namespace latiflex::analysis {

/**
 * A pattern of dictionary forms: a root and the tails each form adds to it, as typed at
 * the prompts of one command ("rex", "regis": root "re", tails "x", "gis"). A pattern
 * holds for roots ending in `letzter` only; `anzahl` is the number of words of a Latin
 * lexicon that follow it, `beispiel` the root of the most frequent of them.
 */
struct Muster {
    std::string_view befehl; ///< "SUBST", "ADJEKTIV" or "VERBUM"
    char letzter;            ///< the root's last letter; 0 for a word of its own (root empty)
    int anzahl;
    int haeufigkeit; ///< how often those words occur in the lexicon's texts, all together
    std::string_view beispiel;
    std::array<std::string_view, 4> endungen; ///< as many as the command has prompts
};

/// Every pattern, most common first within each command, then the words the rules treat
/// as their own (sum, volo, nolo, malo, vis and the feminine i-stems), as patterns of an
/// empty root.
std::span<const Muster> alleMuster();

/// How many of a pattern's tails are answers: 2 for a noun, 3 for an adjective, a
/// deponent or a word of its own, else 4.
std::size_t antwortenZahl(const Muster& m);

} // namespace latiflex::analysis
