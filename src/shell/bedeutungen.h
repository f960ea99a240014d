// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"

#include <optional>
#include <string>

namespace latiflex {

/// What the dictionary says of a word the pupil typed.
struct Woerterbuchbedeutung {
    std::string bedeutung; ///< its senses, "; " between them: "König; Herrscher"
    std::string genus;     ///< a noun's gender as a lesson file writes it ("m."), else empty
};

/**
 * The installed dictionary's meaning of `eingabe` (the command's caption and the answers as
 * typed), found by class and headword (`woerterbuch::Woerterbuch::zuEingabe`); nothing when
 * the dictionary has no such word or is not installed. Opens the dictionary on the first
 * call.
 */
std::optional<Woerterbuchbedeutung> ausWoerterbuch(const Eingabe& eingabe);

/// The message that the dictionary is not installed and how to install it, the first time it
/// is asked for while the dictionary cannot be read; nothing after that, or when it can.
std::optional<std::string> woerterbuchFehlt();

} // namespace latiflex
