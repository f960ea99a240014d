// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// The lesson file: plain UTF-8 text a teacher can also write by hand in any editor.
///
///     # Lektion 12
///     SUBST rosa, rosae
///     ADJEKTIV bonus, bona, bonum
///     VERBUM laudo, laudare, laudavi, laudatus
///
/// One word a line: the caption of its command (in any case), a blank, and the answers as
/// typed at the command's prompts joined by ", ". The first `#` line names the lesson (else
/// the file's name without its ending); other `#` lines and empty lines are ignored. As a
/// textbook's word list prints them, a noun's gender may follow its forms and the German
/// meaning may follow " = " (several separated by ";"):
///
///     SUBST rex, regis m. = König
///     VERBUM amo, amare, amavi, amatus = lieben; gern haben
namespace latiflex::lektionen {

/// Largest file read, in bytes: a lesson of thousands of words fits many times over.
inline constexpr std::size_t hoechstBytes = std::size_t{4} * 1024 * 1024;
/// Most words in one file.
inline constexpr std::size_t hoechstWoerter = 2000;
/// Longest line read as a word, in bytes.
inline constexpr std::size_t hoechstZeile = 1000;
/// Longest lesson name kept, in letters.
inline constexpr std::size_t hoechstName = 80;

/// A line that is not imported, and why, in German.
struct Ablehnung {
    std::size_t zeile = 0;
    std::string grund;

    /// "Zeile 3: Keine Zahlen, Du..."
    std::string text() const;
    friend bool operator==(const Ablehnung&, const Ablehnung&) = default;
};

/// A word as a lesson file writes it: the typed word, a noun's gender, its meaning.
struct Vokabel {
    Eingabe eingabe;
    std::string genus;     ///< "m.", "f.", "n." or "m./f."; empty when not given
    std::string bedeutung; ///< the text after " = ", blanks at its ends dropped; may be empty

    friend bool operator==(const Vokabel&, const Vokabel&) = default;
};

/// The genders a noun's line may name after its forms, as textbooks abbreviate them.
inline constexpr std::string_view genera[] = {"m.", "f.", "n.", "m./f."};

/// A word line and where it stood.
struct Dateizeile {
    std::size_t zeile = 0;
    Eingabe eingabe;
    std::string genus;     ///< as `Vokabel::genus`
    std::string bedeutung; ///< as `Vokabel::bedeutung`
    std::string anmerkung; ///< a form read otherwise than written (`Lehrbuchwort::anmerkung`)

    friend bool operator==(const Dateizeile&, const Dateizeile&) = default;
};

/// A lesson file as read: its name, its word lines and the lines refused.
struct Lektionsdatei {
    std::string name;
    std::vector<Dateizeile> woerter;
    std::vector<Ablehnung> abgelehnt;
    /// Set when the whole file is refused (too large, too many words or lines that are no
    /// word, no text, no word at all).
    std::string fehler;
};

/**
 * Reads a lesson file's bytes. `dateiname` names the lesson when no comment does. A file
 * with bytes that are not UTF-8 and no character of more than one byte in it is read as
 * Latin-1, as older editors write it. A line that is not valid UTF-8, holds control or
 * direction-changing characters, is too long, names no command ("SUBST", "ADJEKTIV",
 * "VERBUM", in any case), holds an empty answer or a form that cannot be read as a
 * textbook prints it (`ausLehrbuch`) is refused with its number. Whether the rules accept
 * the word is not checked here.
 */
Lektionsdatei lesen(std::string_view bytes, std::string_view dateiname);

/// The file for lesson `name` with `woerter`, one a line, ending in a line feed.
std::string schreiben(std::string_view name, const std::vector<Eingabe>& woerter);
/// The same with each word's gender and meaning.
std::string schreiben(std::string_view name, const std::vector<Vokabel>& woerter);

/// Whether the word can stand on a line of its own and read back the same: no answer empty,
/// none with a line break or ", " in it.
bool darstellbar(const Eingabe& eingabe);

/// The line of one word: "SUBST rosa, rosae".
std::string zeile(const Eingabe& eingabe);
/// The line of one word with its gender and meaning: "SUBST rex, regis m. = König". A
/// meaning's line breaks are written as blanks.
std::string zeile(const Vokabel& vokabel);

} // namespace latiflex::lektionen
