// SPDX-License-Identifier: GPL-3.0-or-later
#include "logmodel.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace latiflex::e2e {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    throw std::runtime_error("bad hex digit");
}

// A text in double quotes starting at `i`; leaves `i` after the closing quote.
std::string unquote(const std::string& line, std::size_t& i) {
    std::string text;
    for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\') {
            text += line[i];
            continue;
        }
        if (++i == line.size()) break;
        switch (line[i]) {
        case 'r':
            text += '\r';
            break;
        case 'n':
            text += '\n';
            break;
        case 'x':
            if (i + 2 >= line.size()) throw std::runtime_error("short \\x escape");
            text += static_cast<char>(hexDigit(line[i + 1]) * 16 + hexDigit(line[i + 2]));
            i += 2;
            break;
        default:
            text += line[i];
        }
    }
    if (i == line.size()) throw std::runtime_error("unterminated text");
    ++i;
    return text;
}

LogLine parse(const std::string& line) {
    LogLine parsed;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
        } else if (line[i] == '"') {
            parsed.args.push_back(unquote(line, i));
        } else {
            const std::size_t end = std::min(line.find(' ', i), line.size());
            std::string word = line.substr(i, end - i);
            if (parsed.word.empty())
                parsed.word = std::move(word);
            else
                parsed.args.push_back(std::move(word));
            i = end;
        }
    }
    return parsed;
}

QColor colourOf(const std::string& hex) {
    const QColor colour(QString::fromStdString(hex));
    if (!colour.isValid()) throw std::runtime_error("bad colour " + hex);
    return colour;
}

} // namespace

const std::string& LogLine::arg(std::size_t i) const {
    if (i >= args.size()) throw std::runtime_error(word + ": argument missing");
    return args[i];
}

std::vector<LogLine> readLog(std::istream& in) {
    std::vector<LogLine> lines;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        try {
            lines.push_back(parse(line));
        } catch (const std::runtime_error& e) {
            throw std::runtime_error("log line " + std::to_string(number) + ": " + e.what());
        }
    }
    return lines;
}

// Arial's average character width as its OS/2 table publishes it: 904 units of a 2048-unit
// em, at 12 pt.
PaneModel::PaneModel(double dpi)
    : font_(QStringLiteral("Arial"), 12), metrics_(font_), dpi_(dpi),
      column_(904.0 / 2048.0 * 12 * dpi / 72) {}

void PaneModel::apply(const LogLine& line) {
    const std::string& w = line.word;
    if (w == "clear") {
        inks_.clear();
        position_ = {};
    } else if (w == "back") {
        background_ = colourOf(line.arg(0));
        inks_.clear();
    } else if (w == "fore") {
        foreground_ = colourOf(line.arg(0));
    } else if (w == "y") {
        position_.setY(std::stoi(line.arg(0)) * dpi_ / 1440.0);
    } else if (w == "tab") {
        const qreal x = std::max(std::stoi(line.arg(0)) - 1, 0) * column_;
        if (position_.x() > x) apply({"newline", {}});
        position_.setX(x);
    } else if (w == "text") {
        const QString text = QString::fromStdString(line.arg(0));
        const qreal width = metrics_.horizontalAdvance(text);
        inks_.push_back({QRectF(position_, QSizeF(width, metrics_.height())), foreground_, text});
        position_.rx() += width;
    } else if (w == "newline") {
        position_ = {0, position_.y() + metrics_.height()};
    }
}

} // namespace latiflex::e2e
