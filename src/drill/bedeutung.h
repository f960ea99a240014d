// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

/// How the drill judges a German meaning typed for a Latin word: as leniently as a teacher
/// reads a vocabulary test.
namespace latiflex::drill {

/// The verdict on a typed meaning.
enum class Treffer {
    falsch,
    fast,   ///< one letter wrong, missing or extra in a meaning of five or more letters
    richtig ///< one of the meanings, as the lenient reading takes it
};

/// The verdict and the meaning it was measured against.
struct Bedeutungsurteil {
    Treffer treffer = Treffer::falsch;
    /// The meaning the answer matched, as written in the word's meanings ("König"); for
    /// `fast`, what the pupil meant and is shown; empty when wrong.
    std::string bedeutung;

    friend bool operator==(const Bedeutungsurteil&, const Bedeutungsurteil&) = default;
};

/// The single meanings of a word's meanings as written: "lieben; gern haben" and "in, an,
/// auf (mit Ablativ)" are split at ";" and ","; parts with nothing left to type once
/// parentheses, articles and "sich" are left out are dropped.
std::vector<std::string> einzelbedeutungen(std::string_view bedeutungen);

/**
 * Judges `getippt` against a word's `bedeutungen` ("König; Herrscher"). Any one meaning
 * counts (several typed meanings, split likewise, must each be one). Left out before
 * comparing: text in parentheses or brackets, the articles der, die, das, ein, eine,
 * "sich", "jmdn." and its kin, capitals, blanks, vowel marks; ä, ö, ü may be typed as ae,
 * oe, ue or without their dots, ß as ss. One letter wrong, missing or extra where the
 * meaning has five letters or more is `Treffer::fast`, which counts as right.
 */
Bedeutungsurteil bedeutungPruefen(std::string_view getippt, std::string_view bedeutungen);

} // namespace latiflex::drill
