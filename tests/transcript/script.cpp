#include "script.h"

#include "drillscript.h"
#include "recorder.h"
#include "shell/form1.h"
#include "shell/hinweis.h"
#include "shell/steuerelemente.h"

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
    if (word == "click" && isControl(rest)) return ScriptLine{Click{std::string(rest)}};
    if (word == "drill")
        if (const auto d = readDrillStep(rest)) return ScriptLine{*d};
    return std::nullopt;
}

int play(std::istream& script, std::ostream& log, std::ostream& errors) {
    ScriptedDialogs dialoge(log);
    // Clicks and drill steps run in script order; answers queue apart, whatever stands between.
    std::vector<std::variant<std::string, DrillStep>> steps;
    bool drillStarted = false;
    bool hints = false;

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
        if (drill) {
            drillStarted = true;
            steps.emplace_back(*drill);
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
            static_cast<void>(form.click(*control)); // read as a control's name
        else
            drill.play(std::get<DrillStep>(step));
        if (dialoge.ended()) break;
    }
    return 0;
}

} // namespace latiflex::testing
