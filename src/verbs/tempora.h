// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/ergebnis.h"
#include "verbs/verb.h"
#include "verbs/zeitseite.h"

#include <optional>

/// The forms of the four tense pages: five tenses of six persons each.
namespace latiflex::verbs {

/// The five tenses each page forms, or nothing where the verb's stems cannot be cut (the
/// command then says "Keine Formen vorhanden"); the command's other guards come first.
std::optional<Tempora> praesensAktivFormen(const Verb& v);
std::optional<Tempora> praesensPassivFormen(const Verb& v);
std::optional<Tempora> perfektAktivFormen(const Verb& v);
std::optional<Tempora> perfektPassivFormen(const Verb& v);

/// The page `seite` of the verb exactly as its command prints it, or the command's refusal
/// (`schranke`, then "Keine Formen vorhanden" where the stems cannot be cut). Pure: no
/// pane, no dialog.
Ergebnis<grammar::Paradigma> seite(const Verb& v, Zeitseite seite);

} // namespace latiflex::verbs
