// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfaces/seiten.h"

namespace latiflex {

void Seiten::leer() {
    aufSicht_.reset();
    zuletzt_.reset();
    eingabe_.reset();
    gemeldet();
}

void Seiten::zeige(grammar::Paradigma paradigma) {
    zeige(std::make_shared<const grammar::Paradigma>(std::move(paradigma)), std::nullopt);
}

void Seiten::zeige(Zeiger seite, std::optional<Eingabe> eingabe) {
    zuletzt_ = std::move(seite);
    // A page only looked at is no word the pupil typed.
    eingabe_ = nurAnsehen_ ? std::nullopt : std::move(eingabe);
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
