// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/beschriftung.h"

#include "grammar/bezeichnung.h"

namespace latiflex {

std::optional<Beschriftung> beschriftung(const grammar::Paradigma& p, OutputPane::Bezug bezug) {
    if (bezug.block < 0 || bezug.block >= int(p.bloecke.size())) return std::nullopt;
    const grammar::Block& block = p.bloecke[std::size_t(bezug.block)];
    if (bezug.form < 0) {
        if (block.kopf.empty()) return std::nullopt;
        return Beschriftung{block.kopf, block.bedeutung};
    }
    if (bezug.form >= int(block.formen.size())) return std::nullopt;
    const grammar::Form& form = block.formen[std::size_t(bezug.form)];
    std::string gedruckt = form.wortform.ganz();
    if (gedruckt.empty()) return std::nullopt;
    return Beschriftung{std::move(gedruckt), grammar::bezeichnung(form.zelle)};
}

} // namespace latiflex
