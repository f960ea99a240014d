// SPDX-License-Identifier: GPL-3.0-or-later
// Text lesen's preparation sheet: the text with line numbers beside its vocabulary, printed
// as the worksheets are.
#include "shell/vorbereitung.h"
#include "widgets/printer.h"
#include "widgets/qtext.h"
#include "widgets/textablage.h"
#include "widgets/textlesenwindow.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace latiflex {

QString TextLesenWindow::vorbereitungsblatt() const {
    const std::string text = text_->toPlainText().toStdString();
    const QString titel = titel_->text().trimmed();
    return qtext(vorbereitung(titel.isEmpty() ? TextAblage::titelAus(text) : titel.toStdString(),
                              blattzeilen(text, *woerter_)));
}

void TextLesenWindow::vorbereitungDrucken() {
    QString fehler;
    if (!Printer::mitDialog(this, vorbereitungsblatt(), QStringLiteral("Vorbereitung"), &fehler) &&
        !fehler.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Vorbereitung drucken"), fehler);
}

} // namespace latiflex
