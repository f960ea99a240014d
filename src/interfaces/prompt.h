// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/ergebnis.h"
#include "interfaces/dialogs.h"

#include <optional>
#include <string>
#include <string_view>

namespace latiflex {

/// Shows the message box "text" under "title" with the exclamation icon.
void melden(Dialogs& dialoge, std::string_view text, std::string_view title);

/// Shows the refusal's message box.
void melden(Dialogs& dialoge, const Ablehnung& ablehnung);

/// The refusal of a prompt answered with a number: "Keine Zahlen, Du..."
Ablehnung keineZahlen();

/// A command's refusal where the rules form nothing: "Keine Formen vorhanden".
Ablehnung keineFormen(std::string_view titel = "EINGABEFEHLER");

/// An input prompt whose answer must be a word. An answer that reads as a number is
/// refused with "Keine Zahlen, Du..." and gives nothing: the command ends there. A
/// cancelled prompt gives the empty text, which passes.
std::optional<std::string> frageWort(Dialogs& dialoge, std::string_view message,
                                     std::string_view title);

} // namespace latiflex
