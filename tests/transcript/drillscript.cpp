// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillscript.h"

#include "drill/bezeichnungen.h"
#include "recorder.h"

#include <charconv>
#include <ostream>

namespace latiflex::testing {

namespace {

// The word after `rest`'s first blank, and the text after it.
std::pair<std::string_view, std::string_view> split(std::string_view rest) {
    const auto blank = rest.find(' ');
    if (blank == std::string_view::npos) return {rest, {}};
    return {rest.substr(0, blank), rest.substr(blank + 1)};
}

} // namespace

std::optional<DrillStep> readDrillStep(std::string_view rest) {
    const auto [word, arg] = split(rest);
    DrillStep s;
    if (word == "start") {
        s.art = DrillStep::Art::start;
        const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), s.seed);
        if (arg.empty() || error != std::errc{} || end != arg.data() + arg.size())
            return std::nullopt;
    } else if (word == "kind") {
        s.art = DrillStep::Art::kind;
        if (arg == "bilden")
            s.auswahl = drill::Auswahl::bilden;
        else if (arg == "bestimmen")
            s.auswahl = drill::Auswahl::bestimmen;
        else if (arg == "gemischt")
            s.auswahl = drill::Auswahl::gemischt;
        else if (arg == "bedeutung")
            s.auswahl = drill::Auswahl::bedeutung;
        else if (arg == "lateinisch")
            s.auswahl = drill::Auswahl::lateinisch;
        else
            return std::nullopt;
    } else if (word == "answer") {
        s.art = DrillStep::Art::answer;
        s.text = std::string(arg);
    } else if (word == "name") {
        s.art = DrillStep::Art::name;
        const auto zelle = drill::zelleAus(arg);
        if (!zelle) return std::nullopt;
        s.zelle = *zelle;
    } else if (word == "filter") {
        s.art = DrillStep::Art::filter;
        const auto e = drill::eingrenzungAus(arg);
        if (!e) return std::nullopt;
        s.eingrenzung = *e;
    } else if (word == "restart" && arg.empty() && rest == word) {
        s.art = DrillStep::Art::restart;
    } else if (word == "solution" && arg.empty() && rest == word) {
        s.art = DrillStep::Art::solution;
    } else {
        return std::nullopt;
    }
    return s;
}

void DrillPlayer::frage() { log_ << "drill question " << quoted(uebung_->frageText()) << '\n'; }

void DrillPlayer::starte(std::unique_ptr<drill::Uebung> uebung) {
    uebung_ = std::move(uebung);
    uebung_->naechsteFrage();
    frage();
}

void DrillPlayer::play(const DrillStep& step,
                       const std::function<std::unique_ptr<drill::Uebung>(std::uint32_t)>& neu) {
    using Art = DrillStep::Art;
    if (step.art == Art::start) {
        uebung_.reset();
        if (seiten_.alle().empty()) {
            dialoge_.messageBox(drill::keinWort, exclamation, "ÜBEN");
            return;
        }
        starte(neu ? neu(step.seed) : std::make_unique<drill::Uebung>(seiten_, step.seed));
        return;
    }
    if (!uebung_) {
        log_ << "drill closed\n";
        return;
    }
    std::optional<drill::Urteil> urteil;
    switch (step.art) {
    case Art::kind:
        uebung_->setAuswahl(step.auswahl);
        break;
    case Art::filter:
        uebung_->setEingrenzung(step.eingrenzung);
        break;
    case Art::answer:
        urteil = uebung_->antworte(step.text);
        break;
    case Art::name:
        urteil = uebung_->bestimme(step.zelle);
        break;
    case Art::solution:
        urteil = uebung_->loesung();
        break;
    case Art::restart:
        uebung_->neuBeginnen();
        log_ << "drill score " << quoted(uebung_->stand()) << '\n';
        frage();
        return;
    case Art::start:
        break;
    }
    if (urteil) {
        log_ << "drill verdict " << quoted(urteil->ergebnis()) << ' ' << quoted(urteil->form.stamm)
             << ' ' << quoted(urteil->form.endung) << ' ' << quoted(urteil->zellenText()) << ' '
             << quoted(urteil->abweichung) << '\n';
        log_ << "drill score " << quoted(uebung_->stand()) << '\n';
    }
    uebung_->naechsteFrage();
    frage();
}

} // namespace latiflex::testing
