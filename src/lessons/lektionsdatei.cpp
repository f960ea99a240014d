// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/lektionsdatei.h"

#include "grammar/text.h"
#include "lessons/lehrbuch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace latiflex::lektionen {

namespace {

constexpr std::array<std::string_view, 3> befehle{"SUBST", "ADJEKTIV", "VERBUM"};

// The next code point of s from i, or nothing where s is not valid UTF-8 there.
std::optional<std::uint32_t> zeichen(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80           ? 1
                          : (b >> 5) == 0x6  ? 2
                          : (b >> 4) == 0xE  ? 3
                          : (b >> 3) == 0x1E ? 4
                                             : 0;
    if (n == 0 || i + n > s.size()) return std::nullopt;
    std::uint32_t cp = n == 1 ? b : b & (0x7Fu >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    constexpr std::array<std::uint32_t, 5> kleinste{0, 0, 0x80, 0x800, 0x10000};
    if (cp < kleinste[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    i += n;
    return cp;
}

// Characters that change the direction of the text around them or are not text at all.
bool steuerzeichen(std::uint32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == 0x061C || cp == 0x200E || cp == 0x200F ||
           (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069) || cp == 0xFEFF;
}

// Why the line is not text the lessons keep, or the empty text.
std::string_view keinText(std::string_view zeile) {
    for (std::size_t i = 0; i < zeile.size();) {
        const auto cp = zeichen(zeile, i);
        if (!cp) return "Die Zeile ist kein UTF-8-Text.";
        if (*cp != '\t' && steuerzeichen(*cp))
            return "Die Zeile enthält Steuerzeichen oder Zeichen, die die Schreibrichtung ändern.";
    }
    return {};
}

std::string_view ohneRaender(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The first `hoechstens` letters of a valid UTF-8 text.
std::string anfang(std::string_view s, std::size_t hoechstens) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < s.size() && n < hoechstens; ++n)
        if (!zeichen(s, i)) break;
    return std::string(s.substr(0, i));
}

// A name from any text: valid letters kept, controls dropped, at most `hoechstName` letters.
std::string name(std::string_view roh) {
    std::string aus;
    for (std::size_t i = 0; i < roh.size();) {
        const std::size_t von = i;
        const auto cp = zeichen(roh, i);
        if (!cp) {
            ++i;
            continue;
        }
        const std::string_view teil =
            steuerzeichen(*cp) ? std::string_view(" ") : roh.substr(von, i - von);
        // Blanks where controls stood run together into one.
        if (teil != " " || !aus.ends_with(' ')) aus += teil;
    }
    return std::string(ohneRaender(anfang(ohneRaender(aus), hoechstName)));
}

// Whether the bytes are Latin-1 (or Windows-1252) text: some are not UTF-8, and none of
// them starts a character of UTF-8 of more than one byte.
bool latein1(std::string_view bytes) {
    bool fremd = false;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
        } else if (zeichen(bytes, i)) {
            return false;
        } else {
            fremd = true;
            ++i;
        }
    }
    return fremd;
}

// Latin-1 text as UTF-8; Windows-1252's characters where Latin-1 has controls.
std::string ausLatein1(std::string_view bytes) {
    static constexpr std::array<char32_t, 32> windows{
        0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021, 0x2C6,  0x2030, 0x160,
        0x2039, 0x152,  0x8D,   0x17D,  0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    std::string aus;
    aus.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text::appendCodePoint(aus, b >= 0x80 && b < 0xA0 ? windows[b - 0x80] : char32_t{b});
    }
    return aus;
}

// The gender a noun's line names after its last form ("regis m."), or the empty text.
std::string_view genusAmEnde(std::string_view rest) {
    for (const std::string_view g : genera)
        if (rest.size() > g.size() && rest.ends_with(g) &&
            (rest[rest.size() - g.size() - 1] == ' ' || rest[rest.size() - g.size() - 1] == '\t'))
            return g;
    return {};
}

} // namespace

std::string Ablehnung::text() const { return "Zeile " + std::to_string(zeile) + ": " + grund; }

