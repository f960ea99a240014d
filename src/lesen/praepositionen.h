#pragma once

#include "grammar/zelle.h"

#include <optional>
#include <string_view>
#include <vector>

/// The prepositions and the cases they take, which the reading of a text needs to rank the
/// words after them.
namespace latiflex::lesen {

/// A preposition: the cases it takes, its word class as the window names it, its meaning.
struct Praeposition {
    std::string_view form;
    std::vector<grammar::Kasus> kasus; ///< the accusative first where it takes both
    std::string_view klasse;           ///< "Präposition mit Ablativ"
    std::string_view bedeutung;
};

/// The preposition `form` is (compared as the drill compares), or nothing.
std::optional<Praeposition> praeposition(std::string_view form);

/// The preposition a word class names ("Präposition mit Akkusativ oder Ablativ"): its cases;
/// empty for any other class.
std::vector<grammar::Kasus> rektion(std::string_view klasse);

} // namespace latiflex::lesen
