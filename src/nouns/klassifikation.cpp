// SPDX-License-Identifier: GPL-3.0-or-later
#include "nouns/deklination.h"

#include "grammar/text.h"

#include <algorithm>
#include <initializer_list>

namespace latiflex::nouns {

using text::endsWith;

namespace {

bool einesVon(std::string_view wort, std::initializer_list<std::string_view> liste) {
    return std::find(liste.begin(), liste.end(), wort) != liste.end();
}

constexpr std::string_view dekl = " - Deklination ";
constexpr std::string_view neutral = " - Deklination (n)";
constexpr std::string_view feminin = " - Deklination (f)";

} // namespace

Klasse klassifizieren(std::string_view n, std::string_view g) {
    if (endsWith(n, "e") || endsWith(n, "ar") || endsWith(n, "al"))
        return {Typ::iNeutrum, "I", neutral};
    if (endsWith(n, "a")) return {Typ::a, "A", dekl};
    if (endsWith(n, "us") && endsWith(g, "i")) return {Typ::oAufUs, "O", dekl};
    if (endsWith(n, "r") && endsWith(g, "i")) return {Typ::oAufR, "O", dekl};
    if (endsWith(n, "um")) return {Typ::oAufUm, "O", neutral};
    if (endsWith(n, "es") && endsWith(g, "ei")) return {Typ::e, "E", dekl};
    if (endsWith(n, "us") && endsWith(g, "us")) return {Typ::u, "U", dekl};
    if (endsWith(n, "u") && endsWith(g, "us")) return {Typ::uNeutrum, "U", neutral};
    if (einesVon(n, {"febris", "sitis", "turris", "puppis", "securis", "vis"}))
        return {Typ::iFemininum, "I", feminin};
    return {Typ::konsonantisch, "KONS./ MISCH.", dekl};
}

std::string ueberschrift(const Klasse& klasse) {
    std::string zeile = "   SUBSTANTIV der ";
    zeile += klasse.deklname;
    zeile += klasse.kopfende;
    return zeile;
}

std::optional<KMarken> kMarken(std::string_view n, std::string_view g) {
    KMarken marken;
    marken.neutrum = endsWith(n, "men") || endsWith(n, "ur") ||
                     (endsWith(n, "us") &&
                      (endsWith(g, "uris") || endsWith(g, "eris") || endsWith(g, "oris"))) ||
                     einesVon(n, {"marmor", "aes", "os", "cadaver", "iter", "ver"}) ||
                     einesVon(n, {"mel", "lac", "caput", "cor"});

    const auto dritt = text::letterFromEnd(g, 3);
    const auto viert = text::letterFromEnd(g, 4);
    if (!dritt || !viert) return std::nullopt;
    if (!text::isVowel(*dritt) && !text::isVowel(*viert)) marken.istamm = 1;
    if (text::letterCount(n) == text::letterCount(g)) marken.istamm = 2;
    if (einesVon(n, {"pater", "mater", "frater", "parens", "canis"})) marken.istamm = 0;
    return marken;
}

} // namespace latiflex::nouns
