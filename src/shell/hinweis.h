#pragma once

#include "grammar/paradigma.h"
#include "interfaces/seiten.h"

#include <optional>
#include <string>
#include <string_view>

/// The hint line below the pane: a warning when the forms the pupil typed are not where the
/// printed paradigm has them, else a tip on what the pane offers besides the forms.
namespace latiflex::hinweis {

/// Shown below a page whose typed forms all stand in their cells.
inline constexpr std::string_view tipp =
    "Tipp: Zeiger auf Form nennt sie; Rechtsklick: Menü; F5 Üben, F7 Bestimmen, Strg+L Lektionen";

/**
 * The warning for page `p`, or nothing when it is the page the pupil's forms give. First,
 * a vowel mark, an outer blank, a run of blanks or an invisible character that made the
 * rules read a typed form into another page (after "VERBUM": another tense page): the form,
 * what to type and what that gives. Then an answer that does not fit its prompt (a supine
 * for the participle, an infinitive without a class, a nominative and genitive real Latin
 * almost never pairs). Then a typed form not in its cell, compared as the drill compares
 * answers; forms after the first are checked first, they decide the class; an active verb's
 * present is checked on the passive page as *-or*, its participle on the perfect passive
 * page with *sum*; a deponent's perfect may be typed as its participle alone. A single empty
 * row is the rules' own gap (*vis* has no genitive) and fits; an empty column, or a page
 * that printed no form at all (a genitive too short for the rules), does not. Every warning
 * fits the line for words of up to 15 letters.
 */
std::optional<std::string> warnung(const grammar::Paradigma& p);

/// The text of the hint line: the warning for the page the last command formed, the tip
/// when it fits, nothing while the pane shows no paradigm.
std::string text(const Seiten& seiten);

} // namespace latiflex::hinweis
