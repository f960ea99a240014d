// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/abeins.h"

#include <string_view>

/// The case endings of the declensions, each table by row 1 to 12 (`grammar::zeilenZelle`):
/// the six cases of the singular, then of the plural, each in the order nominative,
/// genitive, dative, accusative, vocative, ablative. Nouns and adjectives read the same
/// tables.
namespace latiflex::grammar {

using Kasusendungen = AbEins<std::string_view, 12>;

namespace endungen {

inline constexpr Kasusendungen a{
    {"a", "ae", "ae", "am", "a", "a", "ae", "arum", "is", "as", "ae", "is"}};
inline constexpr Kasusendungen oUs{
    {"us", "i", "o", "um", "e", "o", "i", "orum", "is", "os", "i", "is"}};
inline constexpr Kasusendungen oEr{
    {"er", "i", "o", "um", "er", "o", "i", "orum", "is", "os", "i", "is"}};
inline constexpr Kasusendungen oUm{
    {"um", "i", "o", "um", "um", "o", "a", "orum", "is", "a", "a", "is"}};
inline constexpr Kasusendungen e{
    {"s", "i", "i", "m", "s", "e", "s", "rum", "bus", "s", "s", "bus"}};
inline constexpr Kasusendungen u{
    {"us", "us", "ui", "um", "us", "u", "us", "uum", "ibus", "us", "us", "ibus"}};
inline constexpr Kasusendungen uNeutrum{
    {"u", "us", "u", "u", "u", "u", "ua", "uum", "ibus", "ua", "ua", "ibus"}};
/// The i-declension's neuter (mare), and the third-declension adjective's (acre).
inline constexpr Kasusendungen iNeutrum{
    {"e", "is", "i", "e", "e", "i", "ia", "ium", "ibus", "ia", "ia", "ibus"}};
inline constexpr Kasusendungen iFemininum{
    {"is", "is", "i", "im", "is", "i", "es", "ium", "ibus", "es", "es", "ibus"}};
inline constexpr Kasusendungen konsonantisch{
    {"", "is", "i", "em", "", "e", "es", "um", "ibus", "es", "es", "ibus"}};
inline constexpr Kasusendungen konsonantischNeutrum{
    {"", "is", "i", "", "", "e", "a", "um", "ibus", "a", "a", "ibus"}};
/// The third-declension adjective's masculine and feminine (acer, acris).
inline constexpr Kasusendungen dritteMF{
    {"is", "is", "i", "em", "is", "i", "es", "ium", "ibus", "es", "es", "ibus"}};
/// dives, pauper, vetus, victor: ablative in -e, genitive plural in -um, neuter plural in -a.
inline constexpr Kasusendungen dritteMFOhneI{
    {"is", "is", "i", "em", "is", "e", "es", "um", "ibus", "es", "es", "ibus"}};
inline constexpr Kasusendungen dritteNeutrumOhneI{
    {"e", "is", "i", "e", "e", "e", "a", "um", "ibus", "a", "a", "ibus"}};

} // namespace endungen

} // namespace latiflex::grammar
