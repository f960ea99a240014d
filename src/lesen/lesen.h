// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/woerterbuch.h"
#include "grammar/eingabe.h"
#include "lesen/lesart.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace latiflex::lesen {

/// What reading a text draws on beside the rules.
struct Quellen {
    std::vector<Eingabe> eigene; ///< the pupil's words, ranked first where they fit
    /// The German meaning of an entry, empty when none is known; may be left empty.
    std::function<std::string(const Eingabe&)> bedeutung;
    /// The dictionary the analysis asks, where one is at hand (read from any thread).
    const analysis::Woerterbuch* woerterbuch = nullptr;
};

/// Called now and then while a text is read: words read so far, words in all. Returning
/// false stops the reading.
using Fortschritt = std::function<bool(std::size_t gelesen, std::size_t alle)>;

/**
 * Reads Latin texts word by word: each word's readings as `analysis::bestimmen` names them
 * (a word with an enclitic by its host), then ranked in context (`imKontext`). Each form is
 * analysed once per reader, so a reader kept for a text the pupil types in reads each new word
 * only.
 */
class Leser {
public:
    explicit Leser(Quellen quellen);

    /// The words of `text` (UTF-8, as `zerlegen` cuts it) with their readings in context;
    /// empty when `fortschritt` stopped it.
    std::vector<Wort> lesen(std::string_view text, const Fortschritt& fortschritt = {});

    /// Every reading of one form alone, most probable first; `wirt` receives the host of an
    /// enclitic the form was read by, or is emptied.
    const std::vector<Lesart>& lesarten(std::string_view form, std::string* wirt = nullptr);

private:
    struct Eintrag {
        std::vector<Lesart> lesarten;
        std::string wirt;
    };
    std::vector<Lesart> bestimmt(std::string_view form) const;
    Eintrag allein(std::string_view form);

    Quellen quellen_;
    std::unordered_map<std::string, Eintrag> gelesen_;
};

} // namespace latiflex::lesen
