// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace latiflex {

class PaneWidget;

/**
 * The output pane as assistive technology sees it: read-only text, the forms in reading
 * order (shell/panereading.h), each character with its place on the screen and its colour,
 * so that a screen reader can read a paradigm and tell a stem from its ending.
 */
class PaneAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PaneAccessible(PaneWidget* pane);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    PaneWidget* pane() const;
    QString reading() const;
};

/// Makes Qt's accessibility use PaneAccessible for every PaneWidget (once per program).
void installPaneAccessible();

} // namespace latiflex
