// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ueberwindow.h"

#include "dictionary/woerterbuch.h"
#include "shell/ueber.h"
#include "widgets/qtext.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace latiflex {

UeberWindow::UeberWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), text_(new QLabel(this)),
      schliessen_(new QPushButton(QStringLiteral("Schließen"), this)) {
    setObjectName(QStringLiteral("ueber"));
    setWindowTitle(QStringLiteral("Über LATIFLEX"));
    text_->setObjectName(QStringLiteral("ueberText"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setText(qtext(ueberText(woerterbuch::installiertes())));
    schliessen_->setObjectName(QStringLiteral("schliessen"));
    connect(schliessen_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(schliessen_, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(knoepfe);
    // A line of text as wide as a page: the licence sentences wrap, but not after each word.
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
    schliessen_->setFocus();
}

} // namespace latiflex
