#pragma once

#include "shell/umgebung.h"
#include "verbs/verbzustand.h"

#include <string>
#include <vector>

namespace latiflex::verbs {

/// "VERBUM": asks for the principal parts, rewrites a deponent into the shape of an active
/// verb, classifies it, prints the heading and marks the verb as entered. A number at any
/// prompt ends it with no verb entered.
void verbum(Umgebung& u, VerbZustand& v);

/// The verb as "VERBUM" leaves it when its prompts take `antworten` in order (a prompt
/// beyond them taking the empty text, as a cancelled one does); no answer may read as a
/// number. The same rules as the command, without a pane or a dialog.
VerbZustand eintrag(const std::vector<std::string>& antworten);

/// The deponent's 1st singular and infinitive in the shape of an active verb
/// (hortor, hortari: horto, hortare; patior, pati: patio, patere).
void deponensUmformen(std::string& p, std::string& inf);

/// Sets `konjklasse` and `konjname` from the stored 1st singular and infinitive; both stay
/// empty when no rule fits.
void klassifizieren(VerbZustand& v);

} // namespace latiflex::verbs
