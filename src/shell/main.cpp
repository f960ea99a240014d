#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    latiflex::MainWindow window;
    window.start();
    return QApplication::exec();
}
