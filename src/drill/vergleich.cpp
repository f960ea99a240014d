#include "drill/vergleich.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace latiflex::drill {

namespace {

constexpr char32_t ersatz = 0xFFFD;

// The code point at s[i], advancing i; a byte that starts no valid sequence is U+FFFD.
char32_t naechstes(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80           ? 1
                          : (b >> 5) == 0x6  ? 2
                          : (b >> 4) == 0xE  ? 3
                          : (b >> 3) == 0x1E ? 4
                                             : 0;
    if (n == 0 || i + n > s.size()) {
        ++i;
        return n == 1 ? b : ersatz;
    }
    char32_t cp = n == 1 ? b : b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return ersatz;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    constexpr char32_t kleinstes[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kleinstes[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return ersatz;
    }
    i += n;
    return cp;
}

void anhaengen(std::string& s, char32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

struct Bereich {
    char32_t von, bis;
    char vokal;
};

// Vowels with a macron, breve, accent, circumflex, tilde or diaeresis, capital or small.
constexpr Bereich vokale[] = {
    {0xC0, 0xC5, 'a'},     {0xC8, 0xCB, 'e'},     {0xCC, 0xCF, 'i'},     {0xD2, 0xD6, 'o'},
    {0xD9, 0xDC, 'u'},     {0xDD, 0xDD, 'y'},     {0xE0, 0xE5, 'a'},     {0xE8, 0xEB, 'e'},
    {0xEC, 0xEF, 'i'},     {0xF2, 0xF6, 'o'},     {0xF9, 0xFC, 'u'},     {0xFD, 0xFD, 'y'},
    {0xFF, 0xFF, 'y'},     {0x100, 0x105, 'a'},   {0x112, 0x11B, 'e'},   {0x128, 0x131, 'i'},
    {0x14C, 0x151, 'o'},   {0x168, 0x173, 'u'},   {0x176, 0x178, 'y'},   {0x1CD, 0x1CE, 'a'},
    {0x1CF, 0x1D0, 'i'},   {0x1D1, 0x1D2, 'o'},   {0x1D3, 0x1DC, 'u'},   {0x232, 0x233, 'y'},
    {0x1E14, 0x1E17, 'e'}, {0x1E50, 0x1E53, 'o'}, {0x1EA0, 0x1EB7, 'a'}, {0x1EB8, 0x1EC7, 'e'},
    {0x1EC8, 0x1ECB, 'i'}, {0x1ECC, 0x1EE3, 'o'}, {0x1EE4, 0x1EF1, 'u'}, {0x1EF2, 0x1EF9, 'y'},
};

bool istLeer(char32_t c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

// Combining marks, and what a pasted text may carry unseen: direction marks and isolates,
// zero-width characters, the soft hyphen, the byte-order mark.
bool entfaellt(char32_t c) {
    return (c >= 0x300 && c <= 0x36F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

char32_t klein(char32_t c) {
    if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    for (const Bereich& b : vokale)
        if (c >= b.von && c <= b.bis) return static_cast<char32_t>(b.vokal);
    if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20; // Latin-1 capitals: Ç, Ñ, ...
    return c;
}

// The first `n` letters of a long text and an ellipsis, so a verdict stays one line.
std::string kurz(std::string_view s) {
    constexpr std::size_t hoechstens = 30;
    std::size_t i = 0;
    for (std::size_t n = 0; i < s.size() && n < hoechstens; ++n)
        naechstes(s, i);
    if (i >= s.size()) return std::string(s);
    return std::string(s.substr(0, i)) + "…";
}

std::string inZeichen(std::string_view s) { return "„" + kurz(s) + "“"; }

std::string_view getrimmt(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// Bytes both texts share at their start, ending on a letter boundary (both are UTF-8).
std::size_t gemeinsam(std::string_view a, std::string_view b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    while (n > 0 && n < a.size() && (static_cast<unsigned char>(a[n]) & 0xC0) == 0x80)
        --n;
    return n;
}

// Vowels with a macron, precomposed (ā, ǖ, ḗ, ṓ).
bool istMitStrich(char32_t c) {
    constexpr char32_t einzeln[] = {0x100, 0x101, 0x112, 0x113, 0x12A, 0x12B, 0x14C,
                                    0x14D, 0x16A, 0x16B, 0x1D5, 0x1D6, 0x232, 0x233};
    return std::ranges::find(einzeln, c) != std::end(einzeln) || (c >= 0x1E14 && c <= 0x1E17) ||
           (c >= 0x1E50 && c <= 0x1E53);
}

// Vowels with a breve, precomposed (ă, ŭ, ắ).
bool istMitBogen(char32_t c) {
    constexpr char32_t einzeln[] = {0x102, 0x103, 0x114, 0x115, 0x12C,
                                    0x12D, 0x14E, 0x14F, 0x16C, 0x16D};
    return std::ranges::find(einzeln, c) != std::end(einzeln) || (c >= 0x1EAE && c <= 0x1EB7);
}

bool istVokal(char32_t c) {
    for (const Bereich& b : vokale)
        if (c >= b.von && c <= b.bis) return true;
    return false;
}

// Whether a marked vowel of the table is a capital: Latin-1 up to Þ, in Latin Extended-A
// and Additional the even code point of each pair, among the pinyin vowels the odd one.
bool istGross(char32_t c) {
    if (c < 0x100) return c <= 0xDE;
    if (c >= 0x1CD && c <= 0x1DC) return c % 2 == 1;
    return c % 2 == 0 || c == 0x178;
}

// Blanks trimmed and collapsed, marks and invisible characters dropped; small letters when
// `kleinschreiben`, else the case as typed.
std::string gereinigt(std::string_view text, bool kleinschreiben) {
    std::string aus;
    aus.reserve(text.size());
    bool blank = false;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = naechstes(text, i);
        if (entfaellt(c)) continue;
        if (istLeer(c)) {
            blank = !aus.empty();
            continue;
        }
        if (blank) aus += ' ';
        blank = false;
        if (kleinschreiben)
            anhaengen(aus, klein(c));
        else if (istVokal(c))
            anhaengen(aus, istGross(c) ? klein(c) - ('a' - 'A') : klein(c));
        else
            anhaengen(aus, c);
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
        const char32_t c = naechstes(text, i);
        if (c == 0x304 || istMitStrich(c)) {
            fund(Unsichtbar::laengenzeichen);
        } else if (c == 0x306 || istMitBogen(c)) {
            fund(Unsichtbar::kuerzezeichen);
        } else if (entfaellt(c) && c >= 0x300 && c <= 0x36F) {
            fund(Unsichtbar::akzent);
        } else if (entfaellt(c) || (istLeer(c) && c != ' ')) {
            fund(Unsichtbar::zeichen);
        } else if (istVokal(c)) {
            fund(Unsichtbar::akzent);
        }
        if (istLeer(c)) {
            if (!zeichenDavor || blank)
                fund(zeichenDavor ? Unsichtbar::blanks : Unsichtbar::blankAmRand);
            blank = true;
        } else if (!entfaellt(c)) {
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
        const std::string_view e = getrimmt(std::string_view(w).substr(s.size()));
        const std::string_view te = getrimmt(std::string_view(a).substr(s.size()));
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
