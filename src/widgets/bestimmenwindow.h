// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/bestimmung.h"
#include "interfaces/write.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace latiflex {

/**
 * The window "Bestimmen": one field, and every reading of the form typed there as it is
 * typed, grouped by dictionary entry, the most probable first (the pupil's own words before
 * all others). Each reading names the cell as the drill does and shows the form as stem and
 * ending in the run's colours; "Keine Deutung" when the rules allow none. Modeless and
 * usable with the keyboard alone: Down or Tab goes from the field to the readings, Enter
 * on a reading (or on the field, for the first) chooses it, which prints that paradigm in
 * the main pane exactly as typing its dictionary forms would.
 */
class BestimmenWindow final : public QDialog {
    Q_OBJECT

public:
    /// `eigene` gives the pupil's own words whenever the readings are formed; `waehlen`
    /// prints the paradigm of a chosen reading.
    BestimmenWindow(const Farben& farben, std::function<std::vector<Eingabe>()> eigene,
                    std::function<void(const analysis::Deutung&)> waehlen,
                    QWidget* parent = nullptr);

    /// Shows the window with the field focused and its text selected.
    void oeffnen();
    /// The pane's background, behind the readings' coloured forms.
    void setHintergrund(QColor farbe);

    /// The readings on view, in their order.
    const std::vector<analysis::Deutung>& deutungen() const { return deutungen_; }
    QLineEdit* feld() const { return feld_; }
    QTreeWidget* liste() const { return liste_; }

private:
    void bestimmen();
    void waehle(QTreeWidgetItem* item);

    const Farben& farben_;
    QColor hintergrund_{Qt::white};
    std::function<std::vector<Eingabe>()> eigene_;
    std::function<void(const analysis::Deutung&)> waehlen_;
    std::vector<analysis::Deutung> deutungen_;
    bool platziert_ = false;

    QLineEdit* feld_;
    QTreeWidget* liste_;
    QLabel* stand_;
};

} // namespace latiflex
