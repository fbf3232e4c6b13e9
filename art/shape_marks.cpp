#include "shape_marks.h"

#include "ball_colours.h"

#include <QPainter>
#include <QPolygonF>

#include <array>
#include <cassert>
#include <cmath>
#include <numbers>

namespace lumbra::art {

namespace {

QPainterPath regular_polygon(int corners, qreal radius, qreal rotation_degrees, qreal inner_radius = 0)
{
    QPolygonF points;
    const int steps = inner_radius > 0 ? corners * 2 : corners;
    for (int i = 0; i < steps; ++i) {
        const qreal r = (inner_radius > 0 && i % 2 == 1) ? inner_radius : radius;
        const qreal angle = (rotation_degrees + 360.0 * i / steps) * std::numbers::pi / 180.0;
        points << QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// A ring rather than a disc, so it cannot pass for the square at 40 pixels.
QPainterPath ring()
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), 0.40, 0.40);
    path.addEllipse(QPointF(0, 0), 0.20, 0.20);
    return path;
}

QPainterPath triangle() { return regular_polygon(3, 0.46, -90).translated(0, 0.07); }

QPainterPath square()
{
    QPainterPath path;
    path.addRect(QRectF(-0.33, -0.33, 0.66, 0.66));
    return path;
}

QPainterPath star() { return regular_polygon(5, 0.52, -90, 0.22).translated(0, 0.03); }

QPainterPath diamond()
{
    QPainterPath path;
    path.addPolygon(QPolygonF{QPointF(0, -0.5), QPointF(0.36, 0), QPointF(0, 0.5), QPointF(-0.36, 0)});
    path.closeSubpath();
    return path;
}

QPainterPath cross()
{
    QPainterPath across, down;
    across.addRect(QRectF(-0.44, -0.13, 0.88, 0.26));
    down.addRect(QRectF(-0.13, -0.44, 0.26, 0.88));
    return across.united(down);
}

QPainterPath heart()
{
    QPainterPath path;
    path.moveTo(0, 0.44);
    path.cubicTo(-0.30, 0.20, -0.48, 0.02, -0.46, -0.16);
    path.cubicTo(-0.44, -0.38, -0.14, -0.46, 0, -0.22);
    path.cubicTo(0.14, -0.46, 0.44, -0.38, 0.46, -0.16);
    path.cubicTo(0.48, 0.02, 0.30, 0.20, 0, 0.44);
    path.closeSubpath();
    return path;
}

}  // namespace

QPainterPath shape_mark(int colour_index)
{
    using Maker = QPainterPath (*)();
    static constexpr std::array<Maker, ball_colour_count> makers{
        ring, triangle, square, star, diamond, cross, heart};
    assert(colour_index >= 0 && colour_index < ball_colour_count);
    return makers[colour_index]();
}

void engrave_mark(QPainter& painter, const QPainterPath& mark, const QColor& base)
{
    const bool light_ball = base.lightnessF() > 0.42;
    const QColor cut = light_ball ? mix(base, Qt::black, 0.72) : mix(base, Qt::white, 0.82);
    const QColor lip = light_ball ? QColor(255, 255, 255, 150) : QColor(0, 0, 0, 170);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(lip);
    painter.drawPath(mark.translated(0.05, 0.06));
    painter.setBrush(cut);
    painter.drawPath(mark);
    painter.restore();
}

}  // namespace lumbra::art
