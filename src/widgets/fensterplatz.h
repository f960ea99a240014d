// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace latiflex {

/// Places `fenster`, a window the main window `haupt` opens, beside `haupt` where the
/// screen has room; else to its right, narrowed down to its smallest useful width and with
/// `haupt` moved left as far as need be; else over the main window's pane, never over its
/// buttons.
void platziereNeben(QWidget& fenster, QWidget& haupt);

/// Places `fenster`, which prints into the pane of the main window `haupt` (its child
/// "Bild1"), where the pane stays in view: beside `haupt` where the screen has room; else right of
/// the pane, over the main window's buttons, with `haupt` moved left as far as need be and
/// `fenster` narrowed to the room left (not below its smallest width). The pupil can move it still.
void platziereNebenBild(QWidget& fenster, QWidget& haupt);

/// Makes `fenster` no larger than its screen's free area, its frame included.
void passeEin(QWidget& fenster);

/// Makes `fenster` fit its screen's free area and moves it so that its frame lies there.
void insBild(QWidget& fenster);

} // namespace latiflex
