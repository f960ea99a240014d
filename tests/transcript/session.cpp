// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "script.h"

#include "grammar/text.h"
#include "shell/form1.h"
#include "shell/steuerelemente.h"

#include <algorithm>
#include <sstream>

namespace latiflex::testing {

namespace {

bool isTense(std::string_view c) {
    const Steuerelement* s = steuerelement(c);
    return s && s->liestVerb;
}

// Whether a step writes state that a tense command reads.
bool touchesVerb(std::string_view c) {
    const Steuerelement* s = steuerelement(c);
    return s && s->aendertVerb;
}

std::vector<std::string> runSteps(const Session& session, const std::vector<std::size_t>& which) {
    std::ostringstream log;
    RecordingPane bild1(log);
    ScriptedDialogs dialoge(log);
    for (const auto& r : session.startup)
        dialoge.push(r);
    Form1 form(bild1, dialoge);
    form.Form_Load();
    std::vector<std::string> logs;
    for (const std::size_t i : which) {
        const Step& step = session.steps[i];
        dialoge.forget();
        for (const auto& r : step.responses)
            dialoge.push(r);
        log.str({});
        static_cast<void>(form.click(step.control)); // read as a control's name
        logs.push_back(log.str());
        if (dialoge.ended()) break;
    }
    return logs;
}

bool answersValid(const Session& session) {
    const auto valid = [](const Response& r) {
        const auto* a = std::get_if<Answer>(&r);
        return !a || text::isValidUtf8(a->text);
    };
    if (!std::all_of(session.startup.begin(), session.startup.end(), valid)) return false;
    return std::all_of(session.steps.begin(), session.steps.end(), [&](const Step& s) {
        return std::all_of(s.responses.begin(), s.responses.end(), valid);
    });
}

} // namespace

Session readSession(std::string_view bytes, std::size_t maxSteps) {
    Session session;
    std::vector<Response>* responses = &session.startup;
    while (!bytes.empty()) {
        const auto end = std::min(bytes.find('\n'), bytes.size());
        const std::string_view text = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        const auto line = readLine(text);
        if (!line) {
            responses->emplace_back(std::in_place_type<Answer>, Answer{std::string(text)});
        } else if (const auto* r = std::get_if<Response>(&*line)) {
            responses->push_back(*r);
        } else if (const auto* c = std::get_if<Click>(&*line)) {
            if (session.steps.size() == maxSteps) break;
            session.steps.push_back({c->control, {}});
            responses = &session.steps.back().responses;
        }
    }
    return session;
}

std::vector<std::string> run(const Session& session) {
    std::vector<std::size_t> all(session.steps.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    return runSteps(session, all);
}

std::string violation(const Session& session) {
    const std::vector<std::string> logs = run(session);
    if (answersValid(session)) {
        for (std::size_t k = 0; k < logs.size(); ++k)
            if (!text::isValidUtf8(logs[k]))
                return "step " + std::to_string(k) + " logs invalid UTF-8";
    }
    for (std::size_t k = 0; k < logs.size(); ++k) {
        const std::string& control = session.steps[k].control;
        std::vector<std::size_t> history;
        if (isTense(control)) {
            std::size_t start = k;
            for (std::size_t j = k; j-- > 0;)
                if (session.steps[j].control == "verbum") {
                    start = j;
                    break;
                }
            for (std::size_t j = start; j < k; ++j)
                if (touchesVerb(session.steps[j].control)) history.push_back(j);
        } else if (control == "cmdfarb") {
            for (std::size_t j = 0; j < k; ++j)
                if (session.steps[j].control == "cmdfarb") history.push_back(j);
        }
        history.push_back(k);
        const std::vector<std::string> alone = runSteps(session, history);
        if (alone.size() != history.size() || alone.back() != logs[k])
            return "step " + std::to_string(k) + " (" + control +
                   ") depends on an earlier word:\n--- after everything before it\n" + logs[k] +
                   "--- after only what it reads by design\n" +
                   (alone.size() == history.size() ? alone.back() : "(ended)");
    }
    return {};
}

} // namespace latiflex::testing
