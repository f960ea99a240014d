// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/panereading.h"

#include "widgets/qtext.h"

#include <algorithm>
#include <limits>

namespace latiflex {

namespace {

// The runs outside the paradigm in lines, top to bottom: texts whose tops lie within half a
// line of the line's first text share its line (columns are printed a pixel or two apart).
std::vector<std::vector<std::size_t>> lines(const std::vector<PaneWidget::Run>& runs,
                                            std::vector<std::size_t> order, qreal lineHeight) {
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return runs[a].topLeft.y() < runs[b].topLeft.y();
    });
    std::vector<std::vector<std::size_t>> result;
    qreal lineTop = 0;
    for (std::size_t i : order) {
        if (result.empty() || runs[i].topLeft.y() >= lineTop + lineHeight / 2) {
            result.emplace_back();
            lineTop = runs[i].topLeft.y();
        }
        result.back().push_back(i);
    }
    return result;
}

// The runs outside the paradigm: those above its first form (a class heading), and the rest.
struct Ausserhalb {
    std::vector<std::size_t> darueber;
    std::vector<std::size_t> darunter;
};

Ausserhalb ausserhalb(const std::vector<PaneWidget::Run>& runs, const grammar::Paradigma* seite) {
    std::vector<std::size_t> frei;
    qreal oben = std::numeric_limits<qreal>::max();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (!seite || !beschriftung(*seite, runs[i].bezug))
            frei.push_back(i);
        else
            oben = std::min(oben, runs[i].topLeft.y());
    }
    Ausserhalb a;
    for (std::size_t i : frei)
        (runs[i].topLeft.y() < oben ? a.darueber : a.darunter).push_back(i);
    return a;
}

// Whether the runs `teile` drew exactly `form`, one after the other.
bool zeichnen(const std::vector<PaneWidget::Run>& runs, const std::vector<std::size_t>& teile,
              const QString& form) {
    qsizetype at = 0;
    for (std::size_t i : teile) {
        if (QStringView(form).mid(at, runs[i].text.size()) != runs[i].text) return false;
        at += runs[i].text.size();
    }
    return at == form.size();
}

} // namespace

PaneReading::PaneReading(const std::vector<PaneWidget::Run>& runs, const grammar::Paradigma* seite,
                         const QString& hinweis, qreal lineHeight, qreal columnWidth) {
    const Ausserhalb frei = ausserhalb(runs, seite);
    for (auto& line : lines(runs, frei.darueber, lineHeight))
        freeLine(runs, std::move(line), columnWidth);
    if (seite) readParadigm(runs, *seite);
    for (auto& line : lines(runs, frei.darunter, lineHeight))
        freeLine(runs, std::move(line), columnWidth);
    if (!hinweis.isEmpty()) {
        newLine();
        text_ += hinweis;
    }
}

void PaneReading::readParadigm(const std::vector<PaneWidget::Run>& runs,
                               const grammar::Paradigma& seite) {
    for (std::size_t b = 0; b < seite.bloecke.size(); ++b) {
        const int formen = int(seite.bloecke[b].formen.size());
        for (int f = -1; f < formen; ++f) {
            const OutputPane::Bezug bezug{int(b), f};
            std::vector<std::size_t> teile;
            for (std::size_t i = 0; i < runs.size(); ++i)
                if (runs[i].bezug == bezug) teile.push_back(i);
            const auto label = teile.empty() ? std::nullopt : beschriftung(seite, bezug);
            if (label) readLabelled(runs, teile, *label);
        }
    }
}

void PaneReading::readLabelled(const std::vector<PaneWidget::Run>& runs,
                               const std::vector<std::size_t>& teile, const Beschriftung& label) {
    newLine();
    // The printed part maps to the runs that drew it, when they drew exactly it.
    const QString form = qtext(label.gedruckt);
    if (zeichnen(runs, teile, form)) {
        for (std::size_t i : teile) {
            pieces_.push_back({text_.size(), i, runs[i].text.size()});
            text_ += runs[i].text;
        }
    } else {
        text_ += form;
    }
    text_ += QStringLiteral(" – ") + qtext(label.bedeutung);
}

void PaneReading::newLine() {
    if (!text_.isEmpty()) text_ += '\n';
}

void PaneReading::freeLine(const std::vector<PaneWidget::Run>& runs, std::vector<std::size_t> line,
                           qreal columnWidth) {
    std::stable_sort(line.begin(), line.end(), [&](std::size_t a, std::size_t b) {
        return runs[a].topLeft.x() < runs[b].topLeft.x();
    });
    // A line of blanks (between an adjective's singular and plural) has nothing to read.
    if (std::all_of(line.begin(), line.end(),
                    [&](std::size_t i) { return runs[i].text.trimmed().isEmpty(); }))
        return;
    newLine();
    qreal end = -1;
    for (std::size_t i : line) {
        const PaneWidget::Run& run = runs[i];
        if (end >= 0 && run.topLeft.x() > end + columnWidth / 2) text_ += '\t';
        pieces_.push_back({text_.size(), i, run.text.size()});
        text_ += run.text;
        end = run.topLeft.x() + run.advance;
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
