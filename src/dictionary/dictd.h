// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The files of a dictionary as dictd installs it (`/usr/share/dictd/NAME.index` and
/// `NAME.dict.dz`): the index lists each headword with the place of its entry in the
/// data, the data is the entries' text, compressed with dictzip (a gzip file).
namespace latiflex::woerterbuch::dictd {

/// Where an entry's text lies in the data.
struct Stelle {
    std::uint64_t anfang = 0;
    std::uint64_t laenge = 0;

    friend bool operator==(const Stelle&, const Stelle&) = default;
    friend bool operator<(const Stelle& a, const Stelle& b) {
        return a.anfang != b.anfang ? a.anfang < b.anfang : a.laenge < b.laenge;
    }
};

/// One line of the index: "abacus TAB CKf TAB BT".
struct Indexzeile {
    std::string wort;
    Stelle stelle;

    friend bool operator==(const Indexzeile&, const Indexzeile&) = default;
};

/// A number as the index writes it: base 64, most significant digit first, with the
/// digits A–Z, a–z, 0–9, +, /. Nothing for an empty text, another character or a number
/// beyond 64 bits.
std::optional<std::uint64_t> zahl(std::string_view ziffern);

/// The index's lines, in their order; a line without three tab-separated fields or with a
/// number that does not read is left out.
std::vector<Indexzeile> index(std::string_view text);

/// Largest file read: the Latin dictionary's text is half a megabyte.
inline constexpr std::uintmax_t hoechstBytes = std::uintmax_t{64} * 1024 * 1024;

/// A file's bytes; nothing when it cannot be read or is larger than `hoechstBytes`.
std::optional<std::string> datei(const std::filesystem::path& pfad);
/// The text of a gzip (or dictzip) file, decompressed whole; nothing when it cannot be read,
/// is damaged or its text is larger than `hoechstBytes`.
std::optional<std::string> entpackt(const std::filesystem::path& pfad);

} // namespace latiflex::woerterbuch::dictd
