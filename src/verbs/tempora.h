#pragma once

#include "interfaces/umgebung.h"
#include "verbs/verb.h"

/// The four tense commands. Each refuses with a message unless a verb `v` was entered through
/// "VERBUM" (null: none since the last noun or adjective) and it has the forms the command
/// needs; otherwise it prints five tenses of six persons into the cleared pane.
namespace latiflex::verbs {

void prakt(Umgebung& u, const Verb* v);    ///< "PR.IMP.F1. AKT."
void prpass(Umgebung& u, const Verb* v);   ///< "PR.IMP.F1. PASS."
void perfakt(Umgebung& u, const Verb* v);  ///< "PF.PLQPF.F2. AKT."
void perfpass(Umgebung& u, const Verb* v); ///< "PF.PLQPF.F2.PASS:"

} // namespace latiflex::verbs
