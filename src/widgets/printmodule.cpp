// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's print support, in a module of its own that the program loads on the first print
// (see Printer): linked into the program, it would be loaded at every start.
#include "widgets/druckdokument.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {

// Whether the pages reached the printer or the file.
bool drucke(const QString& html, QPrinter& printer) {
    QTextDocument dokument;
    latiflex::druckfertig(dokument, html, printer);
    if (!latiflex::drucken(dokument, printer)) return false;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QFileInfo(printer.outputFileName()).size() > 0;
    return printer.printerState() != QPrinter::Error;
}

void a4(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

} // namespace

/// Qt's print dialog for the document `name`; prints `html` when the pupil confirms.
/// 1: printed, 0: cancelled, -1: the printer or the file took nothing. `datei` is set to
/// the PDF file written, empty when it went to a printer.
extern "C" Q_DECL_EXPORT int latiflexMitDialog(QWidget* parent, const QString& html,
                                               const QString& name, QString* datei) {
    QPrinter printer(QPrinter::HighResolution);
    a4(printer);
    printer.setDocName(name);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return 0;
    if (datei && printer.outputFormat() == QPrinter::PdfFormat) *datei = printer.outputFileName();
    return drucke(html, printer) ? 1 : -1;
}
