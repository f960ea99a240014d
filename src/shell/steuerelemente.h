// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form1.h"

#include <array>
#include <string_view>

namespace latiflex {

/// The window a control stands on: the main window `Form1` or the notes window `Form2`.
enum class Fenster { form1, form2 };

/// A control with a click handler: its place in twips on its window, its place in the
/// keyboard's tab order there, what it runs and whether that reads or changes the verb
/// entered through "VERBUM".
struct Steuerelement {
    std::string_view name;
    std::string_view caption; ///< empty for the pane
    Fenster fenster;
    int left, top, width, height;
    int tabIndex;
    void (Form1::*handler)();
    bool liestVerb;   ///< the tense commands
    bool aendertVerb; ///< "VERBUM", and "SUBST" and "ADJEKTIV", which reset it
    int arialPunkte;  ///< 0: the window's default font
};

/// Every control with a click handler, the main window's in its tab order.
inline constexpr std::array<Steuerelement, 12> steuerelemente{{
    {"Befehl1", "SUBST", Fenster::form1, 8880, 240, 1215, 495, 0, &Form1::Befehl1_Click, false,
     true, 0},
    {"Befehl4", "ADJEKTIV", Fenster::form1, 8880, 960, 1215, 495, 1, &Form1::Befehl4_Click, false,
     true, 0},
    {"Befehl3", "?", Fenster::form1, 7800, 240, 735, 1215, 2, &Form1::Befehl3_Click, false, false,
     24},
    {"verbum", "VERBUM", Fenster::form1, 7920, 1680, 2175, 495, 3, &Form1::verbum_Click, false,
     true, 0},
    {"prakt", "PR.IMP.F1. AKT.", Fenster::form1, 7920, 2400, 2175, 375, 4, &Form1::prakt_Click,
     true, false, 0},
    {"prpass", "PR.IMP.F1. PASS.", Fenster::form1, 7920, 3000, 2175, 375, 5, &Form1::prpass_Click,
     true, false, 0},
    {"perfakt", "PF.PLQPF.F2. AKT.", Fenster::form1, 7920, 3600, 2175, 375, 6,
     &Form1::perfakt_Click, true, false, 0},
    {"perfpass", "PF.PLQPF.F2.PASS:", Fenster::form1, 7920, 4200, 2175, 375, 7,
     &Form1::perfpass_Click, true, false, 0},
    {"cmdfarb", "FARBEN", Fenster::form1, 7920, 5280, 855, 495, 8, &Form1::cmdfarb_Click, false,
     false, 0},
    {"Befehl2", "ENDE", Fenster::form1, 9240, 5280, 855, 495, 9, &Form1::Befehl2_Click, false,
     false, 0},
    {"Bild1", "", Fenster::form1, 840, 360, 6615, 5415, 10, &Form1::Bild1_Click, false, false,
     OutputPane::arialPunkte},
    {"Command1", "ZURÜCK", Fenster::form2, 4200, 7080, 1215, 495, 1, &Form1::Command1_Click, false,
     false, 0},
}};

/// The control named `name`, or nothing.
constexpr const Steuerelement* steuerelement(std::string_view name) {
    for (const Steuerelement& s : steuerelemente)
        if (s.name == name) return &s;
    return nullptr;
}

/// Whether `s` is one of the main window's buttons (not the pane, not the notes window's).
constexpr bool istKnopf(const Steuerelement& s) {
    return s.fenster == Fenster::form1 && !s.caption.empty();
}

} // namespace latiflex
