// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace latiflex {

/**
 * The window "Über LATIFLEX": the program's licence and the dictionary's authors
 * (`ueberText`), as selectable text, with a button "Schließen" (Escape closes too). The
 * dictionary is opened when the window is first made, not before.
 */
class UeberWindow final : public QWidget {
    Q_OBJECT

public:
    explicit UeberWindow(QWidget* parent);

    QLabel* text() const { return text_; }

private:
    QLabel* text_;
    QPushButton* schliessen_;
};

} // namespace latiflex
