// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a golden script against the real latiflex binary in a real X window, as a pupil
// would: clicks its buttons, types into its prompts, confirms its message boxes. After
// every command it takes a screenshot and checks its pixels against the golden log: the
// window's size, the buttons' places and captions, every text of the pane in its colour at
// its column and row, the pane's background. The log is cut into commands by running the
// transcript driver on the script up to each click.

#include "desktop.h"
#include "logmodel.h"
#include "pixels.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

#include <array>
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>

using namespace latiflex::e2e;
using namespace std::chrono_literals;

namespace {

// The main window as designed, in twips: each control's name in the scripts, its caption
// and place. The pane has a frame two pixels wide. Written out apart from the program's own
// table on purpose, so that a wrong place or caption there cannot move the expectation.
struct Control {
    const char* name;
    const char* caption;
    int left, top, width, height;
};
constexpr std::array<Control, 11> controls{{
    {"Befehl1", "SUBST", 8880, 240, 1215, 495},
    {"Befehl4", "ADJEKTIV", 8880, 960, 1215, 495},
    {"Befehl3", "?", 7800, 240, 735, 1215},
    {"verbum", "VERBUM", 7920, 1680, 2175, 495},
    {"prakt", "PR.IMP.F1. AKT.", 7920, 2400, 2175, 375},
    {"prpass", "PR.IMP.F1. PASS.", 7920, 3000, 2175, 375},
    {"perfakt", "PF.PLQPF.F2. AKT.", 7920, 3600, 2175, 375},
    {"perfpass", "PF.PLQPF.F2.PASS:", 7920, 4200, 2175, 375},
    {"cmdfarb", "FARBEN", 7920, 5280, 855, 495},
    {"Befehl2", "ENDE", 9240, 5280, 855, 495},
    {"Bild1", "", 840, 360, 6615, 5415},
}};
constexpr Control zurueck{"Command1", "ZURÜCK", 4200, 7080, 1215, 495};
constexpr int paneFrame = 2;
const QString mainTitle = QStringLiteral("LATIFLEX 1 ");
const QString notesTitle = QStringLiteral("LATIFLEX2");

// What the script says to the next prompt or colour dialog.
struct Response {
    enum class Kind { answer, cancel, colour } kind = Kind::cancel;
    QString text;
    QColor colour;
};

// One click and the answers it takes; the first command is the start-up.
struct Command {
    QString click;
    std::vector<Response> responses;
    std::size_t scriptLines = 0; // the script up to the end of this command
    std::size_t logLines = 0;    // the log up to the end of this command
};

std::vector<std::string> readLines(const QString& path) {
    std::ifstream in(path.toStdString());
    if (!in) throw StepFailed("cannot read " + path.toStdString());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<Command> commandsOf(const std::vector<std::string>& script) {
    std::vector<Command> commands(1);
    for (std::size_t i = 0; i < script.size(); ++i) {
        const QString line = QString::fromStdString(script[i]);
        if (line.startsWith(QLatin1String("click "))) {
            commands.push_back({line.mid(6), {}, 0, 0});
        } else if (line == QLatin1String("answer") || line.startsWith(QLatin1String("answer "))) {
            commands.back().responses.push_back({Response::Kind::answer, line.mid(7), {}});
        } else if (line == QLatin1String("cancel")) {
            commands.back().responses.push_back({});
        } else if (line.startsWith(QLatin1String("colour "))) {
            const QStringList rgb = line.mid(7).split(' ', Qt::SkipEmptyParts);
            if (rgb.size() != 3) throw StepFailed("script line " + std::to_string(i + 1));
            commands.back().responses.push_back(
                {Response::Kind::colour,
                 {},
                 QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt())});
        }
        commands.back().scriptLines = i + 1;
    }
    return commands;
}

// How many log lines the program writes for the script's first `lines` lines.
std::size_t logLength(const QString& transcript, const std::vector<std::string>& script,
                      std::size_t lines, const std::vector<std::string>& expected) {
    QProcess driver;
    driver.start(transcript, {});
    for (std::size_t i = 0; i < lines; ++i)
        driver.write((script[i] + '\n').c_str());
    driver.closeWriteChannel();
    if (!driver.waitForFinished(10000)) throw StepFailed("the transcript driver hangs");
    const QList<QByteArray> out = driver.readAllStandardOutput().split('\n');
    const std::size_t length = out.size() - 1;
    for (std::size_t i = 0; i < length; ++i)
        if (i >= expected.size() || out[qsizetype(i)].toStdString() != expected[i])
            throw StepFailed("the golden log differs from the program's at line " +
                             std::to_string(i + 1) + "; the golden tests tell more");
    return length;
}

class Tour {
public:
    Tour(QString latiflex, QString shots, double scale, bool windowManager)
        : latiflex_(std::move(latiflex)), shots_(std::move(shots)), scale_(scale),
          windowManager_(windowManager),
          dpi_(QGuiApplication::primaryScreen()->logicalDotsPerInchY()), model_(dpi_) {}

