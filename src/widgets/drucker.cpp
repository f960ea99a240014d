#include "widgets/drucker.h"

#include <QCoreApplication>
#include <QLibrary>

namespace latiflex {

namespace {

using MitDialog = int (*)(QWidget*, const QString&, const QString&);
using AlsPdf = bool (*)(const QString&, const QString&);

struct Modul {
    MitDialog mitDialog = nullptr;
    AlsPdf alsPdf = nullptr;
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
            m.alsPdf = reinterpret_cast<AlsPdf>(bibliothek.resolve("latiflexAlsPdf"));
            if (m.mitDialog && m.alsPdf) return m;
            m.fehler = bibliothek.errorString();
        }
        m.mitDialog = nullptr;
        m.alsPdf = nullptr;
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

bool Drucker::mitDialog(QWidget* parent, const QString& html, const QString& name,
                        QString* fehler) {
    const Modul& m = modul();
    if (fehlt(m, fehler)) return false;
    const int ergebnis = m.mitDialog(parent, html, name);
    if (ergebnis < 0 && fehler)
        *fehler = QStringLiteral("Drucken ist nicht gelungen: der Drucker oder die Datei "
                                 "hat nichts angenommen.");
    return ergebnis > 0;
}

bool Drucker::alsPdf(const QString& html, const QString& pfad, QString* fehler) {
    const Modul& m = modul();
    if (fehlt(m, fehler)) return false;
    if (m.alsPdf(html, pfad)) return true;
    if (fehler) *fehler = QStringLiteral("Die Datei %1 ließ sich nicht schreiben.").arg(pfad);
    return false;
}

} // namespace latiflex
