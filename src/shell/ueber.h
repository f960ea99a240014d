// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace latiflex {

namespace woerterbuch {
class Woerterbuch;
}

/// The text of the window "Über LATIFLEX": the program and its licence, then the
/// dictionary's title, authors, copyright and licence as its own information entry names
/// them, or how to install it when it is missing. Lines end in "\n".
std::string ueberText(const woerterbuch::Woerterbuch* woerterbuch);

} // namespace latiflex
