// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/frage.h"
#include "grammar/zelle.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QComboBox;

namespace latiflex {

/**
 * The lists a "Bestimmen" question of the drill is answered with: gender, case, person,
 * number, tense, mood and voice, each starting empty, the asked ones alone shown, two a row.
 * It returns the chosen cell as a `grammar::Zelle`. Its height is that of a verb's lists
 * whatever is shown, so that the window around it keeps its height.
 */
class MerkmalAuswahl final : public QWidget {
    Q_OBJECT

public:
    explicit MerkmalAuswahl(QWidget* parent = nullptr);

    /// Shows the lists a question on a form of `wortart` asks, each empty.
    void frageNach(grammar::Wortart wortart);
    /// The asked dimensions whose list is still empty, in the order of the labels.
    std::vector<drill::Merkmal> leer() const;
    /// The cell chosen; nothing while an asked list is empty.
    std::optional<grammar::Zelle> zelle() const;
    /// The list of `merkmal`, for the focus.
    QComboBox* liste(drill::Merkmal merkmal) const;

private:
    grammar::Wortart wortart_ = grammar::Wortart::substantiv;
    std::array<QComboBox*, drill::alleMerkmale.size()> listen_{};
    std::array<QWidget*, drill::alleMerkmale.size()> zeilen_{};
};

} // namespace latiflex
