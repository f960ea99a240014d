// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwoerterbuch.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace latiflex::testing {

std::string basis64(std::uint64_t n) {
    static constexpr std::string_view ziffern =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string s;
    do {
        s.insert(s.begin(), ziffern[n % 64]);
        n /= 64;
    } while (n > 0);
    return s;
}

void schreibeWoerterbuch(const std::filesystem::path& basis, std::string_view quelle) {
    std::string daten;
    std::vector<std::pair<std::string, std::string>> index; // word, "offset\tlength"
    std::vector<std::string> woerter;
    std::size_t anfang = 0;
    auto abschliessen = [&] {
        for (auto& w : woerter)
            index.emplace_back(std::move(w),
                               basis64(anfang) + "\t" + basis64(daten.size() - anfang));
        woerter.clear();
        anfang = daten.size();
    };
    std::istringstream in{std::string(quelle)};
    bool imEintrag = false;
    for (std::string zeile; std::getline(in, zeile);) {
        if (zeile.starts_with("@ ")) {
            abschliessen();
            imEintrag = true;
            std::istringstream liste(zeile.substr(2));
            for (std::string w; std::getline(liste >> std::ws, w, ',');)
                woerter.push_back(w);
        } else if (imEintrag) {
            daten += zeile + "\n";
        }
    }
    abschliessen();
    std::sort(index.begin(), index.end());
    std::ofstream idx(basis.string() + ".index", std::ios::binary);
    for (const auto& [wort, stelle] : index)
        idx << wort << '\t' << stelle << '\n';
    gzFile gz = gzopen((basis.string() + ".dict.dz").c_str(), "wb");
    if (!gz || gzwrite(gz, daten.data(), static_cast<unsigned>(daten.size())) <= 0 ||
        gzclose(gz) != Z_OK)
        throw std::runtime_error("cannot write the test dictionary at " + basis.string());
}

std::string testWoerterbuch() {
    std::ifstream in(std::string(LATIFLEX_TESTWOERTERBUCH), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace latiflex::testing
