// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"

#include <optional>
#include <string>
#include <string_view>

/// A word as a textbook's word list prints it, made into the answers the program's prompts
/// take: abbreviated forms written out (`amicus, -i`; `laudo, -are, -avi, -atum`), a verb's
/// supine read as its participle, an adjective of two endings or of one ending with its
/// genitive given the three forms the adjective's prompts ask for.
namespace latiflex::lektionen {

/// The word ready for the prompts, and what the pupil is told about it.
struct Lehrbuchwort {
    Eingabe eingabe;
    std::string anmerkung; ///< a form changed, in German ("Supinum »pugnatum« …"); may be empty
    std::string fehler;    ///< set when the word cannot be read: what is missing, in German
};

/// The word of a lesson line whose answers are `eingabe.antworten`, as typed (vowel marks
/// kept: a form written out from an abbreviation keeps the marks of both parts).
Lehrbuchwort ausLehrbuch(Eingabe eingabe);

/**
 * The abbreviated form `kuerzel` (without its dash: "itis") written out after `grundform`
 * ("miles": "militis"), as word lists abbreviate: an abbreviation that begins with a
 * consonant replaces from the last such consonant (`pater, -tris`); one that begins with a
 * vowel replaces the ending of the first form, that is from its last vowel, or from the
 * letter of its last run of vowels that the abbreviation begins with (`dies, -ei`;
 * `moneo, -ere`), a verb's whole last run of vowels (`moneo, -ui`), and follows a noun or an
 * adjective in -r whole unless it begins with e or o (`puer, -i`; but `miser, -era`). Vowel
 * marks count as the plain vowel. Nothing where no letter fits.
 */
std::optional<std::string> ausgeschrieben(std::string_view grundform, std::string_view kuerzel,
                                          bool verbum);

} // namespace latiflex::lektionen
