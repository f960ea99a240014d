// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesen/praepositionen.h"

namespace latiflex::lesen {

std::vector<grammar::Kasus> rektion(std::string_view klasse) {
    using grammar::Kasus;
    if (klasse == "Präposition mit Akkusativ oder Ablativ")
        return {Kasus::akkusativ, Kasus::ablativ};
    if (klasse == "Präposition mit Akkusativ") return {Kasus::akkusativ};
    if (klasse == "Präposition mit Ablativ") return {Kasus::ablativ};
    return {};
}

} // namespace latiflex::lesen
