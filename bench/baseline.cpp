// The floor: a bare Qt Widgets program that shows one message box.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("BASELINE"), QStringLiteral("Hallo"),
                    QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? 0 : 1;
}
