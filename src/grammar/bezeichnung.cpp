#include "grammar/bezeichnung.h"

#include <array>

namespace latiflex::grammar {

namespace {

template <typename Enum, std::size_t N>
std::string_view aus(const std::array<std::string_view, N>& namen, Enum wert) {
    return namen.at(static_cast<std::size_t>(wert));
}

constexpr std::array<std::string_view, 6> kasus{"Nominativ", "Genitiv", "Dativ",
                                                "Akkusativ", "Vokativ", "Ablativ"};
constexpr std::array<std::string_view, 2> numeri{"Singular", "Plural"};
constexpr std::array<std::string_view, 3> genera{"Maskulinum", "Femininum", "Neutrum"};
constexpr std::array<std::string_view, 3> personen{"1. Person", "2. Person", "3. Person"};
constexpr std::array<std::string_view, 6> tempora{"Präsens", "Imperfekt",       "Futur I",
                                                  "Perfekt", "Plusquamperfekt", "Futur II"};
constexpr std::array<std::string_view, 2> modi{"Indikativ", "Konjunktiv"};
constexpr std::array<std::string_view, 2> genera_verbi{"Aktiv", "Passiv"};

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
