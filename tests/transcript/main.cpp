// SPDX-License-Identifier: GPL-3.0-or-later
// transcript: plays a script of clicks and answers against the real commands, without a
// display, and logs what the user would have seen. Usage: transcript < script > log
#include "script.h"

#include <iostream>

int main() {
    std::ios::sync_with_stdio(false);
    return latiflex::testing::play(std::cin, std::cout, std::cerr);
}
