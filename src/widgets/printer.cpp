// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/printer.h"

#include <QCoreApplication>
#include <QLibrary>

namespace latiflex {

namespace {

using MitDialog = int (*)(QWidget*, const QString&, const QString&, QString*);

struct Modul {
    MitDialog mitDialog = nullptr;
    QString fehler;
};

// Beside the program in the build tree, under lib/latiflex when installed, else wherever the
// loader looks (the tests name the build tree there).
const Modul& modul() {
    static const Modul geladen = [] {
        Modul m;
        const QString hier = QCoreApplication::applicationDirPath();
        const QString orte[] = {
            hier + QStringLiteral("/liblatiflex_druck.so"),
            hier + QStringLiteral("/../" LATIFLEX_MODULDIR "/liblatiflex_druck.so"),
            QStringLiteral("latiflex_druck")};
        for (const QString& ort : orte) {
            QLibrary bibliothek(ort);
            if (!bibliothek.load()) {
                m.fehler = bibliothek.errorString();
                continue;
            }
            m.mitDialog = reinterpret_cast<MitDialog>(bibliothek.resolve("latiflexMitDialog"));
            if (m.mitDialog) return m;
            m.fehler = bibliothek.errorString();
        }
        return m;
    }();
    return geladen;
}

bool fehlt(const Modul& m, QString* fehler) {
    if (m.mitDialog) return false;
    if (fehler)
        *fehler =
            QStringLiteral("Drucken ist nicht möglich: das Druckmodul fehlt (%1).").arg(m.fehler);
    return true;
}

} // namespace

bool Printer::mitDialog(QWidget* parent, const QString& html, const QString& name, QString* fehler,
                        QString* datei) {
    const Modul& m = modul();
    if (fehlt(m, fehler)) return false;
    const int ergebnis = m.mitDialog(parent, html, name, datei);
    if (ergebnis < 0 && fehler)
        *fehler = QStringLiteral("Drucken ist nicht gelungen: der Drucker oder die Datei "
                                 "hat nichts angenommen.");
    return ergebnis > 0;
}

} // namespace latiflex
