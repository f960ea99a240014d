// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/ergebnis.h"
#include "grammar/paradigma.h"
#include "interfaces/umgebung.h"
#include "verbs/verb.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace latiflex::verbs {

/// The forms of one tense, persons 1 to 6, and of the five tenses of a page.
using Formen = std::array<Wortform, 6>;
using Tempora = std::array<Formen, 5>;

/// Five tenses, one table by person each. With `staemme`, an entry is the ending after its
/// person's stem; without, it is the whole word (the tables of *esse*).
Tempora nachTabellen(const std::array<const Personen*, 5>& tabellen,
                     const grammar::AbEins<std::string, 6>* staemme = nullptr);

/// The five tables of *esse* in the order of a page.
inline constexpr std::array<const Personen*, 5> esseTabellen{&esse_praes, &esse_impf, &esse_fut,
                                                             &esse_konj, &esse_impfkonj};

/// The four tense pages, each named after its button.
enum class Zeitseite { praesensAktiv, praesensPassiv, perfektAktiv, perfektPassiv };

/// The captions of the four tense pages' buttons, in the order of `Seite`.
inline constexpr std::array<std::string_view, 4> seitenKnoepfe{
    "PR.IMP.F1. AKT.", "PR.IMP.F1. PASS.", "PF.PLQPF.F2. AKT.", "PF.PLQPF.F2.PASS:"};

/// How a page prints its forms: stem and ending in their colours, or (the tables of
/// *esse* for "sum") whole words in the pane's current colour.
enum class Farbe { wortform, ohne };

/// The page's paradigm: its five tenses in the order they are printed (present or perfect,
/// imperfect or pluperfect, future or future perfect indicative, then the two subjunctive
/// tenses), each with its heading as printed and every form with its cell.
grammar::Paradigma seitenParadigma(const Verb& v, Zeitseite seite, const Tempora& tempora,
                                   Farbe farbe = Farbe::wortform);

/// Prints a tense page into the (already cleared) pane: the three indicative tenses side
/// by side from the top at columns 5, 25 and 45, the two subjunctive tenses at columns 5
/// and 25 from 1900 twips.
void druckeSeite(Umgebung& u, const grammar::Paradigma& p);

/// Why the command of page `seite` refuses the verb before it forms anything: a deponent
/// has no active ("Kein Eintrag"), *volo*, *nolo*, *malo* no perfect passive, *sum* no
/// passive ("Nicht vorhanden"); nothing where it goes on.
std::optional<Ablehnung> schranke(const Verb& v, Zeitseite seite);

/// The tense command's guards in its order: a verb entered through "VERBUM" (`v` null:
/// "Zuerst VERBUM wählen", and the pane keeps what it shows), then `schranke`, which the
/// active commands say on the cleared pane and the passive ones before clearing it. False
/// where the command ends there; else the pane is cleared for the page.
bool geprueft(Umgebung& u, const Verb* v, Zeitseite seite);

} // namespace latiflex::verbs
