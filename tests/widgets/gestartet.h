// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recorder.h"
#include "widgets/mainwindow.h"

#include <deque>
#include <string>

namespace latiflex::testing {

/// The main window after its start-up, its prompts answered from `antworten` in turn (the
/// start-up's two colours first) and every message box recorded: the one fixture of the
/// widget tests that need the program as a pupil starts it.
struct Gestartet {
    explicit Gestartet(std::deque<std::string> antworten = {"0", "12"})
        : dialoge(std::move(antworten)) {
        window.start();
    }
    ScriptedDialogs dialoge;
    MainWindow window{&dialoge};
};

} // namespace latiflex::testing
