// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace latiflex {

class Dialogs;
class Form1;
class PaneWidget;

/**
 * The pane's context menu: "Kopieren", "Drucken…" and "Arbeitsblatt drucken…". It opens on
 * the right button, the keyboard's menu key and Shift+F10 while the pane has the focus; the
 * shortcuts work anywhere in the window. Entries stay disabled while the pane shows no
 * paradigm. Everything they take comes from the paradigm on view (`Form1::seiten()`), never
 * from the pane's pixels, and none of them changes the pane or the program's state.
 */
class PaneMenu final : public QObject {
    Q_OBJECT

public:
    /// The menu on `pane`, with its shortcuts on `fenster`, reading from `form`; a print
    /// that fails is reported through `dialoge`.
    PaneMenu(PaneWidget* pane, QWidget* fenster, Form1& form, Dialogs& dialoge);

    QMenu* menu() const { return menu_; }

    /**
     * Adds an entry below the others, with `kurz` as its shortcut anywhere in the window,
     * enabled only while a paradigm is on view like the entries already there.
     */
    QAction* eintrag(const QString& text, const QKeySequence& kurz, std::function<void()> tun);

    /// Adds `aktion` below a separator as it is: its shortcut and whether it is enabled stay
    /// its own ("Üben…" answers even before the first word).
    void anhaengen(QAction* aktion);

    /// "Kopieren": the page on view onto the clipboard, as tab-separated text and as HTML.
    void kopieren();
    /// "Drucken…": the page on view through the print dialog.
    void drucken();
    /// "Arbeitsblatt drucken…": stems with blanks for the endings, then the answer key.
    void arbeitsblattDrucken();

private:
    void zeigeMenu(const QPoint& stelle);
    void aktualisieren();

    PaneWidget* pane_;
    QWidget* fenster_;
    Form1& form_;
    Dialogs& dialoge_;
    QMenu* menu_;
    QList<QAction*> seitenAktionen_; // enabled only while a paradigm is on view
};

} // namespace latiflex
