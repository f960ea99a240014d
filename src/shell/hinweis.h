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
    "Tipp: Zeiger auf eine Form nennt sie; Rechtsklick: Kopieren, Drucken, Üben; F5: Üben.";

/**
 * The warning for page `p`, or nothing when every typed form the page has a cell for is
 * printed there. Forms after the first are checked first: they decide the class. A typed
 * form is compared with the printed one with runs of blanks taken as one; a deponent's
 * perfect may be typed as its participle alone. A single empty row is the rules' own gap
 * (*vis* has no genitive) and fits; an empty column, or a page that printed no form at all
 * (a genitive too short for the rules), does not.
 */
std::optional<std::string> warnung(const grammar::Paradigma& p);

/// The text of the hint line: the warning for the page the last command formed, the tip
/// when it fits, nothing while the pane shows no paradigm.
std::string text(const Seiten& seiten);

} // namespace latiflex::hinweis
