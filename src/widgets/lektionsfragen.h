// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/lektionen.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

/// The questions the window "Lektionen" asks the pupil, each a modal box over `parent`.
namespace latiflex::lektionsfragen {

/// The text typed, or the entry chosen from `auswahl`, in a prompt wide enough for the
/// window manager to show its whole title; nothing when the pupil cancels.
std::optional<QString> fragen(QWidget* parent, const QString& titel, const QString& frage,
                              const QString& vorgabe, const QStringList& auswahl = {});

/// Asks `frage` (ending "Das lässt sich nicht rückgängig machen."); No is the default,
/// Escape answers No. True when the pupil answers Yes.
bool bestaetigt(QWidget* parent, const QString& titel, const QString& frage);

/// Lists the lines of `import` the rules refused, with their numbers and reasons, and asks
/// whether to import the valid ones. True when the pupil chooses them.
bool gueltigeImportieren(QWidget* parent, const Lektionen::Import& import);

/// A file name from a lesson's name and `anhang`: its letters and digits, so no typed slash
/// leaves the folder ("Lektion-12.txt").
QString dateiName(const QString& name, const QString& anhang);

/// The documents folder, or the home folder where there is none.
QString dokumente();

} // namespace latiflex::lektionsfragen
