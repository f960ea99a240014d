// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/lektionsfragen.h"

#include "grammar/text.h"
#include "widgets/qtdialogs.h"
#include "widgets/qtext.h"

#include <QDir>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStandardPaths>

namespace latiflex::lektionsfragen {

namespace {

// Refused lines listed in the box; the rest are counted, and all stand in its details.
constexpr std::size_t gezeigteZeilen = 12;

} // namespace

std::optional<QString> fragen(QWidget* parent, const QString& titel, const QString& frage,
                              const QString& vorgabe, const QStringList& auswahl) {
    QInputDialog prompt(parent);
    prompt.setWindowTitle(titel);
    prompt.setLabelText(frage);
    if (auswahl.isEmpty()) {
        prompt.setInputMode(QInputDialog::TextInput);
        prompt.setTextValue(vorgabe);
    } else {
        prompt.setComboBoxItems(auswahl);
        prompt.setComboBoxEditable(false);
    }
    // The prompt sizes itself to its field (asking its size lays it out); a layout item no
    // narrower than the title keeps it wide enough for the window manager to show the title.
    static_cast<void>(prompt.sizeHint());
    if (QLayout* layout = prompt.layout())
        layout->addItem(new QSpacerItem(titleBarWidth(titel), 0));
    if (prompt.exec() != QDialog::Accepted) return std::nullopt;
    return prompt.textValue();
}

bool bestaetigt(QWidget* parent, const QString& titel, const QString& frage) {
    QMessageBox box(QMessageBox::Question, titel,
                    frage + QStringLiteral(" Das lässt sich nicht rückgängig machen."),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool gueltigeImportieren(QWidget* parent, const Lektionen::Import& import) {
    QString liste;
    QString alle;
    for (std::size_t i = 0; i < import.abgelehnt.size(); ++i) {
        const QString zeile = qtext(text::kurz(import.abgelehnt[i].text(), 120));
        alle += zeile + QLatin1Char('\n');
        if (i < gezeigteZeilen) liste += zeile + QLatin1Char('\n');
    }
    if (import.abgelehnt.size() > gezeigteZeilen)
        liste += QStringLiteral("… und %1 weitere (siehe Details)\n")
                     .arg(import.abgelehnt.size() - gezeigteZeilen);
    const bool keine = import.woerter.empty();
    QMessageBox frage(
        keine ? QMessageBox::Warning : QMessageBox::Question, QStringLiteral("Zeilen abgelehnt"),
        QStringLiteral("„%1“: %2 nicht übernommen werden:\n\n%3\n%4")
            .arg(qtext(text::kurz(import.name, 60)),
                 import.abgelehnt.size() == 1
                     ? QStringLiteral("1 Zeile kann")
                     : QStringLiteral("%1 Zeilen können").arg(import.abgelehnt.size()),
                 liste,
                 keine ? QStringLiteral("Keine Zeile der Datei ist gültig; nichts wird "
                                        "importiert.")
                 : import.woerter.size() == 1
                     ? QStringLiteral("Das gültige Wort importieren oder nichts?")
                     : QStringLiteral("Die %1 gültigen Wörter importieren oder nichts?")
                           .arg(import.woerter.size())),
        QMessageBox::NoButton, parent);
    frage.setTextFormat(Qt::PlainText);
    frage.setDetailedText(alle);
    // With no valid line there is nothing to choose: the box only closes.
    QPushButton* gueltige = keine ? nullptr
                                  : frage.addButton(QStringLiteral("&Gültige Zeilen importieren"),
                                                    QMessageBox::AcceptRole);
    auto* nichts = frage.addButton(keine ? QStringLiteral("&Schließen")
                                         : QStringLiteral("&Nichts importieren"),
                                   QMessageBox::RejectRole);
    frage.setDefaultButton(nichts);
    frage.exec();
    return gueltige && frage.clickedButton() == gueltige;
}

QString dateiName(const QString& name, const QString& anhang) {
    QString aus;
    for (QChar c : name) {
        if (aus.size() >= 40) break;
        if (c.isLetterOrNumber() && !c.isSurrogate())
            aus += c;
        else if (!aus.isEmpty() && !aus.endsWith(QLatin1Char('-')))
            aus += QLatin1Char('-');
    }
    while (aus.endsWith(QLatin1Char('-')))
        aus.chop(1);
    return (aus.isEmpty() ? QStringLiteral("lektion") : aus) + anhang;
}

QString dokumente() {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(ordner).exists() ? ordner : QDir::homePath();
}

} // namespace latiflex::lektionsfragen
