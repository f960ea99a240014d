// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recorder.h"
#include "shell/form1.h"

#include <sstream>

namespace latiflex::testing {

/// The program after start-up with stems in black (0) and endings in light red (12), on the
/// recording pane and scripted dialogs: push answers, click, read the log or the pages.
struct Lauf {
    std::ostringstream log;
    RecordingPane pane{log};
    ScriptedDialogs dialoge{log};
    Form1 form{pane, dialoge};

    Lauf() {
        dialoge.push(Answer{"0"});
        dialoge.push(Answer{"12"});
        form.Form_Load();
    }
};

} // namespace latiflex::testing
