// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammar/laenge.h"

#include "grammar/text.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace latiflex::grammar {

namespace {

// A letter as the quantity rule reads it: its plain vowel or consonant in lower case, and
// whether it carries a long mark (precomposed, or a combining macron after it).
struct Laut {
    char32_t zeichen;
    bool lang;
};

std::vector<Laut> laute(std::string_view wort) {
    static constexpr std::array<std::pair<char32_t, char32_t>, 6> makron{
        {{U'ā', U'a'}, {U'ē', U'e'}, {U'ī', U'i'}, {U'ō', U'o'}, {U'ū', U'u'}, {U'ȳ', U'y'}}};
    std::vector<Laut> aus;
    for (std::size_t i = 0; i < wort.size();) {
        char32_t c = text::nextCodePoint(wort, i);
        if (c == U'\u0304') {
            if (!aus.empty()) aus.back().lang = true;
            continue;
        }
        if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
        bool lang = false;
        for (const auto& [mit, ohne] : makron)
            if (c == mit || c == mit - 1) { // the capital stands just before its small letter
                c = ohne;
                lang = true;
            }
        aus.push_back({c, lang});
    }
    return aus;
}

bool vokal(char32_t c) {
    return std::u32string_view(U"aeiouy").find(c) != std::u32string_view::npos;
}

} // namespace

bool hatLaengenzeichen(std::string_view text) {
    const auto l = laute(text);
    return std::any_of(l.begin(), l.end(), [](const Laut& x) { return x.lang; });
}

bool laengeFalsch(std::string_view form) {
    const std::vector<Laut> l = laute(form);
    const auto ist = [&l](std::size_t i, char32_t c) { return i < l.size() && l[i].zeichen == c; };
    for (std::size_t i = 0; i < l.size(); ++i) {
        if (!l[i].lang || !vokal(l[i].zeichen)) continue;
        const std::size_t n = i + 1;
        // A mark on a diphthong's first letter marks the diphthong (Abdagāeses).
        const bool diphthong = (l[i].zeichen == U'a' && (ist(n, U'e') || ist(n, U'u'))) ||
                               (l[i].zeichen == U'o' && ist(n, U'e')) ||
                               (l[i].zeichen == U'e' && ist(n, U'u'));
        if (n < l.size() && vokal(l[n].zeichen) && !diphthong &&
            !(l[i].zeichen == U'e' && ist(n, U'i') && i > 0 && ist(i - 1, U'i')))
            return true;
        if (ist(n, U'n') && (ist(n + 1, U't') || ist(n + 1, U'd'))) return true;
        const bool amEnde = n + 1 == l.size() || ist(n + 1, U' ');
        std::size_t anfang = i;
        while (anfang > 0 && !ist(anfang - 1, U' '))
            --anfang;
        const bool mehrsilbig = std::any_of(l.begin() + static_cast<std::ptrdiff_t>(anfang),
                                            l.begin() + static_cast<std::ptrdiff_t>(i),
                                            [](const Laut& x) { return vokal(x.zeichen); });
        if (amEnde && mehrsilbig && n < l.size() &&
            std::u32string_view(U"mtrl").find(l[n].zeichen) != std::u32string_view::npos)
            return true;
    }
    return false;
}

} // namespace latiflex::grammar
