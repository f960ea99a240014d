#pragma once

#include "widgets/panewidget.h"

#include <QString>

#include <optional>
#include <vector>

namespace latiflex {

/**
 * The pane's text in reading order, for assistive technology: lines from top to bottom,
 * the texts of a line from left to right. Texts that touch (a stem and its ending) join
 * into one word; texts that stand apart (the columns of a paradigm) get a tab between them.
 */
class PaneReading {
public:
    PaneReading(const std::vector<PaneWidget::Run>& runs, qreal lineHeight, qreal columnWidth);

    const QString& text() const { return text_; }

    /// Which run a character of `text()` comes from, and where in that run it stands.
    struct Place {
        std::size_t run;
        qsizetype index;
    };
    /// The place of `offset`, or nothing for a line break or a tab the reading put in.
    std::optional<Place> place(qsizetype offset) const;
    /// The offset of a character of a run.
    qsizetype offsetOf(Place place) const;

private:
    struct Piece {
        qsizetype offset;
        std::size_t run;
        qsizetype length;
    };
    QString text_;
    std::vector<Piece> pieces_; // in reading order, so offsets ascend
};

} // namespace latiflex