    int play(const std::vector<Command>& commands, const std::vector<LogLine>& log);
    /// The pane as the model had it when the main window's shot `file` was checked.
    const PaneModel* paneAt(const QString& file) const {
        const auto it = panes_.find(file);
        return it == panes_.end() ? nullptr : &it->second;
    }
    /// The pane's text area inside its frame, in logical pixels of the main window.
    QRectF paneArea() const {
        return logical(controls.back()).adjusted(paneFrame, paneFrame, -paneFrame, -paneFrame);
    }

private:
    // Twips at the screen's resolution, to the nearest whole pixel.
    double px(int twips) const { return static_cast<double>(std::lround(twips * dpi_ / 1440.0)); }
    QRectF logical(const Control& c) const {
        return {px(c.left), px(c.top), px(c.width), px(c.height)};
    }
    QFont fontOf(const Control& c) const {
        return QString::fromUtf8(c.caption) == QLatin1String("?")
                   ? QFont(QStringLiteral("Arial"), 24)
                   : QGuiApplication::font();
    }
    void clickOn(const QString& name);
    void respond(const LogLine& line, std::vector<Response>& responses);
    Shot shoot(Desktop::Window window, const QString& file) const;
    QStringList checkMain(const Shot& shot) const;
    void checkNotes(Desktop::Window window);
    void checkTitle(Desktop::Window window, const QString& title);
    template <typename Check>
    void lookUntil(Desktop::Window window, const QString& what, Check check);
    void report(const QString& step, const QStringList& problems);
    QString file(const QString& what) const {
        return shots_ + QStringLiteral("/%1-%2.png").arg(step_, 2, 10, QChar('0')).arg(what);
    }

    Desktop desktop_;
    QProcess app_;
    QString latiflex_, shots_;
    double scale_;
    bool windowManager_;
    double dpi_;
    PaneModel model_;
    QSize clientTwips_;
    int step_ = 0;
    bool ended_ = false;
    int failures_ = 0;
    std::map<QString, PaneModel> panes_;
};

void Tour::clickOn(const QString& name) {
    const bool notes = name == QLatin1String("Command1");
    const Control* control = notes ? &zurueck : nullptr;
    for (const Control& c : controls)
        if (name == QLatin1String(c.name)) control = &c;
    if (!control) throw StepFailed("no control named " + name.toStdString());
    const QRect window = desktop_.geometry(desktop_.waitFor(notes ? notesTitle : mainTitle));
    desktop_.click(window.topLeft() + (logical(*control).center() * scale_).toPoint());
}

void Tour::respond(const LogLine& line, std::vector<Response>& responses) {
    auto next = [&]() -> Response {
        if (responses.empty()) return {};
        Response r = responses.front();
        responses.erase(responses.begin());
        return r;
    };
    const std::string& w = line.word;
    if (w == "prompt") {
        const QString title = QString::fromStdString(line.arg(0));
        const auto window = desktop_.waitFor(title);
        shoot(window, "prompt-" + title);
        desktop_.focus(window);
        const Response r = next();
        if (r.kind == Response::Kind::answer) {
            desktop_.type(r.text);
            desktop_.key(QStringLiteral("Return"));
        } else {
            desktop_.key(QStringLiteral("Escape"));
        }
        desktop_.waitGone(title, window);
    } else if (w == "message") {
        const QString title = QString::fromStdString(line.arg(1));
        const auto window = desktop_.waitFor(title);
        shoot(window, "message-" + title);
        if (windowManager_) checkTitle(window, title);
        desktop_.focus(window);
        desktop_.key(QStringLiteral("Return"));
        desktop_.waitGone(title, window);
    } else if (w == "colourdialog") {
        const auto window = desktop_.waitFor(QStringLiteral("Farben"));
        desktop_.focus(window);
        const Response r = next();
        if (r.kind == Response::Kind::colour) {
            // The German dialog's fields for red, green and blue: "&Rot", "&Grün", "Bla&u".
            const std::array<std::pair<const char*, int>, 3> fields{{{"alt+r", r.colour.red()},
                                                                     {"alt+g", r.colour.green()},
                                                                     {"alt+u", r.colour.blue()}}};
            for (const auto& [keys, value] : fields) {
                desktop_.key(QString::fromLatin1(keys) + QStringLiteral(" ctrl+a"));
                desktop_.type(QString::number(value));
            }
            desktop_.key(QStringLiteral("Return"));
        } else {
            desktop_.key(QStringLiteral("Escape"));
        }
        desktop_.waitGone(QStringLiteral("Farben"), window);
    } else if (w == "notes" && line.arg(0) == "shown") {
        checkNotes(desktop_.waitFor(notesTitle));
    } else if (w == "notes" && line.arg(0) == "hidden") {
        desktop_.waitGone(notesTitle);
    } else if (w == "size") {
        clientTwips_ = {std::stoi(line.arg(0)) - 120, std::stoi(line.arg(1)) - 405};
    } else if (w == "end") {
        if (!app_.waitForFinished(5000)) throw StepFailed("ENDE did not end the program");
        if (app_.exitStatus() != QProcess::NormalExit || app_.exitCode() != 0)
            report(QStringLiteral("ENDE"),
                   {QStringLiteral("the program ended with status %1").arg(app_.exitCode())});
        if (desktop_.isShown(mainTitle) || desktop_.isShown(notesTitle))
            report(QStringLiteral("ENDE"), {QStringLiteral("a window is still shown")});
        ended_ = true;
    }
    model_.apply(line);
}

Shot Tour::shoot(Desktop::Window window, const QString& what) const {
    QString name = what;
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != '-') c = '_';
    Shot shot{desktop_.grab(window), scale_};
    shot.image.save(file(name));
    return shot;
}

