// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/qtdialogs.h"

#include "widgets/fensterplatz.h"
#include "widgets/noteswindow.h"
#include "widgets/qtcolour.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include <algorithm>

namespace latiflex {

namespace {

QMessageBox::Icon iconFor(int style) {
    return style == exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
}

// The frame and title bar the outer size allows for; the window platform draws its own.
constexpr int rahmenBreite = 120;
constexpr int rahmenHoehe = 405;

} // namespace

// The title in the title-bar font, and room for the window's icon and three frame buttons,
// each about as wide as the bar is high, with their margins. Window managers draw titles
// bold, about a tenth wider than regular letters; the width is reckoned from the regular
// face so that the first message box does not load a second font file at start-up.
int titleBarWidth(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setPointSizeF(std::max(font.pointSizeF(), QApplication::font().pointSizeF()));
    const QFontMetrics metrics(font);
    const int fett = (metrics.horizontalAdvance(title) * 11 + 9) / 10;
    return fett + 6 * metrics.height();
}

QtDialogs::QtDialogs(QWidget* mainWindow) : mainWindow_(mainWindow) {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        fokus_ = QObject::connect(app, &QApplication::focusChanged, mainWindow_,
                                  [this](QWidget*, QWidget* jetzt) {
                                      if (jetzt) fokusIn(jetzt->window());
                                  });
}

QtDialogs::~QtDialogs() { QObject::disconnect(fokus_); }

void QtDialogs::fokusIn(QWidget* fenster) {
    // A box or prompt is no place to return to; a window of the main window's own is.
    if (fenster->isModal() || fenster->windowType() == Qt::Popup) return;
    for (QWidget* w = fenster; w; w = w->parentWidget())
        if (w == mainWindow_) {
            arbeitsfenster_ = fenster;
            return;
        }
}

QWidget* QtDialogs::parent() const {
    if (!mainWindow_->isVisible()) return nullptr;
    return arbeitsfenster_ && arbeitsfenster_->isVisible() ? arbeitsfenster_.data() : mainWindow_;
}

void QtDialogs::setOuterSize(int widthTwips, int heightTwips) {
    mainWindow_->resize(twipsToPixels(widthTwips - rahmenBreite, mainWindow_->logicalDpiX()),
                        twipsToPixels(heightTwips - rahmenHoehe, mainWindow_->logicalDpiY()));
}

std::string QtDialogs::inputBox(std::string_view message, std::string_view title) {
    QInputDialog prompt(parent());
    prompt.setInputMode(QInputDialog::TextInput);
    prompt.setWindowTitle(qtext(title));
    prompt.setLabelText(qtext(message));
    prompt.setOkButtonText(QStringLiteral("OK"));
    prompt.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (prompt.exec() != QDialog::Accepted) return {};
    return prompt.textValue().toStdString();
}

void QtDialogs::messageBox(std::string_view text, int style, std::string_view title) {
    QMessageBox box(iconFor(style), qtext(title), qtext(text), QMessageBox::Ok, parent());
    // The box sizes itself to its text; a layout item no narrower than the title keeps it
    // wide enough for the window manager to show the whole title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleBarWidth(box.windowTitle()), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    box.exec();
}

bool QtDialogs::question(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Question, qtext(title), qtext(text), QMessageBox::NoButton,
                    parent());
    box.setTextFormat(Qt::PlainText);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(nein);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleBarWidth(box.windowTitle()), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    box.exec();
    return box.clickedButton() == ja;
}

std::optional<Rgb> QtDialogs::chooseColour(Rgb initial) {
    const QColor chosen =
        QColorDialog::getColor(qcolour(initial), parent(), QStringLiteral("Farben"));
    if (!chosen.isValid()) return std::nullopt;
    return rgb(chosen);
}

void QtDialogs::showNotes() {
    if (!notes_) {
        notes_ = std::make_unique<NotesWindow>();
        QObject::connect(notes_->command1(), &QPushButton::clicked, notes_.get(), [this] {
            if (command1_) command1_();
        });
    }
    notes_->show();
    insBild(*notes_);
    notes_->raise();
    notes_->activateWindow();
}

void QtDialogs::setNotesText(std::string_view text) {
    if (notes_) notes_->setText(qtext(text));
}

void QtDialogs::hideNotes() {
    if (notes_) notes_->hide();
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

void QtDialogs::end() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::quit();
}

} // namespace latiflex
