// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/woerterbuch.h"

namespace latiflex {

/// The installed Latin-German dictionary as the form analysis asks it (opened on the first
/// call); nullptr when it is not installed.
const analysis::Woerterbuch* bestimmenWoerterbuch();

} // namespace latiflex
