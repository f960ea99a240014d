// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/datum.h"

#include <array>
#include <optional>

/// The Leitner boxes: when a cell the pupil has answered is asked again.
namespace latiflex::lektionen {

/// The boxes are numbered 1 to `letzterKasten`; a cell in the last box counts as learnt.
inline constexpr int letzterKasten = 5;

/// Days until a cell that has just entered box k (by a right answer) is due: box 1 after one
/// day, box 5 after sixteen.
inline constexpr std::array<int, letzterKasten> abstaende{1, 2, 4, 8, 16};

/// Where a cell stands: its box and the day it is due.
struct Kasten {
    int nummer = 1;
    Datum faellig;

    friend bool operator==(const Kasten&, const Kasten&) = default;
};

/**
 * The cell's place after an answer on day `heute`. Right moves it one box up (a cell never
 * answered enters box 1; the last box keeps it) and makes it due after that box's interval;
 * wrong sends it to box 1, due the same day, so it comes back until it is answered right.
 */
Kasten nachAntwort(const std::optional<Kasten>& vorher, bool richtig, Datum heute);

} // namespace latiflex::lektionen
