#pragma once

class QWidget;

namespace latiflex {

/// Places `fenster`, a window the main window `haupt` opens, beside `haupt` where the
/// screen has room; else to its right, narrowed down to its smallest useful width and with
/// `haupt` moved left as far as need be; else over the main window's pane, never over its
/// buttons.
void platziereNeben(QWidget& fenster, QWidget& haupt);

/// Moves `fenster` so that its frame lies on its screen's free area, as far as it fits.
void insBild(QWidget& fenster);

} // namespace latiflex
