#pragma once

#include "interfaces/umgebung.h"
#include "verbs/verb.h"

#include <memory>

namespace latiflex::verbs {

/// "VERBUM": clears the pane, asks for the principal parts (no perfect for a deponent, no
/// participle for "sum"), forms the verb, prints its heading and records it as the page on
/// view. A number at any prompt ends it with no verb.
std::shared_ptr<const Verb> verbum(Umgebung& u);

} // namespace latiflex::verbs
