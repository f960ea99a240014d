// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a part of the screen as PNG, enlarged for OCR: shot FILE X Y W H SCALE.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 7) return 2;
    const auto n = [&](int i) { return QString::fromLocal8Bit(argv[i]).toInt(); };
    const QPixmap teil = QGuiApplication::primaryScreen()->grabWindow(0, n(2), n(3), n(4), n(5));
    const QPixmap gross =
        teil.scaled(teil.size() * n(6), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return gross.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
