// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfaces/prompt.h"
#include "widgets/lektionenwindow.h"
#include "widgets/lektionsfragen.h"
#include "widgets/qtext.h"

#include <QLabel>
#include <QStringList>

// The window's "Grundwortschatz hinzufügen…": a ready lesson of the core vocabulary chosen
// from a list and stored as the pupil's own.
namespace latiflex {

void LektionenWindow::grundwortschatzFragen() {
    const auto namen = lektionen_.grundwortschatzLektionen();
    if (namen.empty()) {
        grundwortschatzHinzufuegen({});
        return;
    }
    QStringList auswahl;
    for (const std::string& n : namen)
        auswahl << qtext(n);
    const auto name = lektionsfragen::fragen(
        this, QStringLiteral("Grundwortschatz hinzufügen"),
        QStringLiteral("Die %1 häufigsten Wörter des Wörterbuchs, je 50 in einer Lektion, die "
                       "häufigsten zuerst.\nWelche Lektion hinzufügen?")
            .arg(namen.size() * 50),
        {}, auswahl);
    if (name) grundwortschatzHinzufuegen(*name);
}

bool LektionenWindow::grundwortschatzHinzufuegen(const QString& name) {
    const auto import = lektionen_.grundwortschatz(name.toStdString());
    if (!import) {
        const std::string grund = Lektionen::grundwortschatzFehlt(name.toStdString());
        status_->setText(qtext(grund));
        melden(dialoge_, grund, "LEKTIONEN");
        return false;
    }
    const auto lektion = lektionen_.importieren(*import);
    aktualisieren();
    if (lektion) waehle(*lektion);
    melde(lektion ? QStringLiteral("Hinzugefügt: „%1“ mit %2 Wörtern.")
                        .arg(name)
                        .arg(import->woerter.size())
                  : QString());
    return lektion.has_value();
}

} // namespace latiflex
