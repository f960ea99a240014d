// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/uebung.h"
#include "interfaces/dialogs.h"
#include "interfaces/seiten.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace latiflex::testing {

/// A script's "drill ..." step, read from the text after "drill ".
struct DrillStep {
    enum class Art { start, kind, answer, name, filter, restart, solution };
    Art art = Art::start;
    std::uint32_t seed = 0;
    drill::Auswahl auswahl = drill::Auswahl::bilden;
    std::string text;     // answer: the typed text, verbatim
    grammar::Zelle zelle; // name
    drill::Eingrenzung eingrenzung;
};

/// The step `rest` describes, or nothing when it is malformed.
std::optional<DrillStep> readDrillStep(std::string_view rest);

/// Works the drill as the window "Üben" would, over the pages of the run, and logs each
/// question, verdict and score.
class DrillPlayer {
public:
    DrillPlayer(const Seiten& seiten, Dialogs& dialoge, std::ostream& log)
        : seiten_(seiten), dialoge_(dialoge), log_(log) {}

    /// Plays `step`; a "drill start" opens the drill `neu` makes, when given, instead of
    /// one over the run's pages (the lessons' drill, which stores the answers).
    void play(const DrillStep& step,
              const std::function<std::unique_ptr<drill::Uebung>(std::uint32_t)>& neu = {});
    /// Opens `uebung` as the window would and asks its first question.
    void starte(std::unique_ptr<drill::Uebung> uebung);

private:
    void frage();

    const Seiten& seiten_;
    Dialogs& dialoge_;
    std::ostream& log_;
    std::unique_ptr<drill::Uebung> uebung_;
};

} // namespace latiflex::testing
