// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace latiflex::e2e {

namespace {

// Where a pixel lies between the background and a text colour: `t` 0 is background, 1 full
// colour; `off` how far (0..255) it strays from that line of shades.
struct Shade {
    double t = 0;
    double off = 255;
};

Shade shadeOf(QRgb pixel, QColor background, QColor colour) {
    const int p[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    const int b[3] = {background.red(), background.green(), background.blue()};
    const int c[3] = {colour.red(), colour.green(), colour.blue()};
    double num = 0, den = 0;
    for (int i = 0; i < 3; ++i) {
        num += double(p[i] - b[i]) * (c[i] - b[i]);
        den += double(c[i] - b[i]) * (c[i] - b[i]);
    }
    if (den == 0) return {};
    Shade s;
    s.t = num / den;
    s.off = 0;
    for (int i = 0; i < 3; ++i)
        s.off = std::max(s.off, std::abs(p[i] - (b[i] + s.t * (c[i] - b[i]))));
    return s;
}

int difference(QRgb pixel, QColor colour) {
    return std::max({std::abs(qRed(pixel) - colour.red()), std::abs(qGreen(pixel) - colour.green()),
                     std::abs(qBlue(pixel) - colour.blue())});
}

int luma(QRgb pixel) { return qGray(pixel); }

constexpr int backgroundTolerance = 16;
constexpr double offTolerance = 48;
constexpr double fullInk = 0.7;

QString where(QPointF p) {
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 1).arg(p.y(), 0, 'f', 1);
}

bool visible(const Ink& ink, QColor background) {
    return ink.colour != background && !ink.text.trimmed().isEmpty();
}

// Bounding box and mask of dark pixels.
struct Mask {
    QImage bits;
    QRect box;
};

Mask darkMask(const QImage& image) {
    Mask mask{QImage(image.size(), QImage::Format_Grayscale8), {}};
    mask.bits.fill(0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (luma(image.pixel(x, y)) < 110) {
                mask.bits.setPixel(x, y, 255);
                mask.box |= QRect(x, y, 1, 1);
            }
    return mask;
}

// Share of the dark pixels of `a` and `b`, aligned at their boxes' top-left corners, that
// only one of them has.
double mismatch(const Mask& a, const Mask& b) {
    int either = 0, one = 0;
    const int w = std::max(a.box.width(), b.box.width());
    const int h = std::max(a.box.height(), b.box.height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QPoint pa = a.box.topLeft() + QPoint(x, y);
            const QPoint pb = b.box.topLeft() + QPoint(x, y);
            const bool inA = a.bits.valid(pa) && qGray(a.bits.pixel(pa)) > 0;
            const bool inB = b.bits.valid(pb) && qGray(b.bits.pixel(pb)) > 0;
            either += inA || inB;
            one += inA != inB;
        }
    return either ? double(one) / either : 1;
}

} // namespace

QRgb Shot::at(QPointF logical) const {
    const QPoint p(int(std::floor(logical.x() * scale)), int(std::floor(logical.y() * scale)));
    return image.valid(p) ? image.pixel(p) : qRgb(0, 0, 0);
}

QRect Shot::device(const QRectF& logical) const {
    return QRectF(logical.topLeft() * scale, logical.size() * scale).toAlignedRect() & image.rect();
}

QStringList checkPane(const Shot& shot, const QRectF& area, const PaneModel& model) {
    QStringList problems;
    const QColor background = model.background();
    const QRect device = shot.device(area);
    std::vector<QRectF> boxes; // each text's box in window coordinates, a little wider
    std::vector<int> fullPixels(model.inks().size(), 0);
    for (const Ink& ink : model.inks())
        boxes.push_back(ink.box.translated(area.topLeft()).adjusted(-1.5, -1, 1.5, 1) & area);

    int stray = 0, wrong = 0;
    QString firstStray, firstWrong;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            const QRgb pixel = shot.image.pixel(x, y);
            if (difference(pixel, background) <= backgroundTolerance) continue;
            const QPointF logical((x + 0.5) / shot.scale, (y + 0.5) / shot.scale);
            bool covered = false, shaded = false;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (!boxes[i].contains(logical)) continue;
                covered = true;
                const Shade s = shadeOf(pixel, background, model.inks()[i].colour);
                if (s.off > offTolerance || s.t < -0.1 || s.t > 1.15) continue;
                shaded = true;
                const QRectF tight = model.inks()[i].box.translated(area.topLeft());
                if (s.t >= fullInk && tight.contains(logical)) ++fullPixels[i];
            }
            if (!covered && stray++ == 0)
                firstStray = where(logical) + " " + QColor(pixel).name();
            else if (covered && !shaded && wrong++ == 0)
                firstWrong = where(logical) + " " + QColor(pixel).name();
        }
    }
    if (stray)
        problems << QStringLiteral("pane: %1 inked pixels where no text belongs, first at %2")
                        .arg(stray)
                        .arg(firstStray);
    if (wrong)
        problems << QStringLiteral("pane: %1 pixels of a text in a colour not its own, first at %2")
                        .arg(wrong)
                        .arg(firstWrong);
    // Nothing touches the right edge, unless the model has a text run past it.
    const bool cutAtEdge =
        std::any_of(model.inks().begin(), model.inks().end(), [&](const Ink& ink) {
            return visible(ink, background) && ink.box.right() > area.width() - 1;
        });
    for (int y = device.top(); y <= device.bottom() && !cutAtEdge; ++y)
        if (difference(shot.image.pixel(device.right(), y), background) > backgroundTolerance) {
            problems << QStringLiteral("pane: ink touches the right edge at %1")
                            .arg(where(QPointF(device.right(), y) / shot.scale));
            break;
        }
    for (std::size_t i = 0; i < model.inks().size(); ++i) {
        const Ink& ink = model.inks()[i];
        if (!visible(ink, background) || ink.box.left() + 2 > area.width()) continue;
        if (fullPixels[i] == 0)
            problems << QStringLiteral("pane: \"%1\" in %2 missing at %3")
                            .arg(ink.text, ink.colour.name(), where(ink.box.topLeft()));
    }
    return problems;
}

