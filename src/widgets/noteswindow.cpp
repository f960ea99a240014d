// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/noteswindow.h"

#include "shell/steuerelemente.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace latiflex {

NotesWindow::NotesWindow() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("LATIFLEX2"));

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setGeometry(twipsRect(*this, 1680, 840, 7935, 3015));
    // Tab leaves the notes for the button; Escape goes back as ZURÜCK does.
    text1_->setTabChangesFocus(true);

    const Steuerelement& zurueck = *steuerelement("Command1");
    command1_ = new QPushButton(
        QString::fromUtf8(zurueck.caption.data(), qsizetype(zurueck.caption.size())), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(
        twipsRect(*this, zurueck.left, zurueck.top, zurueck.width, zurueck.height));
    setTabOrder(text1_, command1_);
    auto* zurueckTaste = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(zurueckTaste, &QShortcut::activated, command1_, &QPushButton::click);

    // The designed client area (4680 x 3195 twips) hides most of its own controls, so the
    // window opens large enough for both, with the text box's left margin to its right and
    // a small margin below the button.
    resize(twipsRect(*this, 0, 0, 1680 + 7935 + 1680, 7080 + 495 + 360).size());
}

void NotesWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A screen too small for the designed window (a large scale) makes it lower: the button
    // moves up into the empty band below the text box, so that it stays in view.
    const Steuerelement& zurueck = *steuerelement("Command1");
    QRect knopf = twipsRect(*this, zurueck.left, zurueck.top, zurueck.width, zurueck.height);
    const int rand = twipsRect(*this, 0, 0, 0, 360).height();
    const int hoechstens = height() - rand - knopf.height();
    if (hoechstens < knopf.top())
        knopf.moveTop(std::max(hoechstens, text1_->geometry().bottom() + rand));
    command1_->setGeometry(knopf);
}

void NotesWindow::setText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text1_->setPlainText(lines);
}

} // namespace latiflex
