// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include "analysis/bestimmung.h"
#include "drillscript.h"
#include "grammar/bezeichnung.h"
#include "lesen/lesen.h"
#include "lessons/datum.h"
#include "recorder.h"
#include "shell/bestimmenwoerterbuch.h"
#include "shell/eigenewoerter.h"
#include "shell/form1.h"
#include "shell/hinweis.h"
#include "shell/lektionen.h"
#include "shell/steuerelemente.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <functional>
#include <istream>
#include <ostream>
#include <ranges>
#include <string>
#include <variant>
#include <vector>

namespace latiflex::testing {

namespace {

bool readByte(std::string_view word, std::uint8_t& value) {
    unsigned number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error != std::errc{} || end != word.data() + word.size() || number > 255) return false;
    value = static_cast<std::uint8_t>(number);
    return true;
}

std::optional<Rgb> readColour(std::string_view rest) {
    std::array<std::uint8_t, 3> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto blank = rest.find(' ');
        const bool last = i + 1 == parts.size();
        if (last != (blank == std::string_view::npos)) return std::nullopt;
        if (!readByte(rest.substr(0, blank), parts[i])) return std::nullopt;
        if (!last) rest.remove_prefix(blank + 1);
    }
    return Rgb{parts[0], parts[1], parts[2]};
}

// The window "Bestimmen" with the pupil's words of this run and, where a script keeps
// lessons, of every lesson: each reading, then the meaning of each entry the program knows.
void analyse(const std::string& text, const Seiten& seiten, Lektionen* lektionen,
             std::ostream& log) {
    const std::vector<Eingabe> eigene = eigeneWoerter(seiten, lektionen);
    const auto deutungen =
        analysis::bestimmen(text, eigene, {.woerterbuch = bestimmenWoerterbuch()});
    for (const auto& d : deutungen)
        log << "reading " << quoted(d.klasse) << ' ' << quoted(analysis::woerter(d.eingabe)) << ' '
            << quoted(d.mitZelle ? grammar::bezeichnung(d.zelle) : std::string()) << ' '
            << quoted(d.wortform.stamm) << ' ' << quoted(d.wortform.endung) << '\n';
    for (std::size_t i = 0; i < deutungen.size(); ++i) {
        const auto& d = deutungen[i];
        if (d.herkunft == analysis::Herkunft::regeln ||
            (i > 0 && deutungen[i - 1].eingabe == d.eingabe && deutungen[i - 1].klasse == d.klasse))
            continue;
        log << "meaning " << quoted(analysis::woerter(d.eingabe)) << ' ' << quoted(d.bedeutung)
            << '\n';
    }
    log << "readings " << deutungen.size() << '\n';
}

// The window "Text lesen": each word with the reading it ranks first in context.
void read(const std::string& text, const Seiten& seiten, Lektionen* lektionen, std::ostream& log) {
    lesen::Leser leser({eigeneWoerter(seiten, lektionen), {}, bestimmenWoerterbuch()});
    const auto woerter = leser.lesen(text);
    for (const auto& w : woerter) {
        const lesen::Lesart* l = w.lesart();
        log << "word " << quoted(w.form) << ' ' << quoted(l ? l->formen : "") << ' '
            << quoted(l && l->zelle ? grammar::bezeichnung(*l->zelle) : "") << ' '
            << quoted(l ? l->bedeutung : "") << '\n';
    }
    log << "words " << woerter.size() << '\n';
}

std::optional<LessonStep> readLessonStep(std::string_view word, std::string_view rest) {
    LessonStep s;
    if (word == "today") {
        const auto tag = lektionen::datumAus(rest);
        if (!tag) return std::nullopt;
        s.tag = *tag;
        return s;
    }
    if (word == "drill") {
        s.art = LessonStep::Art::due;
        if (!rest.starts_with("due ")) return std::nullopt;
        const std::string_view zahl = rest.substr(4);
        const auto [end, error] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), s.seed);
        if (zahl.empty() || error != std::errc{} || end != zahl.data() + zahl.size())
            return std::nullopt;
        return s;
    }
    if (word == "vocabulary") {
        if (!rest.starts_with("add ") || rest.size() == 4) return std::nullopt;
        s.art = LessonStep::Art::vocabulary;
        s.name = std::string(rest.substr(4));
        return s;
    }
    if (word != "lesson") return std::nullopt;
    const auto blank = rest.find(' ');
    const std::string_view was = rest.substr(0, blank);
    const std::string_view danach =
        blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
    if (was == "show" && !danach.empty()) {
        s.art = LessonStep::Art::show;
        s.name = std::string(danach);
        return s;
    }
    const auto pfadEnde = danach.find(' ');
    s.pfad = std::string(danach.substr(0, pfadEnde));
    if (s.pfad.empty()) return std::nullopt;
    if ((was == "import" || was == "file") && pfadEnde == std::string_view::npos) {
        s.art = was == "import" ? LessonStep::Art::import : LessonStep::Art::datei;
        return s;
    }
    if (was == "export" && pfadEnde != std::string_view::npos) {
        s.art = LessonStep::Art::exportieren;
        s.name = std::string(danach.substr(pfadEnde + 1));
        return s;
    }
    return std::nullopt;
}

