// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammar/text.h"

#include <utf8proc.h>

#include <array>

namespace latiflex::text {

namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset at which the last k letters of s begin, or nothing when s has fewer than k
// letters. A stray continuation byte belongs to the letter before it, so every offset
// returned is a letter boundary, even in text that is not valid UTF-8.
std::optional<std::size_t> startOfLast(std::string_view s, std::size_t k) {
    std::size_t pos = s.size();
    for (std::size_t found = 0; found < k; ++found) {
        if (pos == 0) return std::nullopt;
        do {
            --pos;
        } while (pos > 0 && isContinuationByte(s[pos]));
    }
    return pos;
}

// Bytes of the UTF-8 sequence at the start of s, its code point in c; 0 when it is invalid.
std::size_t schritt(std::string_view s, utf8proc_int32_t& c) {
    const auto n = utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(s.data()),
                                    static_cast<utf8proc_ssize_t>(s.size()), &c);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

} // namespace

std::size_t letterCount(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (i == 0 || !isContinuationByte(s[i])) ++count;
    return count;
}

std::string_view lastLetters(std::string_view s, std::size_t k) {
    return s.substr(startOfLast(s, k).value_or(0));
}

std::optional<std::string_view> less(std::string_view s, std::size_t k) {
    const auto start = startOfLast(s, k);
    if (!start) return std::nullopt;
    return s.substr(0, *start);
}

std::string lessOrEmpty(std::string_view s, std::size_t k) {
    return std::string(less(s, k).value_or(""));
}

std::optional<std::string_view> letterFromEnd(std::string_view s, std::size_t k) {
    const auto start = startOfLast(s, k);
    if (!start || k == 0) return std::nullopt;
    const auto next = startOfLast(s, k - 1).value_or(s.size());
    return s.substr(*start, next - *start);
}

std::string_view trimmed(std::string_view s) {
    const auto anfang = s.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    return s.substr(anfang, s.find_last_not_of(' ') + 1 - anfang);
}

bool endsWith(std::string_view s, std::string_view ending) { return s.ends_with(ending); }

bool isVowel(std::string_view letter) {
    return letter == "a" || letter == "e" || letter == "i" || letter == "o" || letter == "u";
}

std::string kurz(std::string_view s, std::size_t hoechstens) {
    const std::size_t n = letterCount(s);
    if (n <= hoechstens || hoechstens < 3) return std::string(s);
    const std::size_t hinten = (hoechstens - 1) / 2;
    const std::size_t vorn = hoechstens - 1 - hinten;
    return std::string(*less(s, n - vorn)).append("…").append(lastLetters(s, hinten));
}

std::string einBlank(std::string_view s) {
    std::string t;
    for (const char c : s)
        if (c != ' ' || t.empty() || t.back() != ' ') t += c;
    return t;
}

Wortform einBlank(const Wortform& w) {
    Wortform gelesen{einBlank(w.stamm), einBlank(w.endung)};
    if (gelesen.stamm.ends_with(' ') && gelesen.endung.starts_with(' ')) gelesen.endung.erase(0, 1);
    return gelesen;
}

char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    utf8proc_int32_t c = 0;
    const auto n = schritt(s.substr(i), c);
    i += n > 0 ? n : 1;
    return n > 0 ? static_cast<char32_t>(c) : U'\uFFFD';
}

void appendCodePoint(std::string& s, char32_t c) {
    std::array<utf8proc_uint8_t, 4> bytes{};
    const auto n = utf8proc_encode_char(static_cast<utf8proc_int32_t>(c), bytes.data());
    s.append(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(n));
}

bool isValidUtf8(std::string_view s) {
    utf8proc_int32_t c = 0;
    for (std::size_t i = 0, n = 0; i < s.size(); i += n)
        if ((n = schritt(s.substr(i), c)) == 0) return false;
    return true;
}

} // namespace latiflex::text
