#include "script.h"

#include "analysis/bestimmung.h"
#include "drillscript.h"
#include "grammar/bezeichnung.h"
#include "recorder.h"
#include "shell/form1.h"
#include "shell/hinweis.h"
#include "shell/steuerelemente.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <ostream>
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

struct AnalyseStep {
    std::string text;
};

void analyse(const std::string& text, const Seiten& seiten, std::ostream& log) {
    const auto deutungen = analysis::bestimmen(text, analysis::eigeneWoerter(seiten));
    for (const auto& d : deutungen)
        log << "reading " << quoted(d.klasse) << ' ' << quoted(analysis::woerter(d.eingabe)) << ' '
            << quoted(grammar::bezeichnung(d.zelle)) << ' ' << quoted(d.wortform.stamm) << ' '
            << quoted(d.wortform.endung) << '\n';
    log << "readings " << deutungen.size() << '\n';
}

} // namespace

bool isControl(std::string_view name) { return steuerelement(name) != nullptr; }

int play(std::istream& script, std::ostream& log, std::ostream& errors) {
    ScriptedDialogs dialoge(log);
    // Clicks and drill steps run in script order; answers queue apart, whatever stands between.
    std::vector<std::variant<std::string, DrillStep, AnalyseStep>> steps;
    bool drillStarted = false;
    bool hints = false;

    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string_view view = line;
        const auto blank = view.find(' ');
        const std::string_view word = view.substr(0, blank);
        const std::string_view rest =
            blank == std::string_view::npos ? std::string_view{} : view.substr(blank + 1);

        if (view.empty() || view.front() == '#') continue;
        if (word == "answer") {
            dialoge.push(Answer{std::string(rest)});
        } else if (word == "cancel" && blank == std::string_view::npos) {
            dialoge.push(Cancel{});
        } else if (const auto colour = word == "colour" ? readColour(rest) : std::nullopt) {
            dialoge.push(ColourChoice{*colour});
        } else if (word == "hints" && blank == std::string_view::npos) {
            hints = true;
        } else if (word == "analyse" && blank != std::string_view::npos) {
            steps.emplace_back(AnalyseStep{std::string(rest)});
        } else if (word == "click" && isControl(rest)) {
            steps.emplace_back(std::string(rest));
        } else if (const auto d = word == "drill" ? readDrillStep(rest) : std::nullopt;
                   d && (drillStarted || d->art == DrillStep::Art::start)) {
            drillStarted = true;
            steps.emplace_back(*d);
        } else {
            errors << "transcript: line " << number << " is malformed: " << line << '\n';
            return 2;
        }
    }

    RecordingPane bild1(log);
    Form1 form(bild1, dialoge);
    DrillPlayer drill(form.seiten(), dialoge, log);
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
            form.click(*control);
        else if (const auto* a = std::get_if<AnalyseStep>(&step))
            analyse(a->text, form.seiten(), log);
        else
            drill.play(std::get<DrillStep>(step));
        if (dialoge.ended()) break;
    }
    return 0;
}

} // namespace latiflex::testing
