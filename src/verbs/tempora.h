#pragma once

#include "shell/umgebung.h"
#include "verbs/seite.h"
#include "verbs/verbzustand.h"

#include <optional>

/// The four tense commands. Each refuses with a message unless a verb was entered through
/// "VERBUM" and it has the forms the command needs; otherwise it prints five tenses of six
/// persons into the cleared pane. They read the verb state and never change it.
namespace latiflex::verbs {

void prakt(Umgebung& u, const VerbZustand& v);    ///< "PR.IMP.F1. AKT."
void prpass(Umgebung& u, const VerbZustand& v);   ///< "PR.IMP.F1. PASS."
void perfakt(Umgebung& u, const VerbZustand& v);  ///< "PF.PLQPF.F2. AKT."
void perfpass(Umgebung& u, const VerbZustand& v); ///< "PF.PLQPF.F2.PASS:"

/// The five tenses each page forms, or nothing where the verb's stems cannot be cut (the
/// command then says "Keine Formen vorhanden"); the command's other guards come first.
std::optional<Tempora> praesensAktiv(const VerbZustand& v);
std::optional<Tempora> praesensPassiv(const VerbZustand& v);
std::optional<Tempora> perfektAktiv(const VerbZustand& v);
std::optional<Tempora> perfektPassiv(const VerbZustand& v);

/// The page `seite` of the verb exactly as its command prints it, or nothing where the
/// command prints none (no verb entered, a deponent's active, the passive of *sum*, the
/// perfect passive of *volo*, stems that cannot be cut). Pure: no pane, no dialog.
std::optional<grammar::Paradigma> seitenParadigma(const VerbZustand& v, Seite seite);

} // namespace latiflex::verbs
