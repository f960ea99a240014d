// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <chrono>
#include <stdexcept>

namespace latiflex::e2e {

/// A step that could not be done: a window that did not come or did not go, a tool that failed.
struct StepFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/**
 * The X display as a user meets it, driven through xdotool: windows are found by their
 * names, keys go to the window that has the focus, the pointer clicks at screen positions.
 * Without a window manager every top-level window is a child of the root with no frame.
 */
class Desktop {
public:
    using Window = unsigned long;

    /// The visible window named exactly `title`, once it is there.
    Window waitFor(const QString& title,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    /// Waits until no visible window is named `title`.
    void waitGone(const QString& title,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    /// Waits until `window` (named `title`) is no longer shown; the next dialog may have the
    /// same name.
    void waitGone(const QString& title, Window window,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    bool isShown(const QString& title) const;

    /// Position and size on the screen, in device pixels.
    QRect geometry(Window window) const;
    QString name(Window window) const;

    void focus(Window window) const;
    void type(const QString& text) const;
    void key(const QString& keys) const;
    void click(QPoint screen) const;

    QImage grab(Window window) const;

private:
    QStringList windows(const QString& title) const;
    QString xdotool(const QStringList& args, bool mayFail = false) const;
};

} // namespace latiflex::e2e
