// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

/// How the drill compares a typed form with the right one: leniently, since the program's
/// forms carry no vowel quantities and pupils type capitals and blanks at random.
namespace latiflex::drill {

/**
 * The form as compared: blanks at either end dropped, each run of blanks one blank, capital
 * letters small, every mark on a letter dropped (a vowel with a macron, breve, accent,
 * diaeresis or any other mark the Unicode data decomposes it into, precomposed or
 * combining, is the plain vowel), direction marks and other invisible format characters
 * dropped. Bytes that are not UTF-8 stay as U+FFFD; any text gets a result.
 */
std::string normiert(std::string_view text);

/**
 * The form as the program's rules should read it: like `normiert`, but capitals kept (a
 * marked capital becomes the plain capital), so *Iuppiter* stays a proper name.
 */
std::string bereinigt(std::string_view text);

/// What makes a typed form differ from `bereinigt(text)`, first kind found in this order.
enum class Unsichtbar {
    nichts,         ///< it is its cleaned form
    laengenzeichen, ///< a macron (rosā)
    kuerzezeichen,  ///< a breve (rosă)
    akzent,         ///< an accent, circumflex, tilde or diaeresis
    blankAmRand,    ///< a blank at its start or end
    blanks,         ///< a run of blanks inside it
    zeichen,        ///< another character the pupil cannot see (a tab, a direction mark)
};

/// Why the typed form is not its cleaned form.
Unsichtbar unsichtbar(std::string_view text);

/// Whether the pupil's form counts as the right one.
bool gleich(std::string_view getippt, std::string_view richtig);

/// Where a wrong form differs from the right one, `stamm` + `endung`, in German: the ending
/// typed against the right ending when the stem is right, else the place after the part
/// both share. Empty when the forms count as equal.
std::string abweichung(std::string_view getippt, std::string_view stamm, std::string_view endung);

} // namespace latiflex::drill
