// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesen/lesart.h"

#include <functional>
#include <vector>

namespace latiflex::lesen {

/// One word of a text's vocabulary list: a dictionary entry, once.
struct Vokabel {
    Lesart lesart;          ///< the reading shown where the entry first stands
    std::size_t zeile = 1;  ///< the line where it first stands
    std::size_t anzahl = 0; ///< how often it stands in the text
    bool inLektion = false; ///< the entry is in one of the pupil's lessons already
};

/// How the vocabulary list is ordered.
enum class Reihenfolge { imText, alphabetisch };

/**
 * The vocabulary of a read text: each entry of the readings shown (the pupil's choice, else
 * the first) once, with the line where it first stands; words without a reading are left
 * out. In order of first occurrence, or alphabetically by the dictionary forms (capitals
 * and vowel marks not counted). `inLektion` tells which entries the pupil's lessons hold.
 */
std::vector<Vokabel> wortschatz(const std::vector<Wort>& woerter, Reihenfolge reihenfolge,
                                const std::function<bool(const Eingabe&)>& inLektion = {});

} // namespace latiflex::lesen
