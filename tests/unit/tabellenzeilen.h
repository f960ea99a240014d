// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fstream>
#include <string>
#include <vector>

/// The rows of a table a test reads from a file: every line but the comments ("#"); none
/// when the file cannot be read, so that a test counting its rows fails.
inline std::vector<std::string> tabellenzeilen(const std::string& pfad) {
    std::vector<std::string> zeilen;
    std::ifstream datei(pfad);
    for (std::string zeile; std::getline(datei, zeile);)
        if (!zeile.starts_with('#')) zeilen.push_back(zeile);
    return zeilen;
}
