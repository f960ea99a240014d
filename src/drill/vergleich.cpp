// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/vergleich.h"

#include "grammar/text.h"

#include <utf8proc.h>

#include <array>

#include <algorithm>

namespace latiflex::drill {

namespace {

bool istLeer(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) ||
           utf8proc_category(static_cast<utf8proc_int32_t>(c)) == UTF8PROC_CATEGORY_ZS;
}

// Combining marks, and what a pasted text may carry unseen: direction marks and isolates,
// zero-width characters, the soft hyphen, the byte-order mark (all of them format
// characters).
bool entfaellt(utf8proc_int32_t c) {
    switch (utf8proc_category(c)) {
    case UTF8PROC_CATEGORY_MN:
    case UTF8PROC_CATEGORY_MC:
    case UTF8PROC_CATEGORY_ME:
    case UTF8PROC_CATEGORY_CF:
        return true;
    default:
        return false;
    }
}

// The letter c as compared: decomposed by the Unicode data with its marks dropped (ā, ǟ, ḁ
// and a with a combining macron are all a), small when `klein`.
void anhaengenOhneZeichen(std::string& aus, char32_t c, bool klein) {
    std::array<utf8proc_int32_t, 8> teile{};
    const auto n = utf8proc_decompose_char(static_cast<utf8proc_int32_t>(c), teile.data(),
                                           teile.size(), UTF8PROC_DECOMPOSE, nullptr);
    if (n < 1 || static_cast<std::size_t>(n) > teile.size()) {
        text::appendCodePoint(aus, c);
        return;
    }
    for (auto t = teile.begin(); t != teile.begin() + n; ++t)
        if (!entfaellt(*t))
            text::appendCodePoint(aus, static_cast<char32_t>(klein ? utf8proc_tolower(*t) : *t));
}

std::string inZeichen(std::string_view s) { return "„" + text::kurz(s) + "“"; }

// Bytes both texts share at their start, ending on a letter boundary (both are UTF-8).
std::size_t gemeinsam(std::string_view a, std::string_view b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    while (n > 0 && n < a.size() && (static_cast<unsigned char>(a[n]) & 0xC0) == 0x80)
        --n;
    return n;
}

// The kind of mark `c` carries or is: a combining macron or breve, or a letter the Unicode
// data decomposes into one; any other combining mark is an accent.
Unsichtbar zeichenArt(char32_t c) {
    std::array<utf8proc_int32_t, 8> teile{};
    const auto n = utf8proc_decompose_char(static_cast<utf8proc_int32_t>(c), teile.data(),
                                           teile.size(), UTF8PROC_DECOMPOSE, nullptr);
    if (n < 1 || static_cast<std::size_t>(n) > teile.size()) return Unsichtbar::nichts;
    Unsichtbar art = Unsichtbar::nichts;
    for (auto t = teile.begin(); t != teile.begin() + n; ++t) {
        if (*t == 0x304) return Unsichtbar::laengenzeichen;
        if (*t == 0x306) art = Unsichtbar::kuerzezeichen;
        const auto kategorie = utf8proc_category(*t);
        if (art == Unsichtbar::nichts &&
            (kategorie == UTF8PROC_CATEGORY_MN || kategorie == UTF8PROC_CATEGORY_MC ||
             kategorie == UTF8PROC_CATEGORY_ME))
            art = Unsichtbar::akzent;
    }
    return art;
}

// Blanks trimmed and collapsed, marks and invisible characters dropped; small letters when
// `kleinschreiben`, else the case as typed.
std::string gereinigt(std::string_view text, bool kleinschreiben) {
    std::string aus;
    aus.reserve(text.size());
    bool blank = false;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = text::nextCodePoint(text, i);
        if (entfaellt(static_cast<utf8proc_int32_t>(c))) continue;
        if (istLeer(c)) {
            blank = !aus.empty();
            continue;
        }
        if (blank) aus += ' ';
        blank = false;
        anhaengenOhneZeichen(aus, c, kleinschreiben);
    }
    return aus;
}

} // namespace

std::string normiert(std::string_view text) { return gereinigt(text, true); }

std::string bereinigt(std::string_view text) { return gereinigt(text, false); }

Unsichtbar unsichtbar(std::string_view text) {
    std::array<bool, 7> gefunden{};
    const auto fund = [&gefunden](Unsichtbar u) { gefunden[static_cast<std::size_t>(u)] = true; };
    bool blank = false;
    bool zeichenDavor = false;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = text::nextCodePoint(text, i);
        const bool weg = entfaellt(static_cast<utf8proc_int32_t>(c));
        if (const Unsichtbar art = zeichenArt(c); art != Unsichtbar::nichts)
            fund(art);
        else if (weg || (istLeer(c) && c != ' '))
            fund(Unsichtbar::zeichen);
        if (istLeer(c)) {
            if (!zeichenDavor || blank)
                fund(zeichenDavor ? Unsichtbar::blanks : Unsichtbar::blankAmRand);
            blank = true;
        } else if (!weg) {
            blank = false;
            zeichenDavor = true;
        }
    }
    if (blank) fund(Unsichtbar::blankAmRand);
    for (std::size_t k = 1; k < gefunden.size(); ++k)
        if (gefunden[k]) return static_cast<Unsichtbar>(k);
    return Unsichtbar::nichts;
}

bool gleich(std::string_view getippt, std::string_view richtig) {
    return normiert(getippt) == normiert(richtig);
}

std::string abweichung(std::string_view getippt, std::string_view stamm, std::string_view endung) {
    const std::string a = normiert(getippt);
    const std::string s = normiert(stamm);
    const std::string w = normiert(std::string(stamm) + std::string(endung));
    if (a == w) return {};
    if (a.empty()) return "Keine Antwort.";
    if (!s.empty() && w.starts_with(s) && w.size() > s.size() && a.starts_with(s)) {
        const std::string_view e = text::trimmed(std::string_view(w).substr(s.size()));
        const std::string_view te = text::trimmed(std::string_view(a).substr(s.size()));
        if (te.empty()) return "Die Endung fehlt: richtig " + inZeichen(e) + ".";
        return "Endung " + inZeichen(te) + " statt " + inZeichen(e) + ".";
    }
    const std::size_t p = gemeinsam(a, w);
    const std::string_view ar = std::string_view(a).substr(p);
    const std::string_view wr = std::string_view(w).substr(p);
    if (p == 0)
        return "Schon der Anfang weicht ab: " + inZeichen(a) + " statt " + inZeichen(w) + ".";
    const std::string nach = "Nach " + inZeichen(w.substr(0, p));
    if (ar.empty()) return nach + " fehlt " + inZeichen(wr) + ".";
    if (wr.empty()) return nach + " ist " + inZeichen(ar) + " zu viel.";
    return nach + " steht " + inZeichen(ar) + " statt " + inZeichen(wr) + ".";
}

} // namespace latiflex::drill
