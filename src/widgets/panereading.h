// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"
#include "shell/beschriftung.h"
#include "widgets/panewidget.h"

#include <QString>

#include <optional>
#include <vector>

namespace latiflex {

/**
 * The pane's text for assistive technology, one line each: the lines printed above the
 * paradigm (a class heading), then the paradigm from its value, column after column, each
 * heading with its meaning ("PLQPF.KON.AKT. – Plusquamperfekt Konjunktiv Aktiv") and each
 * form with its cell ("rosarum – Genitiv Plural"), then the other lines the pane shows (a
 * click's warning line) top to bottom, and last the hint line. Only what the pane shows is
 * read: a form is read when a run printed it. Lines outside the paradigm read as printed,
 * their texts left to right, a tab between texts that stand apart.
 */
class PaneReading {
public:
    PaneReading(const std::vector<PaneWidget::Run>& runs, const grammar::Paradigma* seite,
                const QString& hinweis, qreal lineHeight, qreal columnWidth);

    const QString& text() const { return text_; }

    /// Which run a character of `text()` comes from, and where in that run it stands.
    struct Place {
        std::size_t run;
        qsizetype index;
    };
    /// The place of `offset`, or nothing for a character the pane does not show (a label, a
    /// line break or a tab the reading put in, the hint line).
    std::optional<Place> place(qsizetype offset) const;
    /// The offset of a character of a run; -1 for a run the reading leaves out.
    qsizetype offsetOf(Place place) const;

private:
    struct Piece {
        qsizetype offset;
        std::size_t run;
        qsizetype length;
    };
    void freeLine(const std::vector<PaneWidget::Run>& runs, std::vector<std::size_t> line,
                  qreal columnWidth);
    /// The paradigm block by block, each heading and form its runs printed, with its label.
    void readParadigm(const std::vector<PaneWidget::Run>& runs, const grammar::Paradigma& seite);
    void readLabelled(const std::vector<PaneWidget::Run>& runs,
                      const std::vector<std::size_t>& teile, const Beschriftung& label);
    void newLine();

    QString text_;
    std::vector<Piece> pieces_; // in reading order, so offsets ascend
};

} // namespace latiflex