QStringList Tour::checkMain(const Shot& shot) const {
    QStringList problems;
    const QSize expected =
        (QSizeF(px(clientTwips_.width()), px(clientTwips_.height())) * scale_).toSize();
    if (shot.image.size() != expected)
        problems << QStringLiteral("window: %1×%2 px, not %3×%4")
                        .arg(shot.image.width())
                        .arg(shot.image.height())
                        .arg(expected.width())
                        .arg(expected.height());
    const QColor window = shot.at({3, 3});
    for (const Control& c : controls)
        if (*c.caption)
            problems << checkButton(shot, logical(c), QString::fromUtf8(c.caption), fontOf(c),
                                    window);
    problems << checkPane(shot, paneArea(), model_);
    // Every text of a page stands wholly inside the pane; only the perfect passive's third
    // heading is wider than the 18 columns after column 45 and is cut at the edge by design.
    for (const Ink& ink : model_.inks())
        if (ink.box.right() > paneArea().width() - 1 && ink.text != "FUTUR.IND.PASS.")
            problems << QStringLiteral("pane: \"%1\" reaches past the right edge (%2 of %3 px)")
                            .arg(ink.text)
                            .arg(ink.box.right(), 0, 'f', 1)
                            .arg(paneArea().width());
    return problems;
}

// Under openbox as Debian configures it, a title bar holds the window's icon, the title in
// bold 8 pt sans, and three buttons, each as wide as the bar is high, with a few pixels
// between them: the title shows whole only if the window is at least that wide.
void Tour::checkTitle(Desktop::Window window, const QString& title) {
    QFont font(QStringLiteral("sans"), 8);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int bar = metrics.height() + 6;
    const int needed = metrics.horizontalAdvance(title) + 4 * (bar + 2) + 12;
    const QRect frame = desktop_.geometry(window);
    QGuiApplication::primaryScreen()
        ->grabWindow(0, frame.x() - 8, frame.y() - 3 * bar, frame.width() + 16,
                     frame.height() + 3 * bar + 8)
        .save(file("frame-" + QString(title).replace(QRegularExpression("\\W"), "_")));
    std::cout << "title \"" << title.toStdString() << "\": window " << frame.width()
              << " px wide, the title bar needs " << needed << '\n';
    if (frame.width() < needed)
        report("message " + title,
               {QStringLiteral("%1 px wide, too narrow for its title in the window manager's "
                               "title bar (%2 px)")
                    .arg(frame.width())
                    .arg(needed)});
}

void Tour::checkNotes(Desktop::Window window) {
    lookUntil(window, QStringLiteral("notes"), [this](const Shot& shot) {
        return checkButton(shot, logical(zurueck), QString::fromUtf8(zurueck.caption),
                           QGuiApplication::font(), shot.at({3, 3}));
    });
}

