#pragma once

#include "shell/dialogs.h"
#include "shell/outputpane.h"
#include "shell/printer.h"

namespace latiflex {

/// What a command works with: the pane it prints into, the dialogs it asks through, and
/// the two colours of the word forms.
struct Umgebung {
    OutputPane& bild1;
    Dialogs& dialoge;
    print::Farben farben;
};

} // namespace latiflex
