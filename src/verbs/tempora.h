#pragma once

#include "interfaces/umgebung.h"
#include "verbs/verb.h"
#include "verbs/zeitseite.h"

#include <optional>

/// The four tense commands. Each refuses with a message unless a verb `v` was entered through
/// "VERBUM" (null: none since the last noun or adjective) and it has the forms the command
/// needs; otherwise it prints five tenses of six persons into the cleared pane.
namespace latiflex::verbs {

void prakt(Umgebung& u, const Verb* v);    ///< "PR.IMP.F1. AKT."
void prpass(Umgebung& u, const Verb* v);   ///< "PR.IMP.F1. PASS."
void perfakt(Umgebung& u, const Verb* v);  ///< "PF.PLQPF.F2. AKT."
void perfpass(Umgebung& u, const Verb* v); ///< "PF.PLQPF.F2.PASS:"

/// The five tenses each page forms, or nothing where the verb's stems cannot be cut (the
/// command then says "Keine Formen vorhanden"); the command's other guards come first.
std::optional<Tempora> praesensAktivFormen(const Verb& v);
std::optional<Tempora> praesensPassivFormen(const Verb& v);
std::optional<Tempora> perfektAktivFormen(const Verb& v);
std::optional<Tempora> perfektPassivFormen(const Verb& v);

/// The page `seite` of the verb exactly as its command prints it, or nothing where the
/// command prints none (a deponent's active, the passive of *sum*, the perfect passive of
/// *volo*, stems that cannot be cut). Pure: no pane, no dialog.
std::optional<grammar::Paradigma> seitenParadigma(const Verb& v, Zeitseite seite);

} // namespace latiflex::verbs
