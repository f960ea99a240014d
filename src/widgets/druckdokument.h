// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextOption>
#include <QTextTable>

#include <algorithm>
#include <cmath>

// Printing a page of HTML as Qt's QTextDocument::print does (A4 pages, 2 cm around the
// text, the page number at the foot), but with the document laid out on the printer's
// pages beforehand, so that a heading is never left last on a page.
namespace latiflex {

namespace druck {

// The margin around the text: 2 cm in the screen's units, which the layout scales to the
// printer's, as Qt's own print does.
inline qreal rand(bool waagrecht) {
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const qreal dpi = !bildschirm ? 100
                      : waagrecht ? std::round(bildschirm->logicalDotsPerInchX())
                                  : std::round(bildschirm->logicalDotsPerInchY());
    return int(2 / 2.54 * dpi);
}

// The page of the document a height falls on.
inline int seite(const QTextDocument& d, qreal y) { return int(y / d.pageSize().height()); }

// The first heading of the paged `dokument` from `ab` on that stands last on a page, its
// table or paragraph on the next; none when every heading stands with what it names.
inline QTextBlock ueberschriftAllein(const QTextDocument& dokument, const QTextBlock& ab) {
    QAbstractTextDocumentLayout* layout = dokument.documentLayout();
    for (QTextBlock b = ab; b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0 || !b.next().isValid() || !b.previous().isValid())
            continue;
        const QRectF kopf = layout->blockBoundingRect(b);
        const int hier = seite(dokument, kopf.top());
        // Already at the top of its page, it has nowhere better to go.
        if (seite(dokument, layout->blockBoundingRect(b.previous()).bottom()) != hier) continue;
        // What must stand with it: a table's head and first row, else the next paragraph.
        qreal unten = layout->blockBoundingRect(b.next()).bottom();
        if (const QTextTable* tabelle = QTextCursor(b.next()).currentTable();
            tabelle && tabelle->rows() > 1)
            for (int spalte = 0; spalte < tabelle->columns(); ++spalte) {
                const QTextBlock zelle = tabelle->cellAt(1, spalte).lastCursorPosition().block();
                unten = std::max(unten, layout->blockBoundingRect(zelle).bottom());
            }
        // A heading's height to spare for the cells' padding and borders.
        if (seite(dokument, unten + kopf.height()) != hier) return b;
    }
    return {};
}

} // namespace druck

/**
 * Moves every heading of the paged `dokument` that would stand last on a page, its table
 * or paragraph on the next, to the top of the next page.
 */
inline void ueberschriftenHalten(QTextDocument& dokument) {
    const auto rest = [&dokument](const QTextBlock& b) {
        dokument.markContentsDirty(b.position(), dokument.characterCount() - b.position());
    };
    dokument.markContentsDirty(0, dokument.characterCount());
    for (QTextBlock b = druck::ueberschriftAllein(dokument, dokument.begin()); b.isValid();
         b = druck::ueberschriftAllein(dokument, b.next())) {
        QTextBlockFormat format = b.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(b).setBlockFormat(format);
        // What follows is laid out again from here: a layout changed in place can differ.
        rest(b);
    }
}

/// `html` in `dokument` as the program prints it on `printer`: Arial 12, laid out on the
/// printer's pages with 2 cm around the text, headings kept with what they name.
inline void druckfertig(QTextDocument& dokument, const QString& html, QPrinter& printer) {
    dokument.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    // A narrow column breaks its heading between words, never inside one.
    QTextOption umbruch;
    umbruch.setWrapMode(QTextOption::WordWrap);
    dokument.setDefaultTextOption(umbruch);
    dokument.setHtml(html);
    if (printer.pageLayout().margins(QPageLayout::Millimeter).isNull())
        printer.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    dokument.documentLayout()->setPaintDevice(&printer);
    QTextFrameFormat rahmen = dokument.rootFrame()->frameFormat();
    rahmen.setLeftMargin(druck::rand(true));
    rahmen.setRightMargin(druck::rand(true));
    rahmen.setTopMargin(druck::rand(false));
    rahmen.setBottomMargin(druck::rand(false));
    dokument.rootFrame()->setFrameFormat(rahmen);
    dokument.setPageSize(QSizeF(printer.width(), printer.height()));
    ueberschriftenHalten(dokument);
}

/// Prints the paged `dokument` on `printer`, the pages the print dialog chose, each with
/// its number at the foot. False when the printer cannot be painted on.
inline bool drucken(const QTextDocument& dokument, QPrinter& printer) {
    QPainter maler(&printer);
    if (!maler.isActive()) return false;
    const QSizeF seite = dokument.pageSize();
    const int erste = std::max(printer.fromPage(), 1);
    const int letzte = printer.toPage() > 0 ? std::min(printer.toPage(), dokument.pageCount())
                                            : dokument.pageCount();
    const QFontMetricsF masse(dokument.defaultFont(), &printer);
    // Copies the printer cannot make itself are printed one after the other.
    const int kopien = printer.supportsMultipleCopies() ? 1 : std::max(printer.copyCount(), 1);
    for (int i = 0; i < kopien * (letzte - erste + 1); ++i) {
        const int nummer = erste + i % (letzte - erste + 1);
        if (i > 0) printer.newPage();
        const QRectF ausschnitt(0, (nummer - 1) * seite.height(), seite.width(), seite.height());
        maler.save();
        maler.translate(0, -ausschnitt.top());
        maler.setClipRect(ausschnitt);
        QAbstractTextDocumentLayout::PaintContext inhalt;
        inhalt.clip = ausschnitt;
        // Black on the paper, whatever the desktop's text colour.
        inhalt.palette.setColor(QPalette::Text, Qt::black);
        dokument.documentLayout()->draw(&maler, inhalt);
        maler.restore();
        const QString text = QString::number(nummer);
        // 2 cm from the paper's right and bottom text edges, as Qt's own print puts it.
        const qreal x =
            seite.width() - 2 / 2.54 * printer.logicalDpiX() - masse.horizontalAdvance(text);
        const qreal y = seite.height() - 2 / 2.54 * printer.logicalDpiY() + masse.ascent() +
                        5 * printer.logicalDpiY() / 72.0;
        maler.setFont(dokument.defaultFont());
        maler.drawText(QPointF(x, y), text);
    }
    return true;
}

} // namespace latiflex
