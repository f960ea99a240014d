// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"

#include <array>
#include <optional>
#include <string_view>

/// Classifying an adjective by its masculine, a second form and its neuter, and forming its
/// three columns of twelve rows (singular, then plural; nominative, genitive, dative,
/// accusative, vocative, ablative).
namespace latiflex::adjectives {

/// Which second form the pupil is asked for: the feminine for a masculine in -us (but
/// "vetus") or in -er, else the masculine genitive.
bool fragtFeminin(std::string_view m);

/// The three forms as typed: m the masculine, s the feminine or the genitive, n the neuter.
struct Eingabe {
    std::string_view m, s, n;
};

enum class Familie { ao, dritte };

struct Analyse {
    Familie familie;
    int adjklasse = 0; ///< third declension: 1, 2 or 3 terminations; 0 for a/o
};

/// The family and class; nothing when a form is too short for the stem it gives (a
/// third-declension s or class-1 m of one letter, an a/o neuter of one letter).
std::optional<Analyse> analysieren(const Eingabe& e);

/// The whole adjective: three blocks, masculine, feminine and neuter, of twelve forms each.
/// A row with neither stem nor ending (a neuter plural of dives) is a blank row.
grammar::Paradigma paradigma(const Eingabe& e, const Analyse& a);

} // namespace latiflex::adjectives
