// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recorder.h"

#include <string>
#include <string_view>
#include <vector>

namespace latiflex::testing {

/// One click and the responses its prompts and colour dialogs take, in order.
struct Step {
    std::string control;
    std::vector<Response> responses;
};

/// A run of the program: the answers to the start-up prompts, then the clicks.
struct Session {
    std::vector<Response> startup;
    std::vector<Step> steps;
};

/// Reads any bytes as a session, line by line as a script reads them (`readLine`): a click
/// starts a step, a response goes to the step before it (before the first click, to
/// start-up), and a malformed line is an answer as it stands; comments, "hints" and drill
/// steps change nothing here. At most `maxSteps` clicks are kept. A transcript script reads
/// as the session it describes.
Session readSession(std::string_view bytes, std::size_t maxSteps);

/// Runs the session and returns the log of each step (start-up not included); the list
/// ends early at "ENDE".
std::vector<std::string> run(const Session& session);

/// What is wrong with the session's run, or the empty text: the log must be valid UTF-8
/// whenever all answers are, and every step must log exactly what it logs when run after
/// only the earlier steps whose state it reads by design (the verb entered since the last
/// "VERBUM" for a tense command, the last colour chosen for "FARBEN", nothing for others).
std::string violation(const Session& session);

} // namespace latiflex::testing
