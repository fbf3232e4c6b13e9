#include "icon_painter.h"

#include "ball_colours.h"
#include "ball_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <utility>

namespace lumbra::art {

namespace {

struct IconBall {
    QPointF centre;  // on the 64 x 64 grid
    qreal radius;
    int colour;
};

// Green and blue behind, red in front.
const IconBall icon_balls[] = {{QPointF(20, 24), 13, 1}, {QPointF(44, 24), 13, 2}, {QPointF(32, 38), 18, 0}};

}  // namespace

void paint_icon(QPainter& painter, int size)
{
    painter.save();
    painter.scale(size / 64.0, size / 64.0);  // drawn on a 64 x 64 grid
    if (size < 32) {
        paint_resting_ball(painter, QPointF(32, 31), 29, ball_colours()[0].base);
        painter.restore();
        return;
    }
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QLinearGradient slate(0, 2, 0, 62);
    slate.setColorAt(0.0, QColor(0x4a, 0x5a, 0x78));
    slate.setColorAt(1.0, QColor(0x1c, 0x24, 0x38));
    painter.setPen(QPen(QColor(0x10, 0x14, 0x20), 1.5));
    painter.setBrush(slate);
    painter.drawPath(tile);
    for (const IconBall& ball : icon_balls)
        paint_resting_ball(painter, ball.centre, ball.radius, ball_colours()[ball.colour].base);
    painter.restore();
}

namespace {

// The body gradient of paint_ball_body as an SVG radial gradient.
QString svg_ball_gradient(const QString& id, const QColor& base)
{
    const std::pair<double, QColor> stops[] = {{0.0, mix(base, Qt::white, 0.55)}, {0.30, mix(base, Qt::white, 0.12)},
                                               {0.62, base},
                                               {0.90, mix(base, Qt::black, 0.45)},
                                               {1.0, mix(base, Qt::black, 0.62)}};
    QString out = QStringLiteral("    <radialGradient id=\"%1\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\" fx=\"0.31\" fy=\"0.275\">\n").arg(id);
    for (const auto& [offset, colour] : stops)
        out += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n").arg(offset).arg(colour.name());
    return out + QStringLiteral("    </radialGradient>\n");
}

// A ball as paint_icon places it: shadow, body, gloss.
QString svg_ball(const QString& id, double x, double y, double r)
{
    return QStringLiteral("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"url(#shadow)\"/>\n"
                          "  <circle cx=\"%5\" cy=\"%6\" r=\"%7\" fill=\"url(#%8)\"/>\n"
                          "  <ellipse cx=\"%9\" cy=\"%10\" rx=\"%11\" ry=\"%12\" transform=\"rotate(-32 %9 %10)\" fill=\"url(#gloss)\"/>\n")
        .arg(x + r / 15.0).arg(y + r).arg(r * 0.95).arg(r * 0.3)
        .arg(x).arg(y).arg(r).arg(id)
        .arg(x - 0.34 * r).arg(y - 0.5 * r).arg(0.46 * r).arg(0.28 * r);
}

}  // namespace

QByteArray icon_svg()
{
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
        "  <defs>\n"
        "    <linearGradient id=\"slate\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        "      <stop offset=\"0\" stop-color=\"#4a5a78\"/><stop offset=\"1\" stop-color=\"#1c2438\"/>\n"
        "    </linearGradient>\n"
        "    <radialGradient id=\"shadow\"><stop offset=\"0\" stop-color=\"#000\" stop-opacity=\"0.47\"/>"
        "<stop offset=\"0.45\" stop-color=\"#000\" stop-opacity=\"0.27\"/><stop offset=\"1\" stop-color=\"#000\" stop-opacity=\"0\"/></radialGradient>\n"
        "    <radialGradient id=\"gloss\"><stop offset=\"0\" stop-color=\"#fff\" stop-opacity=\"0.92\"/>"
        "<stop offset=\"0.5\" stop-color=\"#fff\" stop-opacity=\"0.47\"/><stop offset=\"1\" stop-color=\"#fff\" stop-opacity=\"0\"/></radialGradient>\n");
    for (int index : {0, 1, 2})
        svg += svg_ball_gradient(ball_colours()[index].name, ball_colours()[index].base);
    svg += QStringLiteral(
        "  </defs>\n"
        "  <rect x=\"2\" y=\"2\" width=\"60\" height=\"60\" rx=\"12\" fill=\"url(#slate)\" stroke=\"#101420\" stroke-width=\"1.5\"/>\n");
    for (const auto& ball : icon_balls)
        svg += svg_ball(ball_colours()[ball.colour].name, ball.centre.x(), ball.centre.y(), ball.radius);
    return (svg + QStringLiteral("</svg>\n")).toUtf8();
}

}  // namespace lumbra::art
