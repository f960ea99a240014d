// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/wort.h"
#include "grammar/eingabe.h"
#include "interfaces/dialogs.h"
#include "interfaces/outputpane.h"
#include "interfaces/seiten.h"
#include "interfaces/umgebung.h"
#include "verbs/zeitseite.h"

#include <optional>
#include <string_view>

namespace latiflex {

/**
 * The main window as the program sees it: its module state and one handler per control.
 * It knows nothing of Qt; the window shows its pane and dialogs through the two interfaces,
 * and the test driver stands in for them in the same way.
 */
class Form1 {
public:
    Form1(OutputPane& bild1, Dialogs& dialoge);

    /// Start-up: window size, greeting, the two colour prompts, the warning. Runs once,
    /// before the window is first shown.
    void Form_Load();

    void Befehl1_Click();  ///< "SUBST"
    void Befehl2_Click();  ///< "ENDE"
    void Befehl3_Click();  ///< "?": the notes window
    void Befehl4_Click();  ///< "ADJEKTIV"
    void verbum_Click();   ///< "VERBUM"
    void prakt_Click();    ///< "PR.IMP.F1. AKT."
    void prpass_Click();   ///< "PR.IMP.F1. PASS."
    void perfakt_Click();  ///< "PF.PLQPF.F2. AKT."
    void perfpass_Click(); ///< "PF.PLQPF.F2.PASS:"
    void cmdfarb_Click();  ///< "FARBEN": the pane's background colour
    void Bild1_Click();    ///< a click on the pane
    void Command1_Click(); ///< "ZURÜCK" on the notes window

    /// Runs the handler of the control named `control` (`Befehl1`, `Bild1`, ...); false
    /// when no control of that name has a click handler.
    [[nodiscard]] bool click(std::string_view control);

    /// Enters a word as the pupil would: the command captioned `eingabe.befehl` ("SUBST",
    /// "ADJEKTIV" or "VERBUM") as if its prompts took `eingabe.antworten`; its message boxes
    /// show as usual. False for any other caption. A word only `angesehen` is printed but
    /// does not join the run's pages (nor so a lesson or the drill): a guess the pupil
    /// looks at.
    bool eingeben(const Eingabe& eingabe, bool angesehen = false);

    const Farben& farben() const { return u_.farben; }
    /// The paradigm on view and the pages printed in this run.
    Seiten& seiten() { return seiten_; }
    const Seiten& seiten() const { return seiten_; }

private:
    /// After a noun or an adjective, the tense commands wait for a new "VERBUM".
    void keinVerbGewaehlt() { verb_.reset(); }
    /// The word's command after its prompts: forms the word, then lays out its page and
    /// records it with the word, or says the command's refusal.
    void zeigeWort(const Eingabe& eingabe);
    /// A tense command: its guards, then the page the verb's word holds for it.
    void zeigeZeitseite(verbs::Zeitseite seite);

    Seiten seiten_;
    Umgebung u_;
    /// The verb entered through "VERBUM" since the last noun or adjective, or none.
    std::optional<engine::Wort> verb_;
    /// The colour dialog starts with the colour chosen at its last use (black at first).
    Rgb farbdialog_{};
};

} // namespace latiflex
