// SPDX-License-Identifier: GPL-3.0-or-later
// hover: the labels and the hint line of the real latiflex, seen from outside. Starts the
// program under the X display it is given, answers its start-up, declines rosa and poema
// (typed with the genitive poematis) through the real prompts, rests the pointer on forms
// and checks what appears: a tooltip window naming the form's cell, the hint line in the
// band below the pane. A text is checked by the ink it leaves: its extent must match the
// expected German text drawn in the window's font. Exit status: the number of failures.
#include "desktop.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>

#include <iostream>
#include <thread>

using namespace latiflex::e2e;
using namespace std::chrono_literals;

namespace {

int failures = 0;

void check(bool ok, const QString& what) {
    std::cout << (ok ? "  ok   " : "  FAIL ") << what.toStdString() << std::endl;
    if (!ok) ++failures;
}

QString xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

void moveTo(QPoint p) {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(p.x()),
             QString::number(p.y())});
}

// The bounding box of the dark pixels: text drawn in the window's text colour.
QRect ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 110) box |= QRect(x, y, 1, 1);
    return box;
}

// The ink of `text` drawn in the window's font into `size`, as a label or tooltip draws it.
QRect expectedInk(const QString& text, QSize size, int flags) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(QGuiApplication::font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(), size), flags, text);
    return ink(image);
}

bool sameExtent(QRect seen, QRect expected) {
    return !seen.isEmpty() && std::abs(seen.width() - expected.width()) <= 3 &&
           std::abs(seen.height() - expected.height()) <= 3;
}

template <typename Done> bool within(std::chrono::milliseconds timeout, Done done) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    do {
        if (done()) return true;
        std::this_thread::sleep_for(100ms);
    } while (std::chrono::steady_clock::now() < until);
    return false;
}

// A visible window of the program that is not its main window: the tooltip.
QString tooltipWindow(const QString& main) {
    for (const QString& w : xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--class"), QStringLiteral("latiflex")})
                                .split('\n', Qt::SkipEmptyParts))
        if (w != main) return w;
    return {};
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: hover LATIFLEX\n";
        return 2;
    }
    QProcess latiflex;
    latiflex.start(QString::fromLocal8Bit(argv[1]), {});
    if (!latiflex.waitForStarted()) return 2;
    const Desktop d;
    const auto answer = [&](const QString& title, const QString& text) {
        const Desktop::Window w = d.waitFor(title);
        d.focus(w);
        d.type(text);
        d.key(QStringLiteral("Return"));
        d.waitGone(title, w);
    };
    try {
        answer(QStringLiteral("ADRESSE"), {});
        answer(QStringLiteral("WORTSTAMM"), QStringLiteral("9"));
        answer(QStringLiteral("ENDUNG"), QStringLiteral("12"));
        answer(QStringLiteral("WARNUNG"), {});
        const Desktop::Window main = d.waitFor(QStringLiteral("LATIFLEX 1 "));
        const QRect window = d.geometry(main);
        const auto px = [&](double twips) { return twips * window.width() / 11145.0; };
        const QRect band(qRound(px(840)), qRound(px(5850)), qRound(px(9255)), qRound(px(630)));
        const auto bandInk = [&] { return ink(d.grab(main).copy(band)); };
        check(within(3s, [&] { return bandInk().isEmpty(); }), "the hint line is empty at first");

        const auto subst = [&](const QString& n, const QString& g) {
            d.click(window.topLeft() + QPoint(qRound(px(8880 + 607)), qRound(px(240 + 247))));
            answer(QStringLiteral("1.Sg."), n);
            answer(QStringLiteral("2.Sg."), g);
        };
        // Where a form of the pane stands: its column and its top in twips, as printed.
        // A column is Arial's published average character width, 904 of its 2048 units.
        const QFont arial(QStringLiteral("Arial"), 12);
        const QFontMetricsF pane(arial);
        const qreal spalte = 904.0 / 2048.0 * QFontInfo(arial).pixelSize();
        const auto form = [&](int column, double top) {
            return window.topLeft() + QPoint(qRound(px(840) + 2 + (column - 1) * spalte + 8),
                                             qRound(px(360) + 2 + px(top) + pane.height() / 2));
        };
        const QPoint empty = window.topLeft() + QPoint(qRound(px(6000)), qRound(px(5000)));
        const auto noTooltip = [&] {
            moveTo(empty);
            return within(4s, [&] { return tooltipWindow(QString::number(main)).isEmpty(); });
        };
        const auto tooltip = [&](QPoint at, const QString& expected) {
            d.focus(main);
            noTooltip();
            moveTo(at);
            QString w;
            within(4s, [&] { return !(w = tooltipWindow(QString::number(main))).isEmpty(); });
            check(!w.isEmpty(), QStringLiteral("a tooltip appears over \"%1\"").arg(expected));
            if (w.isEmpty()) return;
            const QImage shot = d.grab(w.toULong());
            const QRect seen = ink(shot.copy(shot.rect().adjusted(2, 2, -2, -2)));
            const QRect drawn = expectedInk(expected, shot.size(), Qt::AlignCenter);
            check(sameExtent(seen, drawn),
                  QStringLiteral("it reads \"%1\" (ink %2×%3, drawn %4×%5)")
                      .arg(expected)
                      .arg(seen.width())
                      .arg(seen.height())
                      .arg(drawn.width())
                      .arg(drawn.height()));
        };

        subst(QStringLiteral("rosa"), QStringLiteral("rosae"));
        // The plural stands from 250 twips at column 25; its second row is the genitive.
        tooltip(form(25, 250 + 1440.0 * pane.height() / 96),
                QStringLiteral("rosarum – Genitiv Plural"));
        tooltip(form(5, 1440.0 * pane.height() / 96), QStringLiteral("rosa – Nominativ Singular"));
        check(noTooltip(), "no tooltip where no form stands");

        subst(QStringLiteral("poema"), QStringLiteral("poematis"));
        const QString warning = QStringLiteral(
            "»poematis«: als Gen. Sg. steht hier »poemae« – andere Klasse oder vertippt?");
        const QRect drawn = expectedInk(warning, band.size(), Qt::AlignLeft | Qt::AlignVCenter);
        QRect seen;
        const bool warns = within(3s, [&] { return sameExtent(seen = bandInk(), drawn); });
        check(warns, QStringLiteral("the hint line warns of poematis (ink %1×%2, drawn %3×%4)")
                         .arg(seen.width())
                         .arg(seen.height())
                         .arg(drawn.width())
                         .arg(drawn.height()));
    } catch (const StepFailed& e) {
        check(false, QString::fromStdString(e.what()));
    }
    latiflex.kill();
    latiflex.waitForFinished();
    return failures;
}
