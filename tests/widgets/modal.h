// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

namespace latiflex::testing {

/// Answers the next modal dialog of type D as soon as it is open, from a timer, so the
/// real dialog's exec() can run in a test.
template <typename D> void answerNext(std::function<void(D&)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(*dialog);
        }
    });
    timer->start(5);
}

} // namespace latiflex::testing
