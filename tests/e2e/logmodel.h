// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>

#include <istream>
#include <string>
#include <vector>

namespace latiflex::e2e {

/// One event of a transcript log: its first word and its arguments, quoted texts decoded.
struct LogLine {
    std::string word;
    std::vector<std::string> args;

    const std::string& arg(std::size_t i) const;
};

/// Reads a whole log; throws std::runtime_error naming the line that does not parse.
std::vector<LogLine> readLog(std::istream& in);

/// A text as it should stand in the pane: its box in logical pixels of the text area, its
/// colour. The box is the text's advance wide and a line high.
struct Ink {
    QRectF box;
    QColor colour;
    QString text;
};

/**
 * What the output pane should show after a stretch of log, worked out from the pane's own
 * rules rather than taken from the program: a column is Arial's published average character
 * width at 12 pt (its OS/2 xAvgCharWidth), a line is the font's height, vertical positions are
 * twips, a tab to a column left of the print position starts a new line, and clearing or a new
 * background erases what was printed.
 */
class PaneModel {
public:
    explicit PaneModel(double dpi);

    void apply(const LogLine& line);

    const std::vector<Ink>& inks() const { return inks_; }
    QColor background() const { return background_; }
    const QFont& font() const { return font_; }
    qreal column() const { return column_; }

private:
    QFont font_;
    QFontMetricsF metrics_;
    double dpi_;
    qreal column_;
    std::vector<Ink> inks_;
    QPointF position_;
    QColor foreground_{Qt::black};
    QColor background_{Qt::white};
};

} // namespace latiflex::e2e
