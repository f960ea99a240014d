// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesen/lesart.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

namespace latiflex {

/// The words of a read text as a table: line, form, how sure the reading is, dictionary
/// forms, meaning and cell; how sure in words and a sign (not by colour alone); the reason the
/// context gives is the row's tooltip. A model, so that 100,000 words cost no widgets.
class WoerterModell final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Spalte { zeile, form, sicherheit, formen, bedeutung, zelle, spalten };

    using QAbstractTableModel::QAbstractTableModel;

    void setWoerter(std::shared_ptr<const std::vector<lesen::Wort>> woerter);
    const std::vector<lesen::Wort>& woerter() const;
    /// The word's reading changed (the pupil picked another).
    void geaendert(int zeile);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const std::vector<lesen::Wort>> woerter_;
};

/// How sure a reading is: a sign, a blank and a word ("✔ bekannt", "? Vermutung",
/// "✘ unbekannt").
QString sicherheitText(lesen::Sicherheit s);

} // namespace latiflex
