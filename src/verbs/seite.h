#pragma once

#include "shell/umgebung.h"
#include "grammar/wortform.h"
#include "verbs/verbzustand.h"

#include <array>
#include <string_view>

namespace latiflex::verbs {

/// One tense: its heading and the forms of persons 1 to 6.
struct Tempus {
    std::string_view kopf;
    std::array<Wortform, 6> formen;
};

/// How a page prints its forms: stem and ending in their colours, or (the tables of
/// *esse* for "sum") whole words in the pane's current colour.
enum class Farbe { wortform, ohne };

/// Prints the five tenses of a tense page into the (already cleared) pane: the three
/// indicative tenses side by side from the top at columns 5, 25 and 45, the two
/// subjunctive tenses at columns 5 and 25 from 1900 twips.
void druckeSeite(Umgebung& u, const std::array<Tempus, 5>& tempora, Farbe farbe = Farbe::wortform);

/// The first guard of every tense command: without a verb entered through "VERBUM" it says
/// "Zuerst VERBUM wählen" and the pane keeps what it shows.
bool verbGewaehlt(Umgebung& u, const VerbZustand& v);

/// The guards the two active commands share: a verb entered; then the pane is cleared, and
/// a deponent, which has no active forms, is refused with "Kein Eintrag".
bool aktivBereit(Umgebung& u, const VerbZustand& v);

} // namespace latiflex::verbs