// A window repaints once the program is idle again: look until it shows what it should.
template <typename Check>
void Tour::lookUntil(Desktop::Window window, const QString& what, Check check) {
    const auto until = std::chrono::steady_clock::now() + 3s;
    QStringList problems;
    do {
        problems = check(shoot(window, what));
    } while (!problems.isEmpty() && std::chrono::steady_clock::now() < until);
    report(what, problems);
}

void Tour::report(const QString& step, const QStringList& problems) {
    for (const QString& p : problems)
        std::cout << "  FAIL " << step.toStdString() << ": " << p.toStdString() << '\n';
    if (!problems.isEmpty()) ++failures_;
}

int Tour::play(const std::vector<Command>& commands, const std::vector<LogLine>& log) {
    QDir().mkpath(shots_);
    app_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app_.start(latiflex_, {});
    if (!app_.waitForStarted()) throw StepFailed("cannot start " + latiflex_.toStdString());
    std::size_t begin = 0;
    for (const Command& command : commands) {
        const QString what = command.click.isEmpty() ? QStringLiteral("start") : command.click;
        std::cout << "step " << step_ << ": " << what.toStdString() << std::endl;
        if (!command.click.isEmpty()) clickOn(command.click);
        std::vector<Response> responses = command.responses;
        for (std::size_t i = begin; i < command.logLines; ++i)
            respond(log[i], responses);
        begin = command.logLines;
        if (ended_) break;
        // The notes window, checked when it came, stands over the main window.
        if (!desktop_.isShown(notesTitle)) {
            lookUntil(desktop_.waitFor(mainTitle), what,
                      [this](const Shot& shot) { return checkMain(shot); });
            panes_.insert_or_assign(QFileInfo(file(what)).fileName(), model_);
        }
        ++step_;
    }
    if (app_.state() != QProcess::NotRunning) {
        app_.kill();
        app_.waitForFinished();
    }
    return failures_;
}

// At scale 2 text must be drawn at the finer resolution, not enlarged: its share of fully
// inked pixels is at least that at scale 1, and above that of the scale-1 picture enlarged.
int compareSharpness(const QString& coarse, const QString& fine, double scale,
                     const PaneModel& pane, const QRectF& area) {
    const QImage one = QImage(coarse).copy(area.toRect());
    const QImage two =
        QImage(fine).copy(QRectF(area.topLeft() * scale, area.size() * scale).toRect());
    const QImage enlarged = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QColor background = pane.background();
    std::vector<QColor> inks;
    for (const Ink& ink : pane.inks())
        inks.push_back(ink.colour);
    const double s1 = fullInkShare(one, background, inks);
    const double s2 = fullInkShare(two, background, inks);
    const double sUp = fullInkShare(enlarged, background, inks);
    std::cout << "sharpness: fully inked " << s1 << " at scale 1, " << s2 << " at scale " << scale
              << ", " << sUp << " enlarged\n";
    return s2 >= s1 * 0.9 && s2 > sUp * 1.1 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOptions({
        {"latiflex", "The program to drive.", "path"},
        {"transcript", "The transcript driver, to cut the log into commands.", "path"},
        {"script", "The golden script.", "path"},
        {"log", "Its golden log.", "path"},
        {"shots", "Where the screenshots go.", "dir"},
        {"sharper-than", "A screenshot of the same step at scale 1.", "file"},
        {"window-manager", "A window manager runs: check that message boxes show whole titles."},
    });
    options.process(app);
    // Qt reads the same variable, so the program and this look at the same scale.
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    const double scale = factor > 0 ? factor : 1.0;
    try {
        const std::vector<std::string> script = readLines(options.value("script"));
        const std::vector<std::string> logText = readLines(options.value("log"));
        std::vector<Command> commands = commandsOf(script);
        for (Command& c : commands)
            c.logLines = logLength(options.value("transcript"), script, c.scriptLines, logText);
        std::ifstream logFile(options.value("log").toStdString());
        const std::vector<LogLine> log = readLog(logFile);

        Tour tour(options.value("latiflex"), options.value("shots"), scale,
                  options.isSet("window-manager"));
        int failures = tour.play(commands, log);
        if (options.isSet("sharper-than")) {
            const QString coarse = options.value("sharper-than");
            const QString name = QFileInfo(coarse).fileName();
            const PaneModel* pane = tour.paneAt(name);
            failures += pane ? compareSharpness(coarse, options.value("shots") + '/' + name, scale,
                                                *pane, tour.paneArea())
                             : 1;
        }
        std::cout << (failures ? "FAILED" : "passed") << " at scale " << scale << '\n';
        return failures ? 1 : 0;
    } catch (const std::exception& e) {
        std::cout << "FAIL: " << e.what() << '\n';
        return 1;
    }
}
