// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/database.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPushButton;
class QWidget;

namespace latiflex {

/**
 * The texts of "Text lesen" kept in the lessons' store: the text on view is kept as it is
 * read (one text while the pupil edits it), each reading the pupil picks with it; the
 * button "Zuletzt gelesen" lists the kept texts, the last read first, and opens one again.
 * Without a store it keeps nothing and the button is disabled.
 */
class TextAblage final : public QObject {
    Q_OBJECT

public:
    TextAblage(lektionen::Database* ablage, std::function<lektionen::Datum()> heute,
               QWidget* parent);

    QPushButton* taste() const { return taste_; }
    /// Keeps the text read, under `titel` (its first words when empty).
    void behalten(const std::string& titel, const std::string& inhalt);
    /// Keeps the pupil's reading of a word of the text on view.
    void waehlen(const lektionen::Textwahl& wahl);
    /// The text on view is another one from now on (a file opened, the field emptied).
    void neu() { aktuell_.reset(); }

    /// A title for a text without one: its first words.
    static std::string titelAus(const std::string& inhalt);

signals:
    /// A kept text chosen to read again, with the readings picked in it.
    void oeffnen(const lektionen::GelesenerText& text,
                 const std::vector<lektionen::Textwahl>& wahl);

private:
    void fuellen();

    lektionen::Database* ablage_;
    std::function<lektionen::Datum()> heute_;
    std::optional<lektionen::TextId> aktuell_;
    std::string behalten_; // the content kept last, so an unchanged text is not written again
    QPushButton* taste_;
};

} // namespace latiflex
