// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/wortform.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// Cutting Latin word forms by letters. A letter is one Unicode code point of the UTF-8
/// text, so "rosā" has four letters and no cut ever lands inside a character.
namespace latiflex::text {

/// Number of letters in s.
std::size_t letterCount(std::string_view s);

/// The last k letters of s; the whole of s when it has fewer.
std::string_view lastLetters(std::string_view s, std::size_t k);

/// s without its last k letters; nothing when s has fewer than k letters, since that cut
/// has no result.
std::optional<std::string_view> less(std::string_view s, std::size_t k);

/// s without its last k letters, or the empty text where that cut has no result; for
/// callers that have already refused words too short to cut.
std::string lessOrEmpty(std::string_view s, std::size_t k);

/// The k-th letter from the end (k = 1 is the last); nothing when s is shorter.
std::optional<std::string_view> letterFromEnd(std::string_view s, std::size_t k);

/// The most letters a typed word or form shows beside the pane (labels, hint line, drill,
/// table): a line stays a line even when the pupil pastes a book.
inline constexpr std::size_t hoechstBuchstaben = 40;

/// s itself when it has at most `hoechstens` letters; else its first and last letters with
/// "…" between them, `hoechstens` letters in all, so a huge word still shows how it begins
/// and ends.
std::string kurz(std::string_view s, std::size_t hoechstens = hoechstBuchstaben);

/// The code point at s[i], moving i past it. A byte that starts no valid UTF-8 sequence
/// (a stray, overlong or truncated one, a surrogate) reads as U+FFFD and moves i by one.
char32_t nextCodePoint(std::string_view s, std::size_t& i);

/// Appends code point c to s in UTF-8.
void appendCodePoint(std::string& s, char32_t c);

/// Whether s is valid UTF-8 throughout.
bool isValidUtf8(std::string_view s);

/// s with every run of blanks as one blank: the columns of the perfect passive stand apart
/// by three ("amati   sumus"), a typed form by one.
std::string einBlank(std::string_view s);
/// A printed form as it reads outside the pane: one blank between its words, also where
/// the stem's padding meets a blank at the start of the ending.
Wortform einBlank(const Wortform& w);

/// s without the blanks at its start and end.
std::string_view trimmed(std::string_view s);

/// Whether the last letters of s are exactly `ending` (case-sensitive).
bool endsWith(std::string_view s, std::string_view ending);

/// Whether s is one of the five lower-case vowels a, e, i, o, u.
bool isVowel(std::string_view letter);

} // namespace latiflex::text
