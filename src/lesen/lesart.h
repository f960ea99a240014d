// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/bestimmung.h"
#include "grammar/eingabe.h"
#include "grammar/wortform.h"
#include "grammar/zelle.h"

#include <optional>
#include <string>
#include <vector>

/// What reading a Latin text makes of each of its words.
namespace latiflex::lesen {

/// One reading of a word in a text: a dictionary entry and a cell, or a word without cells.
struct Lesart {
    std::string klasse;                  ///< the class as the page or the window names it
    Eingabe eingabe;                     ///< the entry; no command for a word without cells
    std::string formen;                  ///< the dictionary forms as typed, joined by ", "
    std::optional<grammar::Zelle> zelle; ///< nothing for a word without cells
    std::string seite;                   ///< the caption of the page that prints the cell
    Wortform wortform;                   ///< the form as the page prints it
    std::string bedeutung;               ///< the German meaning, empty when none is known
    bool eigen = false;                  ///< the entry is one of the pupil's words
    bool bekannt = false;                ///< known (the pupil's, a table's), not only a guess
    std::string genus;    ///< a noun's gender as a dictionary gives it ("m."), where known
    bool druckbar = true; ///< choosing it prints its page

    friend bool operator==(const Lesart&, const Lesart&) = default;
};

/// How sure the reading of a word is.
enum class Sicherheit {
    bekannt,   ///< its first reading is a word the program knows
    vermutet,  ///< only the rules propose its readings
    unbekannt, ///< no reading at all
};

/// A word of the text with its readings, ranked in its context.
struct Wort {
    std::string form; ///< as it stands in the text
    std::size_t zeile = 1;
    std::size_t anfang = 0; ///< first byte in the text
    std::size_t laenge = 0; ///< bytes
    bool satzende = false;
    std::vector<Lesart> lesarten; ///< most probable first, in context
    std::string grund;            ///< why the context put the first reading first, or empty
    std::string wirt;             ///< the host an enclitic (-que, -ne, -ve) hangs on, or empty
    std::optional<std::size_t> gewaehlt; ///< the reading the pupil picked

    /// The reading shown: the pupil's choice, else the first; nothing without readings.
    const Lesart* lesart() const;
    Sicherheit sicherheit() const;

    friend bool operator==(const Wort&, const Wort&) = default;
};

/// What names a reading when the pupil's choice is kept: its dictionary forms and its cell's
/// code ("rosa, rosae|abl.sg"), never a label.
std::string schluessel(const Lesart& l);

/// A reading of the analysis as a reading of a text.
Lesart lesart(const analysis::Deutung& d);

} // namespace latiflex::lesen
