// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/leitner.h"

#include <algorithm>

namespace latiflex::lektionen {

Kasten nachAntwort(const std::optional<Kasten>& vorher, bool richtig, Datum heute) {
    if (!richtig) return {1, heute};
    const int nummer = vorher ? std::min(vorher->nummer + 1, letzterKasten) : 1;
    return {nummer, heute + std::chrono::days{abstaende[static_cast<std::size_t>(nummer - 1)]}};
}

} // namespace latiflex::lektionen
