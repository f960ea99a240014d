// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interfaces/dialogs.h"
#include "interfaces/outputpane.h"
#include "interfaces/seiten.h"
#include "interfaces/write.h"

namespace latiflex {

/// What a command works with: the pane it prints into, the dialogs it asks through, the
/// two colours of the word forms, and the record of the paradigms the pane shows.
struct Umgebung {
    OutputPane& bild1;
    Dialogs& dialoge;
    Farben farben;
    Seiten& seiten;

    /// Clears the pane: it shows no paradigm any more.
    void leeren() {
        bild1.clear();
        seiten.leer();
    }
};

} // namespace latiflex
