// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace latiflex {

/// The notes window `Form2`: the text box `Text1` and the button "ZURÜCK" (`Command1`).
class NotesWindow final : public QWidget {
    Q_OBJECT

public:
    NotesWindow();

    /// Replaces the text; line ends may be CR LF.
    void setText(const QString& text);
    QPlainTextEdit* text1() const { return text1_; }
    QPushButton* command1() const { return command1_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPlainTextEdit* text1_;
    QPushButton* command1_;
};

} // namespace latiflex
