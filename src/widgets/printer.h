// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace latiflex {

/**
 * Printing a page of HTML on A4 through Qt's print support. Qt's print library is loaded
 * only on the first print, so the program starts as fast as without it.
 */
class Printer {
public:
    /// Shows Qt's print dialog for a document named `name` and prints `html` where the pupil
    /// chose (with no printer installed: a PDF file, whose path `datei` receives). False
    /// when cancelled or when printing is not available; `fehler` then says why, empty when
    /// cancelled.
    static bool mitDialog(QWidget* parent, const QString& html, const QString& name,
                          QString* fehler = nullptr, QString* datei = nullptr);
};

} // namespace latiflex
