// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Latin as texts spell it, against the spelling of the program's pages.
namespace latiflex::analysis {

/// The form as a key of the program's tables of real words: compared as the drill compares
/// (capitals, blanks, vowel marks), j as i and v as u, since texts write either.
std::string schluessel(std::string_view form);

/// Whether the printed form `gedruckt` is `schluessel` as `schluessel(gedruckt)` would give
/// it; quick for a form of plain letters, as the pages print the rules' words.
bool gleichGeschrieben(std::string_view gedruckt, std::string_view schluessel);

/// The same for a form printed as stem and ending, each run of blanks as one blank and none
/// at either end, without building the form where it is plain letters.
bool gleichGeschrieben(std::string_view stamm, std::string_view endung,
                       std::string_view schluessel);

/// The spellings of a compared form (`drill::normiert`) that the pages may print: j as i,
/// and a u before a vowel at the start or after a vowel as v (*uideo*, *amauit*), a v before
/// a consonant as u (*vrbs*) first, the form as typed last, each once.
std::vector<std::string> schreibungen(const std::string& form);

/// The uncontracted perfects a contracted one stands for: *amarunt* amaverunt, *amasti*
/// amavisti, *audissem* audivissem, *norunt* noverunt, *amavere* amaverunt; none for another
/// form.
std::vector<std::string> unkontrahiert(const std::string& form);

/// A form read as a word and an attached enclitic: *senatusque* ("senatus", "que"),
/// *videsne*, *armave*; none when no enclitic can be split off.
struct MitEnklitikon {
    std::string wort;
    std::string enklitikon; ///< "que", "ne" or "ve"
};
std::vector<MitEnklitikon> enklitika(const std::string& form);

} // namespace latiflex::analysis
