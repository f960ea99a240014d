#include "widgets/panereading.h"

#include <QFontMetricsF>

#include <algorithm>
#include <numeric>

namespace latiflex {

PaneReading::PaneReading(const std::vector<PaneWidget::Run>& runs, qreal lineHeight,
                         qreal columnWidth) {
    std::vector<std::size_t> order(runs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return runs[a].topLeft.y() < runs[b].topLeft.y();
    });
    // Texts whose tops lie within half a line of the line's first text share its line:
    // the columns of a page are printed a pixel or two apart.
    std::vector<std::vector<std::size_t>> lines;
    qreal lineTop = 0;
    for (std::size_t i : order) {
        if (lines.empty() || runs[i].topLeft.y() >= lineTop + lineHeight / 2) {
            lines.emplace_back();
            lineTop = runs[i].topLeft.y();
        }
        lines.back().push_back(i);
    }
    for (auto& line : lines) {
        std::stable_sort(line.begin(), line.end(), [&](std::size_t a, std::size_t b) {
            return runs[a].topLeft.x() < runs[b].topLeft.x();
        });
        if (!text_.isEmpty()) text_ += '\n';
        qreal end = -1;
        for (std::size_t i : line) {
            const PaneWidget::Run& run = runs[i];
            if (end >= 0 && run.topLeft.x() > end + columnWidth / 2) text_ += '\t';
            pieces_.push_back({text_.size(), i, run.text.size()});
            text_ += run.text;
            end = run.topLeft.x() + run.advance;
        }
    }
}

std::optional<PaneReading::Place> PaneReading::place(qsizetype offset) const {
    const auto after = std::upper_bound(pieces_.begin(), pieces_.end(), offset,
                                        [](qsizetype o, const Piece& p) { return o < p.offset; });
    if (after == pieces_.begin()) return std::nullopt;
    const Piece& piece = *std::prev(after);
    if (offset >= piece.offset + piece.length) return std::nullopt;
    return Place{piece.run, offset - piece.offset};
}

qsizetype PaneReading::offsetOf(Place place) const {
    for (const Piece& piece : pieces_)
        if (piece.run == place.run) return piece.offset + place.index;
    return -1;
}

} // namespace latiflex
