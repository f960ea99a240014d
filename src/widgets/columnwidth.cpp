// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/columnwidth.h"

#include <QString>

#include <array>

namespace latiflex {

namespace {

struct Gewicht {
    char letter;
    int weight; // per thousand
};

// The weights of the OS/2 table's definition of xAvgCharWidth; they add up to 1000.
constexpr std::array<Gewicht, 27> gewichte{{
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20},  {'g', 14},
    {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20},  {'n', 56},
    {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71},  {'u', 31},
    {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166},
}};

constexpr int summe() {
    int sum = 0;
    for (const Gewicht& g : gewichte)
        sum += g.weight;
    return sum;
}
static_assert(summe() == 1000);

} // namespace

qreal columnWidth(const QFontMetricsF& metrics) {
    qreal sum = 0;
    for (const Gewicht& g : gewichte)
        sum += g.weight * metrics.horizontalAdvance(QChar(QLatin1Char(g.letter)));
    return sum / 1000;
}

} // namespace latiflex
