// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesen/lesart.h"

#include <functional>
#include <string_view>
#include <vector>

namespace latiflex::lesen {

/// The readings of a form alone, as the reader finds them (for two words read as one form).
using Bestimmer = std::function<std::vector<Lesart>(std::string_view form)>;

/**
 * Ranks each word's readings by the sentence around it, and says why in `Wort::grund`:
 * a participle beside a form of *esse* as one perfect passive form (both words); the
 * words after a preposition in the case it takes; a noun as the subject (nominative, the
 * verb's number) of a finite verb in the third person; an adjective and a noun side by side
 * in one case, number and gender; an enclitic's host. A known reading (the pupil's word, a
 * word with a meaning) is never put behind a guess of the rules; a word one rule has placed
 * is left to it. A sentence ends at a full stop, colon, semicolon, question or exclamation
 * mark.
 */
void imKontext(std::vector<Wort>& woerter, const Bestimmer& bestimmer);

} // namespace latiflex::lesen
