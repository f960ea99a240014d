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

/// Whether the dictionary can be read (opening it on the first call).
bool woerterbuchDa();

} // namespace latiflex
