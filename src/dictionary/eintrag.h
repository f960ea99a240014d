// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// One entry of the Latin-German dictionary, read from its text as dictd keeps it:
///
///     rex /rˈeːks/ (regis /rˈeːɡɪs/ <gen>) <n, sg, m>
///     1. König
///     2. Herrscher
///
/// The first line holds the headword, its pronunciation between slashes, the further
/// dictionary forms in parentheses (each with its role: `<gen>`, `<f>`, `<n>`; a verb's
/// principal parts bare) and the word class with number and gender; every further line is
/// a sense, numbered or not, or a note in parentheses.
namespace latiflex::woerterbuch {

/// The word class as the dictionary tags it.
enum class Wortart {
    unbekannt,
    substantiv,
    adjektiv,
    verb,
    adverb,
    praeposition,
    konjunktion,
    pronomen,
    numerale,
    interjektion,
    wendung ///< a phrase of several words, untagged ("in dies")
};

/// A noun's gender (the headword's, for an adjective or pronoun).
enum class Genus { keins, maskulinum, femininum, neutrum, utrum };

/// What a further dictionary form is.
enum class Formart {
    genitiv,
    dativ,
    akkusativ,
    ablativ,
    femininum,  ///< an adjective's or pronoun's feminine
    neutrum,    ///< an adjective's or pronoun's neuter
    infinitiv,  ///< a verb's first principal part after the headword
    perfekt,    ///< a verb's perfect
    supinum,    ///< a verb's form in -um (a deponent's participle stands so too)
    unbestimmt, ///< a form without a role the reader knows
};

/// A further dictionary form, as the dictionary writes it.
struct Form {
    std::string text;
    Formart art = Formart::unbestimmt;

    friend bool operator==(const Form&, const Form&) = default;
};

/// An entry as the reader understood it. Nothing in it is checked against the program's
/// rules: a wrong genitive in the dictionary stays wrong here.
struct Eintrag {
    std::string stichwort;    ///< the headword as printed ("rex", "Afer", "in dies")
    std::vector<Form> formen; ///< the further dictionary forms, in the dictionary's order
    Wortart wortart = Wortart::unbekannt;
    Genus genus = Genus::keins;
    bool plural = false;                  ///< a word used in the plural only ("castra")
    std::vector<std::string> bedeutungen; ///< the German senses, in order, without numbers
    std::vector<std::string> anmerkungen; ///< notes on a line of their own, parentheses kept
    std::vector<std::string> siehe;       ///< headwords the entry refers to ("See also")

    /// The first further form of that role, if the entry gives one.
    std::optional<std::string> form(Formart art) const;
    /// The senses as one line, separated by "; ": "König; Herrscher".
    std::string bedeutungText() const;

    friend bool operator==(const Eintrag&, const Eintrag&) = default;
};

/// Reads one entry's text (its first line and its senses). An entry without a first line
/// gives an empty headword.
Eintrag lesen(std::string_view text);

/// The word class's German name: "Substantiv", "Präposition", …; empty when unknown.
std::string_view name(Wortart wortart);
/// The gender as textbooks abbreviate it after a noun: "m.", "f.", "n.", "m./f."; empty
/// for none.
std::string_view kuerzel(Genus genus);

} // namespace latiflex::woerterbuch
