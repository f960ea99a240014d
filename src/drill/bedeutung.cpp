// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/bedeutung.h"

#include "drill/vergleich.h"
#include "grammar/text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace latiflex::drill {

namespace {

// Words a pupil may leave out or add: articles, the reflexive, the abbreviations a word list
// puts before an object.
constexpr std::array<std::string_view, 12> fuellwoerter{
    "der", "die", "das", "ein", "eine", "sich", "jmdn.", "jmdm.", "jmds.", "jmd.", "etw.", "etwas"};

// A meaning's letters as compared. ä, ö, ü and ß of a written meaning stay as their own
// marks (1 to 4), so that a typed ae or a, ss or ß can be matched against them.
constexpr char32_t aeZeichen = 1, oeZeichen = 2, ueZeichen = 3, szZeichen = 4;

std::optional<char32_t> umlaut(char32_t c) {
    switch (c) {
    case U'ä':
    case U'Ä':
        return aeZeichen;
    case U'ö':
    case U'Ö':
        return oeZeichen;
    case U'ü':
    case U'Ü':
        return ueZeichen;
    case U'ß':
    case U'ẞ':
        return szZeichen;
    default:
        return std::nullopt;
    }
}

std::u32string codepunkte(std::string_view s) {
    std::u32string u;
    for (std::size_t i = 0; i < s.size();)
        u += text::nextCodePoint(s, i);
    return u;
}

// The text without what stands in parentheses or brackets.
std::string ohneKlammern(std::string_view s) {
    std::string aus;
    int tiefe = 0;
    for (const char c : s) {
        if (c == '(' || c == '[') ++tiefe;
        if (tiefe == 0) aus += c;
        if ((c == ')' || c == ']') && tiefe > 0) --tiefe;
    }
    return aus;
}

// The parts of a text between ";" and "," outside parentheses, without blanks at their ends.
std::vector<std::string> teile(std::string_view s) {
    std::vector<std::string> t;
    int tiefe = 0;
    std::size_t von = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        const char c = i < s.size() ? s[i] : ';';
        if (c == '(' || c == '[') ++tiefe;
        if ((c == ')' || c == ']') && tiefe > 0) --tiefe;
        if ((c == ';' || c == ',') && tiefe == 0) {
            if (const auto teil = text::trimmed(s.substr(von, i - von)); !teil.empty())
                t.emplace_back(teil);
            von = i + 1;
        }
    }
    return t;
}

// The letters of a meaning that count: its words without the filler words and without
// blanks, small, marks dropped; with `umlaute`, ä, ö, ü, ß as their marks.
std::u32string kern(std::string_view teil, bool umlaute) {
    std::u32string k;
    const std::string ohne = ohneKlammern(teil);
    for (std::size_t von = 0; von < ohne.size();) {
        const auto bis = std::min(ohne.find(' ', von), ohne.size());
        const std::string_view wort = std::string_view(ohne).substr(von, bis - von);
        von = bis + 1;
        if (std::find(fuellwoerter.begin(), fuellwoerter.end(), normiert(wort)) !=
            fuellwoerter.end())
            continue;
        for (std::size_t i = 0; i < wort.size();) {
            const std::size_t anfang = i;
            const char32_t c = text::nextCodePoint(wort, i);
            if (const auto u = umlaut(c); u && umlaute)
                k += *u;
            else
                k += codepunkte(normiert(wort.substr(anfang, i - anfang)));
        }
    }
    std::erase_if(k, [](char32_t c) { return c == U' ' || c == U'\t'; });
    return k;
}

// The letters one mark of a written meaning may be typed as, each at no cost.
std::vector<std::u32string> schreibweisen(char32_t r) {
    switch (r) {
    case aeZeichen:
        return {U"ae", U"a"};
    case oeZeichen:
        return {U"oe", U"o"};
    case ueZeichen:
        return {U"ue", U"u"};
    case szZeichen:
        return {U"ss", U"ß"};
    default:
        return {std::u32string(1, r)};
    }
}

// Letters wrong, missing or extra in `getippt` against the written meaning `richtig`.
std::size_t abstand(const std::u32string& richtig, const std::u32string& getippt) {
    const std::size_t n = richtig.size(), m = getippt.size();
    // d[i][j]: the cost of matching richtig from i on against getippt from j on.
    std::vector<std::vector<std::size_t>> d(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t j = 0; j <= m; ++j)
        d[n][j] = m - j;
    for (std::size_t i = n; i-- > 0;) {
        d[i][m] = d[i + 1][m] + 1;
        for (std::size_t j = m; j-- > 0;) {
            std::size_t best = std::min(d[i + 1][j], d[i][j + 1]) + 1;
            best = std::min(best, d[i + 1][j + 1] + 1);
            for (const auto& s : schreibweisen(richtig[i]))
                if (getippt.compare(j, s.size(), s) == 0)
                    best = std::min(best, d[i + 1][j + s.size()]);
            d[i][j] = best;
        }
    }
    return d[0][0];
}

} // namespace

std::vector<std::string> einzelbedeutungen(std::string_view bedeutungen) {
    auto t = teile(bedeutungen);
    std::erase_if(t, [](const std::string& teil) { return kern(teil, false).empty(); });
    return t;
}

Bedeutungsurteil bedeutungPruefen(std::string_view getippt, std::string_view bedeutungen) {
    const auto rechte = einzelbedeutungen(bedeutungen);
    const auto antworten = einzelbedeutungen(getippt);
    if (rechte.empty() || antworten.empty()) return {};
    Bedeutungsurteil urteil{Treffer::richtig, ""};
    for (const auto& antwort : antworten) {
        const std::u32string a = kern(antwort, false);
        Bedeutungsurteil bestes;
        for (const auto& recht : rechte) {
            const std::u32string r = kern(recht, true);
            const std::size_t d = abstand(r, a);
            if (d == 0) {
                bestes = {Treffer::richtig, recht};
                break;
            }
            if (d == 1 && r.size() >= 5 && bestes.treffer == Treffer::falsch)
                bestes = {Treffer::fast, recht};
        }
        if (bestes.treffer == Treffer::falsch) return {};
        if (urteil.bedeutung.empty() ||
            (bestes.treffer == Treffer::fast && urteil.treffer == Treffer::richtig))
            urteil = bestes;
    }
    return urteil;
}

} // namespace latiflex::drill
