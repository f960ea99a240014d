#pragma once

#include "shell/umgebung.h"
#include "verbs/verbzustand.h"

namespace latiflex::verbs {

/// "VERBUM": asks for the principal parts, rewrites a deponent into the shape of an active
/// verb, classifies it, prints the heading and marks the verb as entered. A number at any
/// prompt ends it with no verb entered.
void verbum(Umgebung& u, VerbZustand& v);

/// The deponent's 1st singular and infinitive in the shape of an active verb
/// (hortor, hortari: horto, hortare; patior, pati: patio, patere).
void deponensUmformen(std::string& p, std::string& inf);

/// The verb as "VERBUM" leaves it after the answers `eingegeben` (a deponent's third one
/// empty, it is not asked): rewritten, classified and entered.
VerbZustand gelesen(const grammar::AbEins<std::string, 4>& eingegeben);

/// Sets `konjklasse` and `konjname` from the stored 1st singular and infinitive; both stay
/// empty when no rule fits.
void klassifizieren(VerbZustand& v);

} // namespace latiflex::verbs
