// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/lehrbuch.h"

#include "grammar/text.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace latiflex::lektionen {

namespace {

// The plain small letter of a Latin letter with or without marks; 0 for a combining mark,
// which belongs to the letter before it; any other character as it is.
char32_t grundbuchstabe(char32_t c) {
    // Latin-1's letters from U+00C0 and Latin Extended-A, each as its plain letter.
    static constexpr std::string_view latein1 = "aaaaaaaceeeeiiiidnooooo*ouuuuy*s"
                                                "aaaaaaaceeeeiiiidnooooo*ouuuuy*y";
    static constexpr std::string_view erweitert = "aaaaaaccccccccdd"
                                                  "ddeeeeeeeeeegggg"
                                                  "gggghhhhiiiiiiii"
                                                  "iijjjjkkklllllll"
                                                  "lllnnnnnnnnnoooo"
                                                  "oooorrrrrrssssss"
                                                  "ssttttttuuuuuuuu"
                                                  "uuuuwwyyyzzzzzzs";
    if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
    if (c >= 0x300 && c <= 0x36F) return 0;
    if (c >= 0xC0 && c < 0x100) return static_cast<unsigned char>(latein1[c - 0xC0]);
    if (c >= 0x100 && c < 0x180) return static_cast<unsigned char>(erweitert[c - 0x100]);
    if (c == 0x232 || c == 0x233) return 'y';
    return c;
}

struct Buchstabe {
    char32_t grund;  // the plain small letter
    std::size_t von; // where it begins in the text
};

std::vector<Buchstabe> buchstaben(std::string_view s) {
    std::vector<Buchstabe> aus;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t von = i;
        const char32_t g = grundbuchstabe(text::nextCodePoint(s, i));
        if (g != 0) aus.push_back({g, von});
    }
    return aus;
}

bool vokal(char32_t c) {
    return std::u32string_view(U"aeiouy").find(c) != std::u32string_view::npos;
}

// Whether the letter at i is a vowel: u after q is a consonant (sequor).
bool vokalBei(const std::vector<Buchstabe>& b, std::size_t i) {
    return vokal(b[i].grund) && !(b[i].grund == 'u' && i > 0 && b[i - 1].grund == 'q');
}

bool endetAuf(const std::vector<Buchstabe>& b, std::u32string_view ende) {
    if (b.size() < ende.size()) return false;
    for (std::size_t k = 0; k < ende.size(); ++k)
        if (b[b.size() - ende.size() + k].grund != ende[k]) return false;
    return true;
}

bool endetAuf(std::string_view s, std::u32string_view ende) {
    return endetAuf(buchstaben(s), ende);
}

// A form of letters alone: no blank, comma or digit that the rules would have to judge.
bool einWort(std::string_view s) {
    const auto b = buchstaben(s);
    return !b.empty() && std::all_of(b.begin(), b.end(), [](const Buchstabe& x) {
        return x.grund >= 'a' && x.grund <= 'z';
    });
}

// The abbreviation of an answer written "-itis" or "–itis", without its dash.
std::optional<std::string_view> kuerzel(std::string_view antwort) {
    for (const std::string_view strich : {std::string_view("-"), std::string_view("\xE2\x80\x93")})
        if (antwort.starts_with(strich) && antwort.size() > strich.size())
            return antwort.substr(strich.size());
    return std::nullopt;
}

// s without its last `k` letters and with `ende` after them.
std::string mitEndung(std::string_view s, std::size_t k, std::string_view ende) {
    const auto b = buchstaben(s);
    return std::string(s.substr(0, b.size() >= k ? b[b.size() - k].von : 0)) + std::string(ende);
}

std::string kette(const std::vector<std::string>& a) {
    std::string aus;
    for (const auto& s : a)
        aus += (aus.empty() ? "" : ", ") + s;
    return aus;
}

constexpr std::string_view adjektivformen =
    "ein Adjektiv steht mit drei Formen (bonus, bona, bonum), mit zwei (fortis, forte) oder "
    "mit dem Genitiv (ingens, ingentis).";

