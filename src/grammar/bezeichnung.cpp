// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammar/bezeichnung.h"

#include <array>

namespace latiflex::grammar {

namespace {

template <typename Enum, std::size_t N>
std::string_view aus(const std::array<std::string_view, N>& namen, Enum wert) {
    static_assert(N == anzahl<Enum>, "one name for each value, in the order declared");
    return namen.at(static_cast<std::size_t>(wert));
}

constexpr auto kasus = std::to_array<std::string_view>(
    {"Nominativ", "Genitiv", "Dativ", "Akkusativ", "Vokativ", "Ablativ"});
constexpr auto numeri = std::to_array<std::string_view>({"Singular", "Plural"});
constexpr auto genera = std::to_array<std::string_view>({"Maskulinum", "Femininum", "Neutrum"});
constexpr auto personen = std::to_array<std::string_view>({"1. Person", "2. Person", "3. Person"});
constexpr auto tempora = std::to_array<std::string_view>(
    {"Präsens", "Imperfekt", "Futur I", "Perfekt", "Plusquamperfekt", "Futur II"});
constexpr auto modi = std::to_array<std::string_view>({"Indikativ", "Konjunktiv"});
constexpr auto genera_verbi = std::to_array<std::string_view>({"Aktiv", "Passiv"});

void anhaengen(std::string& text, std::string_view wort) {
    if (!text.empty()) text += ' ';
    text += wort;
}

} // namespace

std::string_view name(Kasus k) { return aus(kasus, k); }
std::string_view name(Numerus n) { return aus(numeri, n); }
std::string_view name(Genus g) { return aus(genera, g); }
std::string_view name(Person p) { return aus(personen, p); }
std::string_view name(Tempus t) { return aus(tempora, t); }
std::string_view name(Modus m) { return aus(modi, m); }
std::string_view name(GenusVerbi g) { return aus(genera_verbi, g); }

std::string bezeichnung(Tempus tempus, Modus modus, GenusVerbi genusVerbi) {
    std::string text(name(tempus));
    anhaengen(text, name(modus));
    anhaengen(text, name(genusVerbi));
    return text;
}

std::string bezeichnung(const Zelle& z) {
    std::string text;
    if (z.genus) anhaengen(text, name(*z.genus));
    if (z.kasus) anhaengen(text, name(*z.kasus));
    if (z.person) anhaengen(text, name(*z.person));
    anhaengen(text, name(z.numerus));
    if (z.tempus) anhaengen(text, name(*z.tempus));
    if (z.modus) anhaengen(text, name(*z.modus));
    if (z.genusVerbi) anhaengen(text, name(*z.genusVerbi));
    return text;
}

} // namespace latiflex::grammar
