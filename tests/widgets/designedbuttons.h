// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <array>

namespace latiflex::testing {

/// A button of the main window as the form was designed: its name, its caption, its place
/// in twips.
struct DesignedButton {
    const char* name;
    const char* caption;
    QRect twips;
};

/// The ten buttons, in their tab order.
inline const std::array<DesignedButton, 10> designedButtons{{
    {"Befehl1", "SUBST", QRect(8880, 240, 1215, 495)},
    {"Befehl4", "ADJEKTIV", QRect(8880, 960, 1215, 495)},
    {"Befehl3", "?", QRect(7800, 240, 735, 1215)},
    {"verbum", "VERBUM", QRect(7920, 1680, 2175, 495)},
    {"prakt", "PR.IMP.F1. AKT.", QRect(7920, 2400, 2175, 375)},
    {"prpass", "PR.IMP.F1. PASS.", QRect(7920, 3000, 2175, 375)},
    {"perfakt", "PF.PLQPF.F2. AKT.", QRect(7920, 3600, 2175, 375)},
    {"perfpass", "PF.PLQPF.F2.PASS:", QRect(7920, 4200, 2175, 375)},
    {"cmdfarb", "FARBEN", QRect(7920, 5280, 855, 495)},
    {"Befehl2", "ENDE", QRect(9240, 5280, 855, 495)},
}};

} // namespace latiflex::testing
