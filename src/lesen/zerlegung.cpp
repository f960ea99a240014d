// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesen/zerlegung.h"

#include "grammar/text.h"

#include <utf8proc.h>

namespace latiflex::lesen {

namespace {

// A tag is at most this long and on one line; a lone "<" is only a sign.
constexpr std::size_t laengsterTag = 200;

bool buchstabe(char32_t c) {
    switch (utf8proc_category(static_cast<utf8proc_int32_t>(c))) {
    case UTF8PROC_CATEGORY_LU:
    case UTF8PROC_CATEGORY_LL:
    case UTF8PROC_CATEGORY_LT:
    case UTF8PROC_CATEGORY_LM:
    case UTF8PROC_CATEGORY_LO:
        return true;
    default:
        return false;
    }
}

// A mark that rides on the letter before it (a combining macron).
bool zeichenAmBuchstaben(char32_t c) {
    const auto k = utf8proc_category(static_cast<utf8proc_int32_t>(c));
    return k == UTF8PROC_CATEGORY_MN || k == UTF8PROC_CATEGORY_MC;
}

bool satzzeichen(char32_t c) {
    return c == U'.' || c == U';' || c == U':' || c == U'!' || c == U'?' || c == U'·';
}

// The end of a tag starting at `i` ("<"), or `i` when none starts there.
std::size_t tagEnde(std::string_view text, std::size_t i) {
    if (i + 1 >= text.size()) return i;
    const char n = text[i + 1];
    const bool anfang = (n >= 'a' && n <= 'z') || (n >= 'A' && n <= 'Z') || n == '/' || n == '!';
    if (!anfang) return i;
    for (std::size_t j = i + 1; j < text.size() && j - i <= laengsterTag; ++j) {
        if (text[j] == '\n' || text[j] == '\r' || text[j] == '<') return i;
        if (text[j] == '>') return j + 1;
    }
    return i;
}

// The end of a character reference starting at `i` ("&amp;", "&#257;"), or `i`.
std::size_t referenzEnde(std::string_view text, std::size_t i) {
    constexpr std::size_t laengste = 10;
    for (std::size_t j = i + 1; j < text.size() && j - i <= laengste; ++j) {
        const char c = text[j];
        if (c == ';') return j > i + 1 ? j + 1 : i;
        const bool teil = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || (c == '#' && j == i + 1);
        if (!teil) return i;
    }
    return i;
}

} // namespace

std::string alsUtf8(std::string_view bytes) {
    if (text::isValidUtf8(bytes)) return std::string(bytes);
    std::string s;
    s.reserve(bytes.size() + bytes.size() / 4);
    for (const char b : bytes)
        text::appendCodePoint(s, static_cast<unsigned char>(b));
    return s;
}

std::vector<Textwort> zerlegen(std::string_view text) {
    std::vector<Textwort> woerter;
    std::size_t zeile = 1;
    std::size_t i = 0;
    bool imWort = false;
    const auto wortEnde = [&](std::size_t ende) {
        if (!imWort) return;
        imWort = false;
        auto& w = woerter.back();
        w.laenge = ende - w.anfang;
        w.form = std::string(text.substr(w.anfang, w.laenge));
    };
    while (i < text.size()) {
        const std::size_t hier = i;
        if (text[i] == '<' || text[i] == '&') {
            const std::size_t ende = text[i] == '<' ? tagEnde(text, i) : referenzEnde(text, i);
            if (ende != i) {
                wortEnde(hier);
                i = ende;
                continue;
            }
        }
        const char32_t c = text::nextCodePoint(text, i);
        if (buchstabe(c) || (imWort && zeichenAmBuchstaben(c))) {
            if (!imWort) woerter.push_back({{}, zeile, hier, 0});
            imWort = true;
            continue;
        }
        wortEnde(hier);
        if (satzzeichen(c) && !woerter.empty()) woerter.back().satzende = true;
        if (c == U'\n' || (c == U'\r' && (i >= text.size() || text[i] != '\n'))) ++zeile;
    }
    wortEnde(text.size());
    return woerter;
}

} // namespace latiflex::lesen
