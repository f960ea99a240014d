// SPDX-License-Identifier: GPL-3.0-or-later
// The floor: a bare Qt Widgets program in German that shows one message box.
#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("BASELINE"), QStringLiteral("Hallo"),
                    QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? 0 : 1;
}
