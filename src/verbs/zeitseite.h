#pragma once

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

/**
 * The page captioned `knopf` (a tense page's button, or "VERBUM" for the principal parts
 * alone) of the verb whose principal parts were typed as `stichwoerter` (as a page of the
 * verb holds them): the page the commands would show after these answers, or nothing
 * where they print no forms.
 */
std::optional<grammar::Paradigma> seiteAus(const std::vector<grammar::Stichwort>& stichwoerter,
                                           std::string_view knopf);

/// Prints a tense page into the (already cleared) pane: the three indicative tenses side
/// by side from the top at columns 5, 25 and 45, the two subjunctive tenses at columns 5
/// and 25 from 1900 twips.
void druckeSeite(Umgebung& u, const grammar::Paradigma& p);

/// Forms the page's paradigm, prints it and records it as the page on view.
void zeigeSeite(Umgebung& u, const Verb& v, Zeitseite seite, const Tempora& tempora,
                Farbe farbe = Farbe::wortform);

/// Shows the page of `tempora` as `zeigeSeite` does, or, where the rules formed none, says
/// "Keine Formen vorhanden" under `titel`.
void zeigeOderMelde(Umgebung& u, const Verb& v, Zeitseite seite,
                    const std::optional<Tempora>& tempora, Farbe farbe = Farbe::wortform,
                    std::string_view titel = "EINGABEFEHLER");

/// The first guard of every tense command: without a verb entered through "VERBUM" (`v`
/// null) it says "Zuerst VERBUM wählen" and the pane keeps what it shows.
bool verbGewaehlt(Umgebung& u, const Verb* v);

/// The guards the two active commands share, with the pane cleared between them: a verb
/// entered (else the pane keeps what it shows); then the pane is cleared, and a deponent,
/// which has no active forms, is refused with "Kein Eintrag".
bool leerenFuerAktiv(Umgebung& u, const Verb* v);

/// The guards the two passive commands share, with the pane cleared after them: a verb
/// entered, and not "sum", which has no passive ("Nicht vorhanden").
bool leerenFuerPassiv(Umgebung& u, const Verb* v);

} // namespace latiflex::verbs