// Plays a step of the lessons and logs what the window would show.
void playLesson(const LessonStep& step, Lektionen& lektionen, DrillPlayer& drill, Dialogs& dialoge,
                std::ostream& log) {
    using Art = LessonStep::Art;
    switch (step.art) {
    case Art::today:
        lektionen.setHeute(step.tag);
        break;
    case Art::import: {
        const Lektionen::Import import = lektionen.pruefen(step.pfad);
        if (!import.fehler.empty()) {
            dialoge.messageBox(import.fehler, exclamation, "LEKTIONEN");
            break;
        }
        for (const auto& a : import.abgelehnt)
            log << "lesson refused " << a.zeile << ' ' << quoted(a.grund) << '\n';
        for (const auto& a : import.anmerkungen)
            log << "lesson note " << a.zeile << ' ' << quoted(a.grund) << '\n';
        // As the window does when the pupil agrees to update the lesson of the same name.
        if (const auto alt = lektionen.gleichnamig(import)) {
            if (const auto e = lektionen.erneuern(*alt, import))
                log << "lesson updated " << quoted(import.name) << ' ' << e->behalten << ' '
                    << e->neu << ' ' << e->entfernt << '\n';
        } else if (lektionen.importieren(import))
            log << "lesson imported " << quoted(import.name) << ' ' << import.woerter.size()
                << '\n';
        break;
    }
    case Art::exportieren: {
        std::optional<Lektionen::LektionId> id;
        for (const auto& l : lektionen.lektionen())
            if (l.name == step.name) id = l.id;
        const auto n = id ? lektionen.exportieren(*id, step.pfad) : std::nullopt;
        if (n)
            log << "lesson exported " << quoted(step.name) << ' ' << *n << '\n';
        else if (!id)
            dialoge.messageBox("Keine Lektion heißt „" + step.name + "“.", exclamation,
                               "LEKTIONEN");
        break;
    }
    case Art::datei: {
        // The file's lines as a teacher's editor shows them.
        std::ifstream datei(step.pfad, std::ios::binary);
        for (std::string zeile; std::getline(datei, zeile);)
            log << "file " << quoted(zeile) << '\n';
        break;
    }
    case Art::show: {
        const auto alle = lektionen.lektionen();
        const auto l = std::find_if(alle.begin(), alle.end(), [&](const lektionen::Lektion& x) {
            return x.name == step.name;
        });
        if (l == alle.end()) {
            dialoge.messageBox("Keine Lektion heißt „" + step.name + "“.", exclamation,
                               "LEKTIONEN");
            break;
        }
        log << "lesson " << quoted(l->name) << ' ' << l->woerter << ' '
            << quoted(Lektionen::fortschritt(*l)) << '\n';
        // The window lists the most recent day first; the log, oldest first.
        auto tage = lektionen.uebungstage(l->id);
        std::reverse(tage.begin(), tage.end());
        for (const auto& t : tage)
            log << "practised " << quoted(lektionen::text(t.datum)) << ' ' << t.richtig << ' '
                << t.falsch << '\n';
        break;
    }
    case Art::vocabulary: {
        // As the window's "Grundwortschatz hinzufügen…" stores the lesson chosen.
        const auto import = lektionen.grundwortschatz(step.name);
        if (!import)
            dialoge.messageBox(Lektionen::grundwortschatzFehlt(step.name), exclamation,
                               "LEKTIONEN");
        else if (lektionen.importieren(*import))
            log << "lesson imported " << quoted(import->name) << ' ' << import->woerter.size()
                << '\n';
        break;
    }
    case Art::due: {
        auto uebung = lektionen.uebung(Lektionen::Umfang::faellig, std::nullopt, step.seed);
        log << "drill due " << lektionen.faellig() << '\n';
        drill.starte(std::move(uebung));
        break;
    }
    }
    while (const auto m = lektionen.meldung())
        dialoge.messageBox(*m, exclamation, "LEKTIONEN");
}

} // namespace

bool isControl(std::string_view name) { return steuerelement(name) != nullptr; }

