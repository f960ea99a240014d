#pragma once

#include "interfaces/umgebung.h"
#include "verbs/verbzustand.h"

/// The four tense commands. Each refuses with a message unless a verb was entered through
/// "VERBUM" and it has the forms the command needs; otherwise it prints five tenses of six
/// persons into the cleared pane. They read the verb state and never change it.
namespace latiflex::verbs {

void prakt(Umgebung& u, const VerbZustand& v);    ///< "PR.IMP.F1. AKT."
void prpass(Umgebung& u, const VerbZustand& v);   ///< "PR.IMP.F1. PASS."
void perfakt(Umgebung& u, const VerbZustand& v);  ///< "PF.PLQPF.F2. AKT."
void perfpass(Umgebung& u, const VerbZustand& v); ///< "PF.PLQPF.F2.PASS:"

} // namespace latiflex::verbs
