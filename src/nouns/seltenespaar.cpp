// SPDX-License-Identifier: GPL-3.0-or-later
#include "nouns/seltenespaar.h"

#include "grammar/text.h"

#include <algorithm>
#include <initializer_list>

namespace latiflex::nouns {

std::optional<std::vector<std::string>> seltenesPaar(std::string_view n, std::string_view g,
                                                     std::string_view wie) {
    if (n.empty() || g.empty()) return std::nullopt;
    const auto nom = [&n](std::initializer_list<std::string_view> endungen) {
        return std::any_of(endungen.begin(), endungen.end(),
                           [&n](std::string_view e) { return text::endsWith(n, e); });
    };
    const auto gen = [&g](std::string_view e) { return text::endsWith(g, e); };
    const auto ohne = [&n](std::size_t k) { return text::lessOrEmpty(n, k); };
    bool ueblich = true;
    if (gen("arum"))
        ueblich = nom({"ae"});
    else if (gen("orum"))
        ueblich = nom({"i", "a", "es"}); // liberi, arma; maiores, maiorum
    else if (gen("uum"))
        ueblich = nom({"us", "ua"});
    else if (gen("erum"))
        ueblich = nom({"es"});
    else if (gen("um"))
        ueblich = nom({"es", "a", "is"});
    else if (gen("ae"))
        ueblich = nom({"a", "e", "es", "as"});
    else if (gen("i"))
        ueblich = nom({"us", "um", "er", "ir", "ur", "os", "on", "es"});
    else if (gen("us"))
        ueblich = nom({"us", "u", "o"}); // Greek: Sappho, Sapphus
    else if (gen("is"))
        ueblich =
            !((nom({"us", "um"}) && g == ohne(2) + "is") || (nom({"a"}) && g == ohne(1) + "is"));
    if (ueblich) return std::nullopt;

    const auto stamm = [&wie](std::size_t k) { return text::lessOrEmpty(wie, k); };
    const std::string ganz(wie);
    if (nom({"us"})) return std::vector{stamm(2) + "i", ganz};
    if (nom({"um"})) return std::vector{stamm(2) + "i"};
    if (nom({"a"})) return std::vector{stamm(1) + "ae"};
    if (nom({"es"})) return std::vector{stamm(2) + "ei", stamm(2) + "is"};
    if (nom({"er"})) return std::vector{ganz + "i", stamm(2) + "ri"};
    if (nom({"is"})) return std::vector{ganz};
    if (nom({"u"})) return std::vector{ganz + "s"};
    return std::vector<std::string>{};
}

} // namespace latiflex::nouns
