// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorder.h"

#include <cstdio>

namespace latiflex::testing {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\')
            out += "\\\\";
        else if (c == '"')
            out += "\\\"";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (byte < 0x20 || byte == 0x7F) {
            char buffer[5];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", byte);
            out += buffer;
        } else
            out += c;
    }
    out += '"';
    return out;
}

std::string hex(Rgb colour) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", colour.r, colour.g, colour.b);
    return buffer;
}

void RecordingPane::clear() { log_ << "clear\n"; }
void RecordingPane::setForeground(Rgb colour) { log_ << "fore " << hex(colour) << '\n'; }
void RecordingPane::setBackground(Rgb colour) { log_ << "back " << hex(colour) << '\n'; }
void RecordingPane::setY(int twips) { log_ << "y " << twips << '\n'; }
void RecordingPane::tab(int column) { log_ << "tab " << column << '\n'; }
void RecordingPane::newline() { log_ << "newline\n"; }

void RecordingPane::text(std::string_view text) {
    if (!text.empty()) log_ << "text " << quoted(text) << '\n';
}

Response ScriptedDialogs::next() {
    if (responses_.empty()) return Cancel{};
    Response response = std::move(responses_.front());
    responses_.pop_front();
    return response;
}

void ScriptedDialogs::setOuterSize(int widthTwips, int heightTwips) {
    log_ << "size " << widthTwips << ' ' << heightTwips << '\n';
}

std::string ScriptedDialogs::inputBox(std::string_view message, std::string_view title) {
    log_ << "prompt " << quoted(title) << ' ' << quoted(message) << '\n';
    calls.emplace_back("prompt");
    const Response response = next();
    if (const auto* answer = std::get_if<Answer>(&response)) return answer->text;
    return {};
}

void ScriptedDialogs::messageBox(std::string_view text, int style, std::string_view title) {
    log_ << "message " << style << ' ' << quoted(title) << ' ' << quoted(text) << '\n';
    messages.emplace_back(text);
    calls.emplace_back("message");
}

bool ScriptedDialogs::question(std::string_view text, std::string_view title) {
    log_ << "question " << quoted(title) << ' ' << quoted(text) << '\n';
    messages.emplace_back(text);
    calls.emplace_back("question");
    const Response response = next();
    const auto* answer = std::get_if<Answer>(&response);
    return answer && answer->text == "Ja";
}

std::optional<Rgb> ScriptedDialogs::chooseColour(Rgb initial) {
    log_ << "colourdialog " << hex(initial) << '\n';
    calls.emplace_back("colour");
    const Response response = next();
    if (const auto* choice = std::get_if<ColourChoice>(&response)) return choice->colour;
    return std::nullopt;
}

void ScriptedDialogs::showNotes() {
    log_ << "notes shown\n";
    calls.emplace_back("notes");
}
void ScriptedDialogs::setNotesText(std::string_view text) {
    log_ << "notes text " << quoted(text) << '\n';
}
void ScriptedDialogs::hideNotes() { log_ << "notes hidden\n"; }

void ScriptedDialogs::end() {
    log_ << "end\n";
    calls.emplace_back("end");
    ended_ = true;
}

} // namespace latiflex::testing
