// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/fokusstil.h"
#include "widgets/mainwindow.h"
#include "widgets/qtdeutsch.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    latiflex::installQtDeutsch(app);
    // Where the keyboard is must be seen at a glance.
    latiflex::FokusStil::anwenden(app);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.latiflex"));
    latiflex::MainWindow window;
    window.start();
    return QApplication::exec();
}
