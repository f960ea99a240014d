// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace latiflex {

/**
 * Loads Qt's own German translations (`qtbase_de` from Qt's translations folder) into
 * `app`, whatever the user's locale: the program speaks German, so the texts Qt draws
 * itself (the colour dialog, the context menus of text fields) must too. Returns whether
 * they were found.
 */
bool installQtDeutsch(QCoreApplication& app);

} // namespace latiflex
