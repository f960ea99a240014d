#pragma once

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextOption>
#include <QTextTable>

#include <cmath>
#include <memory>

namespace latiflex {

/**
 * Moves every heading of `dokument` that printing it on `geraet` would leave last on a
 * page to the top of the next page, above the table it names. Measured on a copy laid out
 * as `QTextDocument::print` lays out a document without pages of its own: the device's
 * pages, its margins at least 2 mm, 2 cm around the text.
 */
inline void ueberschriftenHalten(QTextDocument& dokument, QPagedPaintDevice& geraet) {
    if (geraet.pageLayout().margins(QPageLayout::Millimeter).isNull())
        geraet.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    const std::unique_ptr<QTextDocument> probe(dokument.clone());
    QAbstractTextDocumentLayout* layout = probe->documentLayout();
    layout->setPaintDevice(&geraet);
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const qreal dpiX = bildschirm ? std::round(bildschirm->logicalDotsPerInchX()) : 100;
    const qreal dpiY = bildschirm ? std::round(bildschirm->logicalDotsPerInchY()) : 100;
    QTextFrameFormat rand = probe->rootFrame()->frameFormat();
    rand.setLeftMargin(int(2 / 2.54 * dpiX));
    rand.setRightMargin(int(2 / 2.54 * dpiX));
    rand.setTopMargin(int(2 / 2.54 * dpiY));
    rand.setBottomMargin(int(2 / 2.54 * dpiY));
    probe->rootFrame()->setFrameFormat(rand);
    probe->setPageSize(QSizeF(geraet.width(), geraet.height()));

    const qreal hoehe = probe->pageSize().height();
    const auto seite = [&](qreal y) { return int(y / hoehe); };
    for (QTextBlock b = probe->begin(), original = dokument.begin(); b.isValid();
         b = b.next(), original = original.next()) {
        if (b.blockFormat().headingLevel() == 0 || !b.next().isValid() || !b.previous().isValid())
            continue;
        const QRectF kopf = layout->blockBoundingRect(b);
        // Already at the top of its page, it has nowhere better to go.
        if (seite(layout->blockBoundingRect(b.previous()).bottom()) != seite(kopf.top())) continue;
        // What must stand with it: a table's head and first row, else the next paragraph;
        // with a heading's height to spare for the cells' padding.
        QTextBlock mit = b.next();
        if (const QTextTable* tabelle = QTextCursor(mit).currentTable();
            tabelle && tabelle->rows() > 1)
            mit = tabelle->cellAt(1, 0).lastCursorPosition().block();
        if (seite(layout->blockBoundingRect(mit).bottom() + kopf.height()) == seite(kopf.top()))
            continue;
        QTextBlockFormat format = b.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(b).setBlockFormat(format);
        QTextCursor(original).setBlockFormat(format);
    }
}

/// `html` in `dokument` as the program prints it on `geraet`: Arial 12, headings kept with
/// what they name.
inline void druckfertig(QTextDocument& dokument, const QString& html, QPagedPaintDevice& geraet) {
    dokument.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    // A narrow column breaks its heading between words, never inside one.
    QTextOption umbruch;
    umbruch.setWrapMode(QTextOption::WordWrap);
    dokument.setDefaultTextOption(umbruch);
    dokument.setHtml(html);
    ueberschriftenHalten(dokument, geraet);
}

} // namespace latiflex
