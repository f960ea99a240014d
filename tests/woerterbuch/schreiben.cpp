// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the tests' dictionary (tests/woerterbuch/lat-deu.txt) in dictd's files at the path
// given, for the tests that run the program's windows or the transcript driver over it.
#include "testwoerterbuch.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: woerterbuch_schreiben BASIS\n";
        return 2;
    }
    const std::filesystem::path basis(argv[1]);
    std::filesystem::create_directories(basis.parent_path());
    latiflex::testing::schreibeWoerterbuch(basis, latiflex::testing::testWoerterbuch());
}
