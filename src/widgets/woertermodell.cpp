// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/woertermodell.h"

#include "grammar/bezeichnung.h"
#include "grammar/text.h"
#include "widgets/qtext.h"

#include <QBrush>
#include <QColor>

namespace latiflex {

QString sicherheitText(lesen::Sicherheit s) {
    switch (s) {
    case lesen::Sicherheit::bekannt:
        return QStringLiteral("✔ bekannt");
    case lesen::Sicherheit::vermutet:
        return QStringLiteral("? Vermutung");
    case lesen::Sicherheit::unbekannt:
        break;
    }
    return QStringLiteral("✘ unbekannt");
}

void WoerterModell::setWoerter(std::shared_ptr<const std::vector<lesen::Wort>> woerter) {
    beginResetModel();
    woerter_ = std::move(woerter);
    endResetModel();
}

const std::vector<lesen::Wort>& WoerterModell::woerter() const {
    static const std::vector<lesen::Wort> keine;
    return woerter_ ? *woerter_ : keine;
}

void WoerterModell::geaendert(int zeile) {
    emit dataChanged(index(zeile, 0), index(zeile, spalten - 1));
}

int WoerterModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(woerter().size());
}

int WoerterModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : spalten;
}

QVariant WoerterModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const lesen::Wort& w = woerter()[static_cast<std::size_t>(index.row())];
    const lesen::Lesart* l = w.lesart();
    if (index.column() == sicherheit && (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole))
        return sicherheitText(w.sicherheit()).mid(2);
    if (role == Qt::ToolTipRole) return w.grund.empty() ? QVariant() : QVariant(qtext(w.grund));
    if (role == Qt::ForegroundRole && index.column() == sicherheit) {
        if (w.sicherheit() == lesen::Sicherheit::unbekannt) return QBrush(QColor(0xb0, 0, 0));
        if (w.sicherheit() == lesen::Sicherheit::vermutet) return QBrush(QColor(0x80, 0x60, 0));
        return {};
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case zeile:
        return static_cast<qulonglong>(w.zeile);
    case form:
        return qtext(text::kurz(w.form));
    case sicherheit: // the sign; its word is the tooltip and what a screen reader says
        return sicherheitText(w.sicherheit()).left(1) +
               (w.gewaehlt ? QStringLiteral(" gewählt") : QString());
    case formen:
        return l ? qtext(text::kurz(l->formen, 80)) : QString();
    case bedeutung:
        return l ? qtext(l->bedeutung) : QString();
    default:
        return l && l->zelle ? qtext(grammar::bezeichnung(*l->zelle)) : QString();
    }
}

QVariant WoerterModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const namen[spalten] = {"Zeile",     "Form", "", "Wörterbuchformen",
                                               "Bedeutung", "Zelle"};
    return QString::fromUtf8(namen[section]);
}

} // namespace latiflex
