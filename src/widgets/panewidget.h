// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"
#include "interfaces/outputpane.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPointF>
#include <QString>
#include <QTimer>

#include <vector>

namespace latiflex {

class Seiten;

/**
 * The output pane `Bild1` on screen. Printing appends runs of text to a display list and
 * schedules a repaint; painting only draws the list, so what was printed survives being
 * covered, minimised or repainted until the pane is cleared. Each run keeps where on the page
 * on view it belongs, so that the mouse and the screen reader learn what a form is from the
 * paradigm, never from the pixels.
 */
class PaneWidget final : public QFrame, public OutputPane {
    Q_OBJECT

public:
    /// One piece of text as printed: its top-left corner inside the frame, its colour.
    struct Run {
        QPointF topLeft;
        QColor colour;
        QString text;
        /// Its width as drawn, in pixels.
        qreal advance = 0;
        /// How much of `text` can show inside the pane (UTF-16 units); the rest lies beyond
        /// its right edge and is not drawn, so a huge word repaints as fast as a short one.
        qsizetype shown = 0;
        /// The form or heading of the page on view it printed; none outside the paradigm.
        Bezug bezug;
    };

    explicit PaneWidget(QWidget* parent = nullptr);

    void clear() override;
    void setForeground(Rgb colour) override;
    void setBackground(Rgb colour) override;
    void setY(int twips) override;
    void tab(int column) override;
    void text(std::string_view text) override;
    void newline() override;
    void setBezug(Bezug bezug) override { bezug_ = bezug; }

    /// The record of the pages printed into this pane (the main window's); without it the
    /// pane names no form.
    void zeigtSeiten(const Seiten* seiten) { seiten_ = seiten; }
    /// The paradigm the pane shows, or nothing.
    const grammar::Paradigma* seite() const;
    /// The hint line below the pane, as the main window shows it.
    QString hinweis() const;

    const std::vector<Run>& runs() const { return runs_; }
    QColor background() const { return background_; }
    /// Width of a character column (see columnwidth.h) and height of a line, in pixels.
    qreal columnWidth() const;
    qreal lineHeight() const;
    /// Where the text area starts inside the widget (the frame lies around it).
    QPoint origin() const { return contentsRect().topLeft(); }

    QSize sizeHint() const override;

    /// The font's horizontal advance of the first `length` UTF-16 units of a run's text.
    qreal advanceOf(const Run& run, qsizetype length) const;

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<Run> runs_;
    QPointF position_;
    Bezug bezug_;
    const Seiten* seiten_ = nullptr;
    QColor foreground_{Qt::black};
    QColor background_{Qt::white};
    mutable QFont columnFont_; // the font columnWidth() was last measured in
    mutable qreal column_ = -1;
    QString announced_; // what assistive technology was last told the pane shows
    QTimer announcer_;

    void announce();
    void announceNow();
};

} // namespace latiflex
