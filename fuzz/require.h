// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>

/// A property every input must keep: breaking it ends the run, which libFuzzer reports
/// with the input that did it.
inline void require(bool holds) {
    if (!holds) std::abort();
}
