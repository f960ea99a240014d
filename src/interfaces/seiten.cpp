#include "interfaces/seiten.h"

namespace latiflex {

void Seiten::leer() {
    aufSicht_.reset();
    zuletzt_.reset();
    gemeldet();
}

void Seiten::zeige(grammar::Paradigma paradigma) {
    zuletzt_ = std::make_shared<const grammar::Paradigma>(std::move(paradigma));
    if (zuletzt_->hatFormen()) {
        aufSicht_ = zuletzt_;
        if (!nurAnsehen_) alle_.push_back(aufSicht_);
    } else {
        aufSicht_.reset();
    }
    gemeldet();
}

void Seiten::gemeldet() const {
    for (const auto& f : beiAenderung_)
        f();
}

} // namespace latiflex
