// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/eingrenzung.h"

#include <QGroupBox>

#include <vector>

class QCheckBox;

namespace latiflex {

/**
 * The drill's narrowing as check boxes: the numbers, the tenses, the voices and moods, and
 * "nur das letzte Wort". It reads and shows `drill::Eingrenzung` values, never labels; each
 * box is named by the German word the drill shows for its value.
 */
class EingrenzungAuswahl final : public QGroupBox {
    Q_OBJECT

public:
    explicit EingrenzungAuswahl(QWidget* parent = nullptr);

    /// The narrowing the checked boxes name; none checked narrows nothing.
    drill::Eingrenzung eingrenzung() const;
    /// Checks the boxes of `eingrenzung` alone, without signalling a change.
    void zeige(const drill::Eingrenzung& eingrenzung);

signals:
    /// The pupil checked or cleared a box.
    void geaendert();

private:
    /// A box and the value it stands for: `wert` is the value of the dimension `art`.
    struct Feld {
        QCheckBox* box;
        int art; ///< 0 number, 1 tense, 2 voice, 3 mood, 4 the last word only
        int wert;
    };
    std::vector<Feld> felder_;
};

} // namespace latiflex
