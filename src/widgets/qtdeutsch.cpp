// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/qtdeutsch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace latiflex {

bool installQtDeutsch(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace latiflex
