// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/wort.h"
#include "shell/hinweis.h"
#include "shell/lektionen.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the two files of `Lektionen` share (lektionen.cpp: the lessons, words and the drill;
// lektionsdateien.cpp: lesson files and cards); no other file includes it.
namespace latiflex {

// The word of `eingabe` formed by the rules: its pages with forms (none where its command
// refuses it) and the warning of the hint line for the first of its pages that draws one.
struct Gebildet {
    std::optional<engine::Wort> wort;
    std::optional<Ablehnung> ablehnung; ///< the refusal of the word's own command
    hinweis::Hinweis hinweis;           ///< the hint line's, for the first page that warns

    std::vector<Seiten::Zeiger> seiten() const {
        return wort ? wort->seiten() : std::vector<Seiten::Zeiger>{};
    }
    int zellen() const { return wort ? wort->zellen : 0; }
};

/// Forms `eingabe` by the rules, with the hint line's warning.
Gebildet bilden(const Eingabe& eingabe);

/// A word's meaning cards: two (German and Latin) where it has a meaning, given (`bedeutung`)
/// or the dictionary's; none without.
int karten(const Eingabe& eingabe, const std::optional<std::string>& bedeutung);

struct Lektionen::Impl {
    /// A stored word's pages, formed once in this run (the rules do not change while it runs).
    std::map<WortId, std::pair<Eingabe, std::vector<Seiten::Zeiger>>> gebildet;
    /// This run's pages of stored words: the answers to them are stored.
    std::vector<std::pair<Seiten::Zeiger, WortId>> laufseiten;

    const std::vector<Seiten::Zeiger>& seitenVon(Lektionen& l, const lektionen::Wort& w) {
        const auto it = gebildet.find(w.id);
        if (it != gebildet.end() && it->second.first == w.eingabe) return it->second.second;
        Gebildet g; // the pages alone: a stored word was checked when it joined
        if (auto wort = engine::bilde(zumBilden(w.eingabe))) g.wort = std::move(*wort);
        return merke(l, w, g);
    }

    /// Keeps the stored word's pages as `g` formed them; a later fix of a rule (or a meaning
    /// the dictionary gained) may change how many cells and cards the word has, and the store
    /// learns it.
    const std::vector<Seiten::Zeiger>& merke(Lektionen& l, const lektionen::Wort& w,
                                             const Gebildet& g) {
        const int zellen = g.zellen() + karten(w.eingabe, w.bedeutung);
        if (zellen != w.zellen) l.db_.setZellenzahl(w.id, zellen);
        return gebildet.insert_or_assign(w.id, std::pair{w.eingabe, g.seiten()})
            .first->second.second;
    }
};

} // namespace latiflex