Lektionsdatei lesen(std::string_view bytes, std::string_view dateiname) {
    Lektionsdatei datei;
    const auto punkt = dateiname.rfind('.');
    datei.name = name(punkt == std::string_view::npos || punkt == 0 ? dateiname
                                                                    : dateiname.substr(0, punkt));
    if (bytes.size() > hoechstBytes) {
        datei.fehler = "Die Datei ist zu groß für eine Lektion (höchstens " +
                       std::to_string(hoechstBytes / (std::size_t{1024} * 1024)) + " MB).";
        return datei;
    }
    std::string umgesetzt;
    if (latein1(bytes)) bytes = umgesetzt = ausLatein1(bytes);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    bool benannt = false;
    std::size_t nummer = 0;
    // Lines refused as no text at all: where they are most, the file is no text.
    std::size_t keinTextZeilen = 0;
    while (!bytes.empty()) {
        ++nummer;
        const auto ende = std::min(bytes.find('\n'), bytes.size());
        std::string_view zeile = bytes.substr(0, ende);
        bytes.remove_prefix(std::min(ende + 1, bytes.size()));
        if (zeile.ends_with('\r')) zeile.remove_suffix(1);
        const std::string_view inhalt = ohneRaender(zeile);
        if (inhalt.empty()) continue;
        const auto ablehnen = [&](std::string grund) {
            datei.abgelehnt.push_back({nummer, std::move(grund)});
        };
        if (inhalt.front() == '#') {
            if (!benannt) {
                benannt = true;
                const std::string n = name(inhalt.substr(1));
                if (!n.empty()) datei.name = n;
            }
            continue;
        }
        // A lesson has fewer lines that are no word: the file is something else.
        if (datei.abgelehnt.size() == hoechstWoerter) {
            datei.fehler = keinTextZeilen * 2 > datei.abgelehnt.size()
                               ? "Die Datei ist keine Lektionsdatei: sie ist kein Text."
                               : "Die Datei ist keine Lektionsdatei: mehr als " +
                                     std::to_string(hoechstWoerter) + " Zeilen sind keine Wörter.";
            datei.woerter.clear();
            datei.abgelehnt.clear();
            return datei;
        }
        if (const auto grund = keinText(inhalt); !grund.empty()) {
            ++keinTextZeilen;
            ablehnen(std::string(grund));
            continue;
        }
        if (zeile.size() > hoechstZeile) {
            ablehnen("Die Zeile ist zu lang (höchstens " + std::to_string(hoechstZeile) +
                     " Zeichen).");
            continue;
        }
        const auto blank = inhalt.find(' ');
        const std::string_view befehl = inhalt.substr(0, blank);
        // A teacher may write the command as a word of the text: "Subst".
        const auto gefunden = std::find_if(befehle.begin(), befehle.end(), [&](auto b) {
            return std::equal(
                b.begin(), b.end(), befehl.begin(), befehl.end(), [](char gross, char c) {
                    return c == gross || (c >= 'a' && c <= 'z' && c - 'a' + 'A' == gross);
                });
        });
        if (gefunden == befehle.end()) {
            ablehnen("„" + anfang(befehl, 20) +
                     "“ ist kein Befehl; eine Zeile beginnt mit SUBST, ADJEKTIV oder VERBUM.");
            continue;
        }
        Eingabe eingabe{std::string(*gefunden), {}};
        std::string_view rest =
            blank == std::string_view::npos ? std::string_view{} : inhalt.substr(blank + 1);
        std::string bedeutung;
        if (const auto gleich = rest.find(" = "); gleich != std::string_view::npos) {
            bedeutung = ohneRaender(rest.substr(gleich + 3));
            rest = ohneRaender(rest.substr(0, gleich));
        } else if (rest.ends_with(" =")) {
            rest = ohneRaender(rest.substr(0, rest.size() - 2));
        }
        const std::string genus = eingabe.befehl == "SUBST" ? std::string(genusAmEnde(rest)) : "";
        if (!genus.empty()) rest = ohneRaender(rest.substr(0, rest.size() - genus.size()));
        bool leer = rest.empty();
        while (!rest.empty()) {
            const auto komma = rest.find(", ");
            const std::string_view antwort = rest.substr(0, komma);
            leer = leer || ohneRaender(antwort).empty();
            eingabe.antworten.emplace_back(antwort);
            rest = komma == std::string_view::npos ? std::string_view{} : rest.substr(komma + 2);
            if (komma != std::string_view::npos && rest.empty()) leer = true;
        }
        if (leer) {
            ablehnen("Nach " + eingabe.befehl + " fehlt ein Wort.");
            continue;
        }
        Lehrbuchwort wort = ausLehrbuch(std::move(eingabe));
        if (!wort.fehler.empty()) {
            ablehnen(std::move(wort.fehler));
            continue;
        }
        if (datei.woerter.size() == hoechstWoerter) {
            datei.fehler = "Die Datei hat mehr als " + std::to_string(hoechstWoerter) +
                           " Wörter; eine Lektion hat weniger.";
            datei.woerter.clear();
            datei.abgelehnt.clear();
            return datei;
        }
        datei.woerter.push_back({nummer, std::move(wort.eingabe), genus, std::move(bedeutung),
                                 std::move(wort.anmerkung)});
    }
    if (datei.woerter.empty() && datei.abgelehnt.empty())
        datei.fehler = "Die Datei enthält kein Wort.";
    else if (datei.woerter.empty() && keinTextZeilen * 2 > datei.abgelehnt.size())
        datei.fehler = "Die Datei ist keine Lektionsdatei: sie ist kein Text.";
    return datei;
}

bool darstellbar(const Eingabe& eingabe) {
    return !eingabe.antworten.empty() &&
           std::none_of(
               eingabe.antworten.begin(), eingabe.antworten.end(), [](const std::string& a) {
                   return ohneRaender(a).empty() || std::string_view(a) != ohneRaender(a) ||
                          a.find(", ") != std::string::npos ||
                          a.find_first_of("\r\n") != std::string::npos || a.size() > hoechstZeile ||
                          !keinText(a).empty();
               });
}

std::string zeile(const Eingabe& eingabe) {
    std::string aus = eingabe.befehl;
    for (std::size_t i = 0; i < eingabe.antworten.size(); ++i)
        aus.append(i == 0 ? " " : ", ").append(eingabe.antworten[i]);
    return aus;
}

std::string zeile(const Vokabel& vokabel) {
    std::string aus = zeile(vokabel.eingabe);
    if (!vokabel.genus.empty()) aus += " " + vokabel.genus;
    if (std::string b(ohneRaender(vokabel.bedeutung)); !b.empty()) {
        std::replace_if(
            b.begin(), b.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        aus += " = " + b;
    }
    return aus;
}

std::string schreiben(std::string_view name, const std::vector<Vokabel>& woerter) {
    std::string aus = "# " + lektionen::name(name) + "\n";
    for (const Vokabel& v : woerter)
        aus += zeile(v) + "\n";
    return aus;
}

std::string schreiben(std::string_view name, const std::vector<Eingabe>& woerter) {
    std::vector<Vokabel> v;
    v.reserve(woerter.size());
    for (const Eingabe& e : woerter)
        v.push_back({e, "", ""});
    return schreiben(name, v);
}

} // namespace latiflex::lektionen
