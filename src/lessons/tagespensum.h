// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/datum.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

/// How many cells never answered the drill over due cells introduces on a day, lesson by
/// lesson.
namespace latiflex::lektionen {

using LektionId = std::int64_t;

/// A lesson's words are introduced over this many days, whatever the lesson's size: a week's
/// lesson is asked whole within the first days of the week.
inline constexpr int tageJeLektion = 3;
/// Fewest new cells a day for a lesson that has them: one noun's table.
inline constexpr int mindestensNeue = 12;
/// Most lessons introducing new cells on one day; the others wait until one of these is
/// introduced whole.
inline constexpr int lektionenZugleich = 2;

/// How far a lesson's words in the drill are introduced.
struct Lernstand {
    LektionId lektion = 0;
    int zellen = 0;   ///< cells of its words in the drill, as the rules formed them last
    int neu = 0;      ///< of those, never answered
    int heuteNeu = 0; ///< cells answered for the first time today
    std::optional<Datum> begonnen; ///< the day its first cell was answered

    friend bool operator==(const Lernstand&, const Lernstand&) = default;
};

/// New cells each lesson may still introduce today: a lesson being learned introduces its
/// cells over `tageJeLektion` days, at least `mindestensNeue` a day (and never more than it
/// has). At most `lektionenZugleich` lessons with new cells are learned at once: those begun
/// first, then the current lesson, then in the order they were made. Lessons with none
/// left today are not listed.
std::map<LektionId, int> tagespensum(const std::vector<Lernstand>& lektionen,
                                     std::optional<LektionId> aktuelle);

} // namespace latiflex::lektionen
