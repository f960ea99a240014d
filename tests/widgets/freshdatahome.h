// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>

#include <memory>

namespace latiflex::testing {

/// The lessons of a widget test in a folder of their own, never in the user's: `renew()`
/// (from a test's `init()`) points XDG_DATA_HOME to a new, empty temporary folder, so that
/// each test starts without lessons.
class FreshDataHome {
public:
    void renew() {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", dir_->path().toLocal8Bit());
    }
    /// The folder of the test now running.
    const QTemporaryDir& dir() const { return *dir_; }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

} // namespace latiflex::testing
