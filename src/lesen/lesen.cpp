// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesen/lesen.h"

#include "analysis/bestimmung.h"
#include "drill/vergleich.h"
#include "grammar/text.h"
#include "lesen/kontext.h"
#include "lesen/zerlegung.h"

#include <algorithm>
#include <array>

namespace latiflex::lesen {

namespace {

// Words that end in -que without an enclitic: they are read whole.
constexpr std::array<std::string_view, 22> queWoerter{
    "atque",   "itaque",   "neque",     "namque",  "quoque", "usque",  "quisque", "quaeque",
    "quodque", "quidque",  "quicque",   "undique", "ubique", "utique", "denique", "uterque",
    "utraque", "utrumque", "plerumque", "quemque", "cuique", "quique"};

constexpr std::array<std::string_view, 3> enklitika{"que", "ne", "ve"};

// How often the reader reports its progress, in words.
constexpr std::size_t meldenAlle = 256;

bool plural(const Lesart& l, grammar::Kasus k) {
    return l.zelle && l.zelle->kasus == k && l.zelle->numerus == grammar::Numerus::plural;
}

// Where one entry reads a form as dative or ablative plural (-is, -ibus), the ablative goes
// first: in prose it stands several times as often as the dative, which the context then
// has to show.
void ablativVorDativ(std::vector<Lesart>& lesarten) {
    for (std::size_t i = 0; i < lesarten.size(); ++i) {
        if (!plural(lesarten[i], grammar::Kasus::dativ)) continue;
        for (std::size_t j = i + 1; j < lesarten.size(); ++j)
            if (plural(lesarten[j], grammar::Kasus::ablativ) &&
                lesarten[j].eingabe == lesarten[i].eingabe &&
                lesarten[j].zelle->genus == lesarten[i].zelle->genus) {
                std::rotate(lesarten.begin() + static_cast<std::ptrdiff_t>(i),
                            lesarten.begin() + static_cast<std::ptrdiff_t>(j),
                            lesarten.begin() + static_cast<std::ptrdiff_t>(j) + 1);
                break;
            }
    }
}

} // namespace

Leser::Leser(Quellen quellen) : quellen_(std::move(quellen)) {}

std::vector<Lesart> Leser::bestimmt(std::string_view form) const {
    std::vector<Lesart> lesarten;
    // Enclitics are split off below, where the sentence is known.
    for (const auto& d : analysis::bestimmen(
             form, quellen_.eigene, {.enklitika = false, .woerterbuch = quellen_.woerterbuch})) {
        Lesart l = lesart(d);
        if (quellen_.bedeutung && l.bedeutung.empty()) l.bedeutung = quellen_.bedeutung(l.eingabe);
        l.bekannt = l.bekannt || l.eigen || !l.bedeutung.empty();
        lesarten.push_back(std::move(l));
    }
    ablativVorDativ(lesarten);
    return lesarten;
}

Leser::Eintrag Leser::allein(std::string_view form) {
    Eintrag e{bestimmt(form), {}};
    const bool bekannt = !e.lesarten.empty() && e.lesarten.front().bekannt;
    const std::string n = drill::normiert(form);
    if (bekannt || std::find(queWoerter.begin(), queWoerter.end(), n) != queWoerter.end()) return e;
    for (const std::string_view enklitikon : enklitika) {
        if (!text::endsWith(n, enklitikon) || text::letterCount(n) < enklitikon.size() + 2)
            continue;
        const std::string wirt = text::lessOrEmpty(form, enklitikon.size());
        auto lesarten = bestimmt(wirt);
        // -ne and -ve end many words of their own; they are split off a known host only.
        const bool nehmen = !lesarten.empty() && (enklitikon == "que" || lesarten.front().bekannt);
        if (nehmen) return Eintrag{std::move(lesarten), wirt};
    }
    return e;
}

const std::vector<Lesart>& Leser::lesarten(std::string_view form, std::string* wirt) {
    const std::string schluessel = drill::normiert(form);
    auto it = gelesen_.find(schluessel);
    if (it == gelesen_.end()) it = gelesen_.emplace(schluessel, allein(form)).first;
    if (wirt) *wirt = it->second.wirt;
    return it->second.lesarten;
}

std::vector<Wort> Leser::lesen(std::string_view text, const Fortschritt& fortschritt) {
    const auto teile = zerlegen(text);
    std::vector<Wort> woerter;
    woerter.reserve(teile.size());
    for (const auto& t : teile) {
        if (fortschritt && woerter.size() % meldenAlle == 0 &&
            !fortschritt(woerter.size(), teile.size()))
            return {};
        Wort w{t.form, t.zeile, t.anfang, t.laenge, t.satzende, {}, {}, {}, {}};
        w.lesarten = lesarten(t.form, &w.wirt);
        woerter.push_back(std::move(w));
    }
    imKontext(woerter, [this](std::string_view form) { return bestimmt(form); });
    if (fortschritt) fortschritt(woerter.size(), woerter.size());
    return woerter;
}

} // namespace latiflex::lesen
