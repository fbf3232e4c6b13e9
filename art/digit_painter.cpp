#include "digit_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <array>
#include <cassert>

namespace lumbra::art {

namespace {

// Segments a..g, clockwise from the top, then the middle one.
enum Segment { a, b, c, d, e, f, g };

// Which segments each digit lights, bit n for segment n.
constexpr std::array<unsigned, 10> lit_segments{
    0b0111111,  // 0: a b c d e f
    0b0000110,  // 1: b c
    0b1011011,  // 2: a b d e g
    0b1001111,  // 3: a b c d g
    0b1100110,  // 4: b c f g
    0b1101101,  // 5: a c d f g
    0b1111101,  // 6: a c d e f g
    0b0000111,  // 7: a b c
    0b1111111,  // 8
    0b1101111,  // 9: a b c d f g
};

constexpr qreal left = 7.5, right = 22.5, top = 6.5, bottom = 38.5;
constexpr qreal middle = (top + bottom) / 2;
constexpr qreal thickness = 3.4;
constexpr qreal gap = 0.7;

// A segment with pointed ends between two points on one line.
QPainterPath bar(QPointF from, QPointF to)
{
    const qreal h = thickness / 2;
    QPolygonF points;
    if (from.y() == to.y()) {
        const qreal x0 = from.x() + gap, x1 = to.x() - gap, y = from.y();
        points << QPointF(x0, y) << QPointF(x0 + h, y - h) << QPointF(x1 - h, y - h) << QPointF(x1, y)
               << QPointF(x1 - h, y + h) << QPointF(x0 + h, y + h);
    } else {
        const qreal y0 = from.y() + gap, y1 = to.y() - gap, x = from.x();
        points << QPointF(x, y0) << QPointF(x + h, y0 + h) << QPointF(x + h, y1 - h) << QPointF(x, y1)
               << QPointF(x - h, y1 - h) << QPointF(x - h, y0 + h);
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    // Real displays lean their digits a little to the right.
    QTransform lean;
    lean.translate(0, middle);
    lean.shear(-0.07, 0);
    lean.translate(0, -middle);
    return lean.map(path);
}

QPainterPath segment_path(Segment segment)
{
    switch (segment) {
    case a: return bar({left, top}, {right, top});
    case b: return bar({right, top}, {right, middle});
    case c: return bar({right, middle}, {right, bottom});
    case d: return bar({left, bottom}, {right, bottom});
    case e: return bar({left, middle}, {left, bottom});
    case f: return bar({left, top}, {left, middle});
    case g: return bar({left, middle}, {right, middle});
    }
    return {};
}

void paint_panel(QPainter& painter)
{
    const QRectF whole(0, 0, digit_size.width(), digit_size.height());
    QLinearGradient glass(0, 0, 0, digit_size.height());
    glass.setColorAt(0.0, QColor(0x22, 0x1c, 0x14));
    glass.setColorAt(0.5, QColor(0x12, 0x0e, 0x0a));
    glass.setColorAt(1.0, QColor(0x1a, 0x15, 0x10));
    painter.fillRect(whole, glass);
    // The bezel above and below the glass.
    painter.fillRect(QRectF(0, 0, digit_size.width(), 1.5), QColor(0x50, 0x50, 0x54));
    painter.fillRect(QRectF(0, digit_size.height() - 1.5, digit_size.width(), 1.5), QColor(0xe8, 0xe8, 0xea));
}

}  // namespace

void paint_digit(QPainter& painter, int digit)
{
    assert(digit >= 0 && digit <= 9);
    painter.save();
    paint_panel(painter);
    painter.setPen(Qt::NoPen);
    for (int s = a; s <= g; ++s) {
        const QPainterPath path = segment_path(Segment(s));
        if (!(lit_segments[digit] & (1u << s))) {
            painter.setBrush(QColor(0x3c, 0x2c, 0x12));
            painter.drawPath(path);
            continue;
        }
        painter.setPen(QPen(QColor(255, 170, 30, 70), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);  // the glow around a lit segment
        painter.setPen(Qt::NoPen);
        QLinearGradient light(0, top, 0, bottom);
        light.setColorAt(0.0, QColor(0xff, 0xe0, 0x70));
        light.setColorAt(1.0, QColor(0xff, 0xa8, 0x18));
        painter.setBrush(light);
        painter.drawPath(path);
    }
    // A faint reflection across the upper glass.
    QLinearGradient sheen(0, 0, 0, digit_size.height() / 2.0);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 28));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(0, 1.5, digit_size.width(), digit_size.height() / 2.0), sheen);
    painter.restore();
}

}  // namespace lumbra::art
