// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/datum.h"

#include <charconv>
#include <ctime>

namespace latiflex::lektionen {

namespace {

std::string zweistellig(unsigned n) { return (n < 10 ? "0" : "") + std::to_string(n); }

} // namespace

std::string text(Datum datum) {
    const std::chrono::year_month_day t{datum};
    const int jahr = static_cast<int>(t.year());
    std::string j = std::to_string(jahr);
    while (j.size() < 4)
        j.insert(0, "0");
    return j + "-" + zweistellig(static_cast<unsigned>(t.month())) + "-" +
           zweistellig(static_cast<unsigned>(t.day()));
}

std::optional<Datum> datumAus(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto zahl = [&](std::size_t von, std::size_t laenge) -> std::optional<int> {
        int n = 0;
        const char* anfang = text.data() + von;
        const auto [ende, fehler] = std::from_chars(anfang, anfang + laenge, n);
        if (fehler != std::errc{} || ende != anfang + laenge || n < 0) return std::nullopt;
        return n;
    };
    const auto j = zahl(0, 4), m = zahl(5, 2), t = zahl(8, 2);
    if (!j || !m || !t) return std::nullopt;
    const std::chrono::year_month_day tag{std::chrono::year{*j},
                                          std::chrono::month{static_cast<unsigned>(*m)},
                                          std::chrono::day{static_cast<unsigned>(*t)}};
    if (!tag.ok()) return std::nullopt;
    return Datum{tag};
}

Datum heute() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm lokal{};
    localtime_r(&jetzt, &lokal);
    return Datum{std::chrono::year{lokal.tm_year + 1900} /
                 std::chrono::month{static_cast<unsigned>(lokal.tm_mon + 1)} /
                 std::chrono::day{static_cast<unsigned>(lokal.tm_mday)}};
}

} // namespace latiflex::lektionen