// An adjective's answers as its three prompts ask them; the reason where a form is missing.
std::string adjektiv(std::vector<std::string>& a) {
    if (a.size() == 1 && einWort(a[0]))
        return "Nach »" + a[0] + "« fehlen Formen: " + std::string(adjektivformen);
    if (a.size() != 2 || !einWort(a[0]) || !einWort(a[1])) return {};
    const std::string m = a[0];
    const std::string zweite = a[1];
    if (endetAuf(zweite, U"a")) {
        a.push_back(mitEndung(zweite, 1, "um")); // bonus, bona: bonum
    } else if (endetAuf(m, U"is") && endetAuf(zweite, U"e")) {
        a = {m, m, zweite}; // fortis, forte
    } else if (endetAuf(zweite, U"is")) {
        // acer, acris (acre) and pauper, pauperis (pauper) look alike.
        if (endetAuf(m, U"er"))
            return "Nach »" + kette(a) +
                   "« fehlt das Neutrum: ein Adjektiv auf -er steht mit drei Formen (acer, "
                   "acris, acre; pauper, pauperis, pauper).";
        a = {m, zweite, m}; // ingens, ingentis
    } else {
        return "Nach »" + kette(a) + "« fehlt eine Form: " + std::string(adjektivformen);
    }
    return {};
}

} // namespace

std::optional<std::string> ausgeschrieben(std::string_view grundform, std::string_view kuerzel,
                                          bool verbum) {
    const auto g = buchstaben(grundform);
    const auto k = buchstaben(kuerzel);
    if (g.empty() || k.empty() || k[0].grund < 'a' || k[0].grund > 'z') return std::nullopt;
    const char32_t erster = k[0].grund;
    std::size_t schnitt = 0;
    if (!vokal(erster)) {
        // pater, -tris: from the last t.
        const auto it = std::find_if(g.rbegin(), g.rend(),
                                     [&](const Buchstabe& b) { return b.grund == erster; });
        if (it == g.rend()) return std::nullopt;
        schnitt = static_cast<std::size_t>(g.rend() - it) - 1;
    } else {
        std::size_t letzter = g.size();
        for (std::size_t i = g.size(); i-- > 0;)
            if (vokalBei(g, i)) {
                letzter = i;
                break;
            }
        if (letzter == g.size()) return std::nullopt;
        std::size_t anfang = letzter;
        while (anfang > 0 && vokalBei(g, anfang - 1))
            --anfang;
        std::optional<std::size_t> gleich; // dies, -ei; moneo, -ere; rosa, -ae
        if (k.size() >= 2 || verbum)
            for (std::size_t i = anfang; i <= letzter && !gleich; ++i)
                if (g[i].grund == erster) gleich = i;
        const std::size_t danach = g.size() - letzter - 1;
        if (gleich)
            schnitt = *gleich;
        else if (verbum)
            schnitt = anfang; // moneo, -ui
        else if (endetAuf(g, U"l") || endetAuf(g, U"r"))
            schnitt = g.size(); // puer, -i; consul, -is
        else if (danach >= 2 && endetAuf(g, U"s"))
            schnitt = g.size() - 1; // urbs, -is
        else
            schnitt = letzter; // amicus, -i; miles, -itis
    }
    const std::size_t bytes = schnitt < g.size() ? g[schnitt].von : grundform.size();
    return std::string(grundform.substr(0, bytes)) + std::string(kuerzel);
}

Lehrbuchwort ausLehrbuch(Eingabe eingabe) {
    Lehrbuchwort w{std::move(eingabe), {}, {}};
    auto& a = w.eingabe.antworten;
    for (std::string& antwort : a)
        antwort = text::einBlank(text::trimmed(antwort));
    const bool verbum = w.eingabe.befehl == "VERBUM";
    if (!a.empty() && !kuerzel(a[0]))
        for (std::size_t i = 1; i < a.size(); ++i)
            if (const auto k = kuerzel(a[i])) {
                const auto voll = ausgeschrieben(a[0], *k, verbum);
                if (!voll) {
                    w.fehler = "Die Abkürzung »" + a[i] + "« passt an keinen Buchstaben von »" +
                               a[0] + "«; die Form bitte ausschreiben.";
                    return w;
                }
                a[i] = *voll;
            }
    if (verbum && a.size() == 4 && einWort(a[3]) && buchstaben(a[3]).size() > 3 &&
        endetAuf(a[3], U"um")) {
        // The supine where the prompts ask the participle: pugnatum is pugnatus.
        const std::string partizip = mitEndung(a[3], 2, "us");
        w.anmerkung = "Supinum »" + a[3] + "« als Partizip »" + partizip + "« übernommen.";
        a[3] = partizip;
    }
    if (w.eingabe.befehl == "ADJEKTIV") w.fehler = adjektiv(a);
    return w;
}

} // namespace latiflex::lektionen
