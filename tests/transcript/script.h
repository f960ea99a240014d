// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drillscript.h"
#include "lessons/datum.h"
#include "recorder.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace latiflex::testing {

/// Plays a script of clicks and answers against the real commands and writes the log.
/// Returns 0 when the script ran to its end (or to the end of the program), 2 for a
/// malformed line, named on `errors`; nothing is run or logged then.
///
/// Answers, cancels and colours form one queue in script order, whatever clicks stand
/// between them: start-up takes the first two, and each prompt or colour dialog after it
/// takes the next. Clicks and "drill ..." steps run in script order.
///
/// A line `hints` anywhere in the script logs the hint line below the pane as well, a line
/// `hint "TEXT"` whenever its text changes; without it the log holds the core's lines only.
int play(std::istream& script, std::ostream& log, std::ostream& errors);

/// A script line "click NAME" with a control's NAME.
struct Click {
    std::string control;
};

/// The script line "hints".
struct Hints {};

/// A script line "analyse TEXT": the analysis of TEXT is logged.
struct AnalyseStep {
    std::string text;
};

/// A script line "read TEXT": TEXT is read in the window "Text lesen", each word logged.
struct ReadStep {
    std::string text;
};

/// A step of the lessons: fixing the day, importing or exporting a lesson file, showing a
/// lesson file's lines, the drill over due cells, a lesson's progress as the window
/// "Lektionen" shows it.
struct LessonStep {
    enum class Art { today, import, exportieren, datei, due, show, vocabulary };
    Art art = Art::today;
    lektionen::Datum tag{};
    std::string pfad;
    std::string name;
    std::uint32_t seed = 0;
};

/// One line of a script: nothing (an empty line, a comment "# ..."), a response to a prompt
/// or dialog ("answer TEXT", "cancel", "colour R G B"), a click, "hints", an analysis, a text read,
/// a drill step ("drill ...") or a step of the lessons.
using ScriptLine = std::variant<std::monostate, Response, Click, Hints, AnalyseStep, ReadStep,
                                DrillStep, LessonStep>;

/// The line read, without a trailing carriage return; nothing when it is malformed.
std::optional<ScriptLine> readLine(std::string_view line);

/// Whether a script may click `name`: a button or the pane of the main window, or the
/// notes window's "ZURÜCK".
bool isControl(std::string_view name);

} // namespace latiflex::testing
