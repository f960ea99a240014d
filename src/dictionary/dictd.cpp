// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/dictd.h"

#include <zlib.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace latiflex::woerterbuch::dictd {

namespace {

std::optional<int> ziffer(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return std::nullopt;
}

} // namespace

std::optional<std::uint64_t> zahl(std::string_view ziffern) {
    if (ziffern.empty() || ziffern.size() > 10) return std::nullopt; // 10 digits: 60 bits
    std::uint64_t n = 0;
    for (const char c : ziffern) {
        const auto z = ziffer(c);
        if (!z) return std::nullopt;
        n = n * 64 + static_cast<std::uint64_t>(*z);
    }
    return n;
}

std::vector<Indexzeile> index(std::string_view text) {
    std::vector<Indexzeile> zeilen;
    while (!text.empty()) {
        const auto ende = text.find('\n');
        std::string_view zeile = text.substr(0, ende);
        text.remove_prefix(ende == std::string_view::npos ? text.size() : ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        const auto tab1 = zeile.find('\t');
        const auto tab2 = tab1 == std::string_view::npos ? tab1 : zeile.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos) continue;
        const auto anfang = zahl(zeile.substr(tab1 + 1, tab2 - tab1 - 1));
        const auto laenge = zahl(zeile.substr(tab2 + 1));
        if (!anfang || !laenge || tab1 == 0) continue;
        zeilen.push_back({std::string(zeile.substr(0, tab1)), {*anfang, *laenge}});
    }
    return zeilen;
}

std::optional<std::string> datei(const std::filesystem::path& pfad) {
    std::error_code fehler;
    const auto groesse = std::filesystem::file_size(pfad, fehler);
    if (fehler || groesse > hoechstBytes) return std::nullopt;
    std::ifstream in(pfad, std::ios::binary);
    if (!in) return std::nullopt;
    std::string s{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return s;
}

std::optional<std::string> entpackt(const std::filesystem::path& pfad) {
    // gzread reads past dictzip's extra header field and across concatenated members.
    const std::unique_ptr<gzFile_s, int (*)(gzFile)> gz(gzopen(pfad.c_str(), "rb"), gzclose);
    if (!gz) return std::nullopt;
    std::string s;
    std::string stueck(std::size_t{1} << 16, '\0');
    for (;;) {
        const int n = gzread(gz.get(), stueck.data(), static_cast<unsigned>(stueck.size()));
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        s.append(stueck, 0, static_cast<std::size_t>(n));
        if (s.size() > hoechstBytes) return std::nullopt;
    }
    int fehler = Z_OK;
    gzerror(gz.get(), &fehler);
    if (fehler != Z_OK && fehler != Z_STREAM_END) return std::nullopt;
    return s;
}

} // namespace latiflex::woerterbuch::dictd
