// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/zelle.h"

#include <string>
#include <string_view>

/// The German names of the cells, in the terms German Latin classes use.
namespace latiflex::grammar {

std::string_view name(Kasus kasus);           ///< "Nominativ" ... "Ablativ"
std::string_view name(Numerus numerus);       ///< "Singular", "Plural"
std::string_view name(Genus genus);           ///< "Maskulinum", "Femininum", "Neutrum"
std::string_view name(Person person);         ///< "1. Person" ...
std::string_view name(Tempus tempus);         ///< "Präsens" ... "Futur II"
std::string_view name(Modus modus);           ///< "Indikativ", "Konjunktiv"
std::string_view name(GenusVerbi genusVerbi); ///< "Aktiv", "Passiv"

/// The whole cell: "Genitiv Plural", "Femininum Genitiv Singular",
/// "2. Person Plural Futur I Indikativ Passiv".
std::string bezeichnung(const Zelle& zelle);

/// A tense column's meaning: "Plusquamperfekt Konjunktiv Aktiv".
std::string bezeichnung(Tempus tempus, Modus modus, GenusVerbi genusVerbi);

} // namespace latiflex::grammar
