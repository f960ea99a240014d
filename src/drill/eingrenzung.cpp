// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/eingrenzung.h"

#include "grammar/zellcode.h"

#include <algorithm>
#include <optional>

namespace latiflex::drill {

namespace {

template <typename T> bool erlaubt(const std::vector<T>& liste, const std::optional<T>& wert) {
    if (liste.empty()) return true;
    return wert && std::find(liste.begin(), liste.end(), *wert) != liste.end();
}

} // namespace

bool Eingrenzung::passt(const grammar::Zelle& z) const {
    return erlaubt(numeri, std::optional(z.numerus)) && erlaubt(tempora, z.tempus) &&
           erlaubt(genera, z.genusVerbi) && erlaubt(modi, z.modus);
}

std::string code(const Eingrenzung& e) {
    std::string aus;
    const auto dazu = [&](const auto& liste) {
        for (const auto wert : liste) {
            if (!aus.empty()) aus += ' ';
            aus += grammar::code(wert);
        }
    };
    dazu(e.numeri);
    dazu(e.tempora);
    dazu(e.genera);
    dazu(e.modi);
    return aus;
}

std::optional<Eingrenzung> eingrenzungAusCode(std::string_view text) {
    Eingrenzung e;
    while (!text.empty()) {
        const auto blank = text.find(' ');
        const std::string_view teil = text.substr(0, blank);
        if (const auto n = grammar::ausCode<grammar::Numerus>(teil))
            e.numeri.push_back(*n);
        else if (const auto t = grammar::ausCode<grammar::Tempus>(teil))
            e.tempora.push_back(*t);
        else if (const auto g = grammar::ausCode<grammar::GenusVerbi>(teil))
            e.genera.push_back(*g);
        else if (const auto m = grammar::ausCode<grammar::Modus>(teil))
            e.modi.push_back(*m);
        else if (!teil.empty())
            return std::nullopt;
        text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
    }
    return e;
}

} // namespace latiflex::drill
