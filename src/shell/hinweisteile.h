// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"
#include "shell/hinweis.h"

#include <optional>
#include <string>
#include <string_view>

/// The hint line's checks, each a finding or nothing; `pruefe` asks them in its order.
namespace latiflex::hinweis {

/// Longer than any Latin word, even a compound of the comedies.
inline constexpr std::size_t laengstesWort = 64;

/// A typed word as the line quotes it: a huge one shows its beginning and end.
std::string zitat(std::string_view wort);

/// Whether the page is a deponent's: its present names a passive cell.
bool istDeponens(const grammar::Paradigma& p);

/// @name Answers that do not fit their prompts (hinweiseingabe.cpp)
/// @{
std::optional<Hinweis> mehrereFormen(const grammar::Paradigma& p);
std::optional<Hinweis> zuLang(const grammar::Paradigma& p);
std::optional<Hinweis> keineKlasse(const grammar::Paradigma& p);
std::optional<Hinweis> partizip(const grammar::Paradigma& p);
std::optional<Hinweis> seltenesPaar(const grammar::Paradigma& p);
/// @}

/// @name Typed forms and the page's cells (hinweiszellen.cpp)
/// @{
/// A typed form not in its cell (`Art::nichtInZelle`).
std::optional<Hinweis> zellen(const grammar::Paradigma& p);
/// A page that printed no form for typed forms (`Art::keineFormen`).
std::optional<Hinweis> keineFormen(const grammar::Paradigma& p);
/// @}

/// @name Vowel marks, blanks and invisible characters (hinweiszeichen.cpp)
/// @{
/// A typed form read otherwise than the pupil sees it, into another page.
std::optional<Hinweis> zeichenAendert(const grammar::Paradigma& p);
/// A typed long mark the page carries into forms whose vowel is short there.
std::optional<Hinweis> zeichenInFormen(const grammar::Paradigma& p);
/// @}

} // namespace latiflex::hinweis
