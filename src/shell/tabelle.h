// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/paradigma.h"
#include "interfaces/write.h"

#include <string>
#include <string_view>
#include <vector>

namespace latiflex {

/// `s` as HTML text: &, <, > and " escaped.
std::string escaped(std::string_view s);

/**
 * The paradigm of one page as a labelled table, for the clipboard and the printer. Built
 * from the value alone, never from the pane.
 *
 * - Nouns: a row per case, columns Singular and Plural.
 * - Adjectives: a row per case and number ("Genitiv Plural"), columns Maskulinum,
 *   Femininum, Neutrum, as the pane shows the three genders beside each other.
 * - Verbs: a row per person ("2. Person Singular"), a column per tense of the page, headed
 *   by its German name ("Futur II Indikativ Aktiv").
 *
 * Every text is cut to a length a page can hold: a word of 100,000 letters keeps its first
 * letters, then "…", then its ending. Control characters typed into a word become blanks,
 * so that no cell breaks the table's tabs and lines.
 */
class Tabelle {
public:
    /// A cell: a form as stem and ending, or none (a blank row, or a form the rules did not
    /// reach).
    struct Feld {
        Wortform wortform;
        bool leer = true;
    };

    /// A row: its German label and one cell per column.
    struct Zeile {
        std::string bezeichnung;
        std::vector<Feld> felder;
    };

    /// How the HTML shows the endings.
    enum class Endungen {
        zeigen, ///< stem and ending in their two colours
        luecken ///< the stem, then a blank line where the ending belongs (a worksheet)
    };

    explicit Tabelle(const grammar::Paradigma& paradigma);

    /// The typed dictionary forms, joined by commas ("rosa, rosae").
    const std::string& woerter() const { return woerter_; }
    const std::vector<Zeile>& zeilen() const { return zeilen_; }

    /// Plain text: the title line "WÖRTER: KLASSE", the head row and the labelled rows, a tab
    /// between cells, each line ended by "\n".
    std::string text() const;

    /// The title line and the table as an HTML fragment for the clipboard.
    std::string html(const Farben& farben) const;

    /// A whole HTML document for an A4 page: the words as heading, the class below, the
    /// table.
    std::string druckseite(const Farben& farben) const;

    /// A worksheet of two pages: the table with stems and blank lines for the endings, then
    /// the full table as the answer key.
    std::string arbeitsblatt(const Farben& farben) const;

    /// A lesson as one worksheet (a whole HTML document): its name, a line for the pupil's
    /// name and the date, every page's table with stems and blank lines for the endings, then
    /// the answer key on a page of its own. Column headings are set small enough that a
    /// verb's five tenses fit the width of A4.
    static std::string lektionsblatt(std::string_view name,
                                     const std::vector<const grammar::Paradigma*>& seiten,
                                     const Farben& farben);

    /// A word of a vocabulary test: its dictionary forms (with a noun's gender) and meaning.
    struct Vokabelzeile {
        std::string latein;  ///< "rex, regis m."
        std::string deutsch; ///< "König; Herrscher"
    };
    /// A lesson's vocabulary test (a whole HTML document): its name, a line for the pupil's
    /// name and the date, a table of the words with the meaning left blank to write in
    /// (`deutschGefragt`; else the Latin is left blank and the meaning given), then the
    /// answers on a page of their own.
    static std::string vokabeltest(std::string_view name, const std::vector<Vokabelzeile>& woerter,
                                   bool deutschGefragt);

private:
    /// The table as HTML; `seitenbreit` for paper, `dicht` for an answer key, with no room
    /// to write in.
    std::string htmlTabelle(const Farben& farben, Endungen endungen, bool seitenbreit,
                            bool dicht = false) const;

    std::string woerter_;
    std::string klasse_;
    std::vector<std::string> koepfe_;
    std::vector<Zeile> zeilen_;
    bool einfarbig_ = false;
};

} // namespace latiflex
