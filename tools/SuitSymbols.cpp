#include "tools/SuitSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

// Shapes are designed in a 100 x 100 box, point of view of a card held upright.

QPainterPath Heart() {
    QPainterPath path;
    path.moveTo(50, 96);
    path.cubicTo(40, 80, 4, 62, 4, 32);
    path.cubicTo(4, 13, 17, 4, 29, 4);
    path.cubicTo(40, 4, 48, 11, 50, 22);
    path.cubicTo(52, 11, 60, 4, 71, 4);
    path.cubicTo(83, 4, 96, 13, 96, 32);
    path.cubicTo(96, 62, 60, 80, 50, 96);
    path.closeSubpath();
    return path;
}

QPainterPath Diamond() {
    QPainterPath path;
    path.moveTo(50, 2);
    path.quadTo(66, 27, 87, 50);
    path.quadTo(66, 73, 50, 98);
    path.quadTo(34, 73, 13, 50);
    path.quadTo(34, 27, 50, 2);
    path.closeSubpath();
    return path;
}

// The flared foot under spades and clubs.
QPainterPath Stem() {
    QPainterPath path;
    path.moveTo(46.5, 62);
    path.cubicTo(46, 80, 41, 91, 31, 97);
    path.lineTo(69, 97);
    path.cubicTo(59, 91, 54, 80, 53.5, 62);
    path.closeSubpath();
    return path;
}

QPainterPath Spade() {
    QPainterPath path;
    path.moveTo(50, 3);
    path.cubicTo(56, 20, 96, 38, 96, 61);
    path.cubicTo(96, 77, 84, 85, 72, 85);
    path.cubicTo(63, 85, 56, 80, 52, 72);
    path.lineTo(48, 72);
    path.cubicTo(44, 80, 37, 85, 28, 85);
    path.cubicTo(16, 85, 4, 77, 4, 61);
    path.cubicTo(4, 38, 44, 20, 50, 3);
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    path.addPath(Stem());
    return path;
}

QPainterPath Club() {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(QPointF(50, 26), 22, 22);
    path.addEllipse(QPointF(26, 60), 22, 22);
    path.addEllipse(QPointF(74, 60), 22, 22);
    path.addEllipse(QPointF(50, 52), 12, 12);
    path.addPath(Stem());
    return path;
}

QPainterPath Star() {
    QPainterPath path;
    const double outer = 50;
    const double inner = outer * 0.382;
    const QPointF centre(50, 54);
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

}  // namespace

QImage DrawSymbolStrip(const TArtworkStrip& strip, int32_t scale) {
    const int w = strip.Width * scale;
    const int h = strip.Height * scale;
    QImage image(w * strip.Count, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    const QColor red(255, 0, 0);
    const QColor black(0, 0, 0);
    struct Entry {
        QPainterPath Shape;
        QColor Colour;
    };
    // Strip order: club, spade, heart, diamond, star.
    const Entry entries[] = {
        {Club(), black}, {Spade(), black}, {Heart(), red}, {Diamond(), red}, {Star(), black}};

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < strip.Count && i < 5; ++i) {
        // The 100-unit design box fills 92 % of the height, centred in the cell.
        const double unit = h * 0.92 / 100.0;
        painter.save();
        painter.translate(i * w + (w - 100 * unit) / 2, (h - 100 * unit) / 2);
        painter.scale(unit, unit);
        painter.setBrush(entries[i].Colour);
        painter.drawPath(entries[i].Shape);
        painter.restore();
    }
    return image;
}
