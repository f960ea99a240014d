// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammar/abkuerzung.h"

#include <array>
#include <string_view>

namespace latiflex::grammar {

std::string abkuerzung(const Zelle& z) {
    constexpr std::array<std::string_view, anzahl<Genus>> genera{"Mask. ", "Fem. ", "Neutr. "};
    constexpr std::array<std::string_view, anzahl<Kasus>> kasus{"Nom. ", "Gen. ", "Dat. ",
                                                                "Akk. ", "Vok. ", "Abl. "};
    constexpr std::array<std::string_view, anzahl<Tempus>> tempora{"Präs.", "Imperf.",  "Fut. I",
                                                                   "Perf.", "Plusqpf.", "Fut. II"};
    const std::string numerus = z.numerus == Numerus::singular ? "Sg." : "Pl.";
    std::string s;
    if (z.genus) s += genera[static_cast<std::size_t>(*z.genus)];
    if (z.kasus) return s + std::string(kasus[static_cast<std::size_t>(*z.kasus)]) + numerus;
    if (z.person) s += std::to_string(static_cast<int>(*z.person) + 1) + ". " + numerus;
    if (z.tempus) s += " " + std::string(tempora[static_cast<std::size_t>(*z.tempus)]);
    if (z.modus == Modus::konjunktiv) s += " Konj.";
    if (z.genusVerbi) s += z.genusVerbi == GenusVerbi::aktiv ? " Akt." : " Pass.";
    return s;
}

} // namespace latiflex::grammar
