// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

namespace latiflex::e2e {

namespace {

// An extended regular expression matching exactly `text`.
QString exactly(const QString& text) {
    QString pattern = QStringLiteral("^");
    for (QChar c : text) {
        if (QStringLiteral(".[]()*+?{}|^$\\").contains(c)) pattern += '\\';
        pattern += c;
    }
    return pattern + '$';
}

template <typename Done> bool poll(std::chrono::milliseconds timeout, Done done) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace

QString Desktop::xdotool(const QStringList& args, bool mayFail) const {
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
        throw StepFailed("xdotool " + args.join(' ').toStdString() + " did not finish");
    }
    if (process.exitCode() != 0 && !mayFail)
        throw StepFailed("xdotool " + args.join(' ').toStdString() +
                         " failed: " + process.readAllStandardError().toStdString());
    QString out = QString::fromUtf8(process.readAllStandardOutput());
    if (out.endsWith('\n')) out.chop(1); // window names may end in a blank
    return out;
}

QStringList Desktop::windows(const QString& title) const {
    const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--name"), exactly(title)},
                                  true);
    QStringList named;
    // xdotool matches names regardless of case; the title must match exactly.
    for (const QString& id : found.split('\n', Qt::SkipEmptyParts))
        if (name(id.toULong()) == title) named << id;
    return named;
}

bool Desktop::isShown(const QString& title) const { return !windows(title).isEmpty(); }

Desktop::Window Desktop::waitFor(const QString& title, std::chrono::milliseconds timeout) const {
    QStringList found;
    if (!poll(timeout, [&] { return !(found = windows(title)).isEmpty(); }))
        throw StepFailed("no window named \"" + title.toStdString() + "\" appeared");
    return found.first().toULong();
}

void Desktop::waitGone(const QString& title, std::chrono::milliseconds timeout) const {
    if (!poll(timeout, [&] { return windows(title).isEmpty(); }))
        throw StepFailed("the window named \"" + title.toStdString() + "\" did not close");
}

void Desktop::waitGone(const QString& title, Window window,
                       std::chrono::milliseconds timeout) const {
    if (!poll(timeout, [&] { return !windows(title).contains(QString::number(window)); }))
        throw StepFailed("the window named \"" + title.toStdString() + "\" did not close");
}

// From xwininfo: xdotool counts a window manager's frame offset twice.
QRect Desktop::geometry(Window window) const {
    QProcess process;
    process.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    if (!process.waitForFinished(5000) || process.exitCode() != 0)
        throw StepFailed("xwininfo failed on window " + std::to_string(window));
    QRect rect;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        const qsizetype at = line.indexOf(':');
        const QString key = line.left(at).trimmed();
        const int value = line.mid(at + 1).trimmed().toInt();
        if (key == QLatin1String("Absolute upper-left X")) rect.moveLeft(value);
        if (key == QLatin1String("Absolute upper-left Y")) rect.moveTop(value);
        if (key == QLatin1String("Width")) rect.setWidth(value);
        if (key == QLatin1String("Height")) rect.setHeight(value);
    }
    return rect;
}

QString Desktop::name(Window window) const {
    return xdotool({QStringLiteral("getwindowname"), QString::number(window)}, true);
}

void Desktop::focus(Window window) const {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
}

void Desktop::type(const QString& text) const {
    if (!text.isEmpty())
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("1"), text});
}

void Desktop::key(const QString& keys) const {
    xdotool(QStringList{QStringLiteral("key")} + keys.split(' '));
}

void Desktop::click(QPoint screen) const {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(screen.x()),
             QString::number(screen.y()), QStringLiteral("click"), QStringLiteral("1")});
}

QImage Desktop::grab(Window window) const {
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
        QImage::Format_RGB32);
}

} // namespace latiflex::e2e
