// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

/// Calendar days, as the lessons count them: due dates, the days an answer was given.
namespace latiflex::lektionen {

using Datum = std::chrono::sys_days;

/// "2026-12-09".
std::string text(Datum datum);

/// The day a text "YYYY-MM-DD" names; nothing for any other text or a day that does not exist.
std::optional<Datum> datumAus(std::string_view text);

/// Today in the computer's local time.
Datum heute();

} // namespace latiflex::lektionen