QStringList checkButton(const Shot& shot, const QRectF& rect, const QString& caption,
                        const QFont& font, QColor window) {
    QStringList problems;
    const QString name = QStringLiteral("button \"%1\": ").arg(caption);
    const QPointF centre = rect.center();
    const QPointF outside[] = {{rect.left() - 3, centre.y()},
                               {rect.right() + 3, centre.y()},
                               {centre.x(), rect.top() - 3},
                               {centre.x(), rect.bottom() + 3}};
    for (QPointF p : outside)
        if (difference(shot.at(p), window) > 6)
            problems << name + QStringLiteral("not the window's colour just outside it at ") +
                            where(p);
    const QPointF edges[] = {{rect.left() + 0.5, centre.y()},
                             {rect.right() - 0.5, centre.y()},
                             {centre.x(), rect.top() + 0.5},
                             {centre.x(), rect.bottom() - 0.5}};
    for (QPointF p : edges)
        if (luma(shot.at(p)) > qGray(window.rgb()) - 40)
            problems << name + QStringLiteral("no outline at ") + where(p);

    const QRectF inner = rect.adjusted(4, 4, -4, -4);
    const Mask seen = darkMask(shot.image.copy(shot.device(inner)));
    QImage drawn(shot.device(inner).size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    drawn.setDevicePixelRatio(shot.scale);
    {
        QPainter painter(&drawn);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(QPointF(0, 0), inner.size()), Qt::AlignCenter, caption);
    }
    const Mask expected = darkMask(drawn);
    if (seen.box.isEmpty()) return problems << name + QStringLiteral("no caption drawn");
    const QPointF shift = QRectF(seen.box).center() - QRectF(expected.box).center();
    const QSize grow = seen.box.size() - expected.box.size();
    const double differ = mismatch(seen, expected);
    if (std::abs(shift.x()) > 2.5 || std::abs(shift.y()) > 2.5 || std::abs(grow.width()) > 2 ||
        std::abs(grow.height()) > 2 || differ > 0.3)
        problems << name +
                        QStringLiteral("caption drawn differs: %1×%2 px at offset %3, %4 against "
                                       "%5×%6 px, %7 % of its pixels differ")
                            .arg(seen.box.width())
                            .arg(seen.box.height())
                            .arg(shift.x())
                            .arg(shift.y())
                            .arg(expected.box.width())
                            .arg(expected.box.height())
                            .arg(int(differ * 100));
    return problems;
}

double fullInkShare(const QImage& image, QColor background, const std::vector<QColor>& colours) {
    int inked = 0, full = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (difference(pixel, background) <= backgroundTolerance) continue;
            double best = 0;
            for (QColor c : colours) {
                const Shade s = shadeOf(pixel, background, c);
                if (s.off <= offTolerance) best = std::max(best, s.t);
            }
            if (best <= 0) continue;
            ++inked;
            full += best >= 0.9;
        }
    return inked ? double(full) / inked : 0;
}

} // namespace latiflex::e2e
