#include "drill/eingrenzung.h"

#include <algorithm>
#include <optional>

namespace latiflex::drill {

namespace {

template <typename T> bool erlaubt(const std::vector<T>& liste, const std::optional<T>& wert) {
    if (liste.empty()) return true;
    return wert && std::find(liste.begin(), liste.end(), *wert) != liste.end();
}

} // namespace

bool Eingrenzung::passt(const grammar::Zelle& z) const {
    return erlaubt(numeri, std::optional(z.numerus)) && erlaubt(tempora, z.tempus) &&
           erlaubt(genera, z.genusVerbi) && erlaubt(modi, z.modus);
}

} // namespace latiflex::drill
