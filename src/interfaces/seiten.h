// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"
#include "grammar/paradigma.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace latiflex {

/**
 * The paradigms of this run: the page the pane shows now, and every page printed so far.
 * Commands report here what they did to the pane; readers beside the pane (copy, print,
 * the drill, the hint line) read from here, never from the pane. Nothing is kept after
 * the program ends.
 */
class Seiten {
public:
    using Zeiger = std::shared_ptr<const grammar::Paradigma>;

    /// The paradigm on view, or nothing when the pane shows none (before the first word,
    /// after a refusal, a cleared pane, a page without forms).
    const grammar::Paradigma* aufSicht() const { return aufSicht_.get(); }

    /// The page the last command formed, also one without a form (a noun whose genitive is
    /// too short for its rules: the heading stands alone); nothing once the pane was cleared.
    const grammar::Paradigma* zuletzt() const { return zuletzt_.get(); }

    /// The word whose typed dictionary forms formed `zuletzt()`, as typed; nothing when
    /// there is no such page or it was recorded without its word.
    const Eingabe* eingabe() const { return eingabe_ ? &*eingabe_ : nullptr; }

    /// Every page with forms printed in this run, oldest first.
    const std::vector<Zeiger>& alle() const { return alle_; }

    /// The pane was cleared or erased: it shows no paradigm now.
    void leer();

    /// The pane now shows `seite`, formed from the typed word `eingabe`; a page with forms
    /// joins the run's pages unless it is only viewed (`nurAnsehen`).
    void zeige(Zeiger seite, std::optional<Eingabe> eingabe);
    /// The same for a page of no typed word (a copy kept apart from the run's pages).
    void zeige(grammar::Paradigma paradigma);
    /// While true, pages shown are on view but do not join the run's pages: a guess of the
    /// analysis the pupil looks at is not the pupil's word, for the drill or a lesson.
    void nurAnsehen(bool ja) { nurAnsehen_ = ja; }

    /// Adds `f`, called after every change of the page on view (the widgets update what
    /// depends on it: the hint line, the context menu, the drill).
    void beiAenderung(std::function<void()> f) { beiAenderung_.push_back(std::move(f)); }

private:
    void gemeldet() const;

    Zeiger aufSicht_;
    Zeiger zuletzt_;
    std::optional<Eingabe> eingabe_;
    std::vector<Zeiger> alle_;
    bool nurAnsehen_ = false;
    std::vector<std::function<void()>> beiAenderung_;
};

} // namespace latiflex
