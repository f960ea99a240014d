// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/schreibung.h"

#include "drill/vergleich.h"

#include <algorithm>
#include <array>

namespace latiflex::analysis {

namespace {

bool vokal(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

void dazu(std::vector<std::string>& liste, std::string s) {
    if (std::find(liste.begin(), liste.end(), s) == liste.end()) liste.push_back(std::move(s));
}

char gefaltet(char c) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return c == 'j' ? 'i' : c == 'v' ? 'u' : c;
}

bool einfach(std::string_view s) {
    return !s.empty() && s.front() != ' ' && s.back() != ' ' &&
           std::all_of(s.begin(), s.end(),
                       [](char c) {
                           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ';
                       }) &&
           s.find("  ") == std::string_view::npos;
}

} // namespace

bool gleichGeschrieben(std::string_view gedruckt, std::string_view schluessel) {
    if (!einfach(gedruckt)) return analysis::schluessel(gedruckt) == schluessel;
    return gedruckt.size() == schluessel.size() &&
           std::equal(gedruckt.begin(), gedruckt.end(), schluessel.begin(),
                      [](char a, char b) { return gefaltet(a) == b; });
}

bool gleichGeschrieben(std::string_view stamm, std::string_view endung,
                       std::string_view schluessel) {
    std::size_t k = 0;
    bool blank = false;
    for (const std::string_view teil : {stamm, endung})
        for (const char c : teil) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                const std::string ganz = std::string(stamm).append(endung);
                return analysis::schluessel(ganz) == schluessel;
            }
            if (c == ' ') {
                blank = k > 0;
                continue;
            }
            if (blank && (k == schluessel.size() || schluessel[k++] != ' ')) return false;
            blank = false;
            if (k == schluessel.size() || schluessel[k++] != gefaltet(c)) return false;
        }
    return k == schluessel.size();
}

std::string schluessel(std::string_view form) {
    if (einfach(form)) {
        std::string s(form);
        std::transform(s.begin(), s.end(), s.begin(), gefaltet);
        return s;
    }
    std::string s = drill::normiert(form);
    std::replace(s.begin(), s.end(), 'j', 'i');
    std::replace(s.begin(), s.end(), 'v', 'u');
    return s;
}

std::vector<std::string> schreibungen(const std::string& form) {
    std::string s = form;
    std::replace(s.begin(), s.end(), 'j', 'i');
    // A u between vowels or at the start before a vowel is a consonant, unless the next u
    // is (iuuenis: iuvenis; uua: uva).
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto vokalAn = [&s](std::size_t k) { return k < s.size() && vokal(s[k]); };
        const bool davor = i == 0 || s[i - 1] == ' ' || (vokal(s[i - 1]) && s[i - 1] != 'v');
        if (s[i] == 'u' && vokalAn(i + 1) && davor && !(s[i + 1] == 'u' && vokalAn(i + 2)))
            s[i] = 'v';
        else if (s[i] == 'v' && !vokalAn(i + 1))
            s[i] = 'u';
    }
    std::vector<std::string> ergebnis{s};
    std::string nurI = form;
    std::replace(nurI.begin(), nurI.end(), 'j', 'i');
    dazu(ergebnis, nurI);
    dazu(ergebnis, form);
    return ergebnis;
}

std::vector<std::string> unkontrahiert(const std::string& form) {
    // Endings after the perfect's stem vowel whose "v" (and the "i" or "e" after it) texts
    // leave out: ama(ve)runt, ama(vi)sti, audi(vi)ssem.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kurz{{
        {"runt", "verunt"},
        {"rant", "verant"},
        {"ram", "veram"},
        {"ras", "veras"},
        {"rat", "verat"},
        {"ramus", "veramus"},
        {"ratis", "veratis"},
        {"rint", "verint"},
        {"sti", "visti"},
        {"stis", "vistis"},
        {"sse", "visse"},
        {"ssem", "vissem"},
    }};
    static constexpr std::array<std::string_view, 5> ssemReihe{"sses", "sset", "ssemus", "ssetis",
                                                               "ssent"};
    std::vector<std::string> ergebnis;
    const auto versuche = [&](std::string_view ende, std::string_view lang) {
        if (form.size() < ende.size() + 2 || !form.ends_with(ende)) return;
        const char davor = form[form.size() - ende.size() - 1];
        if (davor != 'a' && davor != 'e' && davor != 'i' && davor != 'o') return;
        dazu(ergebnis, form.substr(0, form.size() - ende.size()) + std::string(lang));
    };
    for (const auto& [ende, lang] : kurz)
        versuche(ende, lang);
    for (const auto ende : ssemReihe)
        versuche(ende, "vi" + std::string(ende));
    // The perfect's third person plural in -ere: amavere for amaverunt.
    if (form.size() > 5 && form.ends_with("ere"))
        dazu(ergebnis, form.substr(0, form.size() - 3) + "erunt");
    return ergebnis;
}

std::vector<MitEnklitikon> enklitika(const std::string& form) {
    std::vector<MitEnklitikon> ergebnis;
    for (const std::string_view e : {"que", "ne", "ve"})
        if (form.size() >= e.size() + 2 && form.ends_with(e) && form.find(' ') == std::string::npos)
            ergebnis.push_back({form.substr(0, form.size() - e.size()), std::string(e)});
    return ergebnis;
}

} // namespace latiflex::analysis