std::optional<ScriptLine> readLine(std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    const auto blank = line.find(' ');
    const bool alone = blank == std::string_view::npos;
    const std::string_view word = line.substr(0, blank);
    const std::string_view rest = alone ? std::string_view{} : line.substr(blank + 1);

    if (line.empty() || line.front() == '#') return ScriptLine{};
    if (word == "answer") return ScriptLine{Response{Answer{std::string(rest)}}};
    if (word == "cancel" && alone) return ScriptLine{Response{Cancel{}}};
    if (word == "colour")
        if (const auto colour = readColour(rest))
            return ScriptLine{Response{ColourChoice{*colour}}};
    if (word == "hints" && alone) return ScriptLine{Hints{}};
    if (word == "analyse" && !alone) return ScriptLine{AnalyseStep{std::string(rest)}};
    if (word == "read" && !alone) return ScriptLine{ReadStep{std::string(rest)}};
    if (word == "click" && isControl(rest)) return ScriptLine{Click{std::string(rest)}};
    if (word == "drill")
        if (const auto d = readDrillStep(rest)) return ScriptLine{*d};
    if (const auto l = readLessonStep(word, rest)) return ScriptLine{*l};
    return std::nullopt;
}

int play(std::istream& script, std::ostream& log, std::ostream& errors) {
    ScriptedDialogs dialoge(log);
    // Clicks and drill steps run in script order; answers queue apart, whatever stands between.
    std::vector<std::variant<std::string, DrillStep, LessonStep, AnalyseStep, ReadStep>> steps;
    bool drillStarted = false;
    bool hints = false;
    bool lessons = false;

    std::string text;
    for (int number = 1; std::getline(script, text); ++number) {
        const auto line = readLine(text);
        const auto* drill = line ? std::get_if<DrillStep>(&*line) : nullptr;
        if (!line || (drill && !drillStarted && drill->art != DrillStep::Art::start)) {
            if (text.ends_with('\r')) text.pop_back();
            errors << "transcript: line " << number << " is malformed: " << text << '\n';
            return 2;
        }
        if (const auto* r = std::get_if<Response>(&*line)) dialoge.push(*r);
        if (std::holds_alternative<Hints>(*line)) hints = true;
        if (const auto* c = std::get_if<Click>(&*line)) steps.emplace_back(c->control);
        if (const auto* a = std::get_if<AnalyseStep>(&*line)) steps.emplace_back(*a);
        if (const auto* r = std::get_if<ReadStep>(&*line)) steps.emplace_back(*r);
        if (drill) {
            drillStarted = true;
            steps.emplace_back(*drill);
        }
        if (const auto* l = std::get_if<LessonStep>(&*line)) {
            drillStarted = drillStarted || l->art == LessonStep::Art::due;
            lessons = true;
            steps.emplace_back(*l);
        }
    }

    RecordingPane bild1(log);
    Form1 form(bild1, dialoge);
    DrillPlayer drill(form.seiten(), dialoge, log);
    // A script without lesson steps reads and writes no database.
    std::optional<Lektionen> lektionen;
    std::function<std::unique_ptr<drill::Uebung>(std::uint32_t)> laufUebung;
    if (lessons) {
        lektionen.emplace(form);
        laufUebung = [&](std::uint32_t seed) {
            return lektionen->uebung(Lektionen::Umfang::lauf, std::nullopt, seed);
        };
    }
    std::string hint;
    if (hints)
        form.seiten().beiAenderung([&] {
            std::string now = hinweis::text(form.seiten());
            if (now == hint) return;
            hint = std::move(now);
            log << "hint " << quoted(hint) << '\n';
        });
    form.Form_Load();
    for (const auto& step : steps) {
        if (const auto* control = std::get_if<std::string>(&step))
            static_cast<void>(form.click(*control)); // read as a control's name
        else if (const auto* a = std::get_if<AnalyseStep>(&step))
            analyse(a->text, form.seiten(), lektionen ? &*lektionen : nullptr, log);
        else if (const auto* r = std::get_if<ReadStep>(&step))
            read(r->text, form.seiten(), lektionen ? &*lektionen : nullptr, log);
        else if (const auto* d = std::get_if<DrillStep>(&step))
            drill.play(*d, laufUebung);
        else
            playLesson(std::get<LessonStep>(step), *lektionen, drill, dialoge, log);
        if (lektionen)
            while (const auto m = lektionen->meldung())
                dialoge.messageBox(*m, exclamation, "LEKTIONEN");
        if (dialoge.ended()) break;
    }
    return 0;
}

} // namespace latiflex::testing
