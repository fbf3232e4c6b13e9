#include "ball_painter.h"

#include "ball_colours.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace lumbra::art {

namespace {

const QRectF unit_circle(-1, -1, 2, 2);

}  // namespace

void paint_contact_shadow(QPainter& painter, const BallPose& pose)
{
    painter.save();
    const qreal height = std::clamp(pose.lift / 5.0, 0.0, 1.0);
    const qreal half_width = pose.radius_x * (0.95 - 0.25 * height);
    const qreal strength = (1.0 - 0.55 * height) * std::min(1.0, pose.radius_x / ball_radius + 0.3);
    painter.translate(pose.centre.x() + 1.0, floor_y);
    painter.scale(half_width, std::max(1.2, half_width * 0.3));
    QRadialGradient shade(QPointF(0, 0), 1.0);
    shade.setColorAt(0.0, QColor(0, 0, 0, int(120 * strength)));
    shade.setColorAt(0.45, QColor(0, 0, 0, int(70 * strength)));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(unit_circle);
    painter.restore();
}

void paint_ball_body(QPainter& painter, const QColor& base)
{
    QRadialGradient body(QPointF(0, 0), 1.0, QPointF(-0.38, -0.45));
    body.setColorAt(0.0, mix(base, Qt::white, 0.55));
    body.setColorAt(0.30, mix(base, Qt::white, 0.12));
    body.setColorAt(0.62, base);
    body.setColorAt(0.90, mix(base, Qt::black, 0.45));
    body.setColorAt(1.0, mix(base, Qt::black, 0.62));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(unit_circle);
}

void paint_ball_gloss(QPainter& painter)
{
    painter.save();
    QPainterPath circle;
    circle.addEllipse(unit_circle);
    painter.setClipPath(circle, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);

    // Light thrown back from the floor brightens the lower edge a little.
    QRadialGradient bounce(QPointF(0.1, 1.05), 0.75);
    bounce.setColorAt(0.0, QColor(255, 255, 255, 70));
    bounce.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(bounce);
    painter.drawEllipse(unit_circle);

    // The glossy window of the light source.
    painter.save();
    painter.translate(-0.34, -0.5);
    painter.rotate(-32);
    QRadialGradient gloss(QPointF(0, 0), 1.0);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 235));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 120));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.scale(0.46, 0.28);
    painter.setBrush(gloss);
    painter.drawEllipse(unit_circle);
    painter.restore();

    // A sharp glint in it.
    QRadialGradient glint(QPointF(-0.40, -0.52), 0.13);
    glint.setColorAt(0.0, QColor(255, 255, 255, 255));
    glint.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(glint);
    painter.drawEllipse(QPointF(-0.40, -0.52), 0.13, 0.13);
    painter.restore();

    // A thin dark edge keeps the ball apart from the tile.
    painter.save();
    QPen edge(QColor(0, 0, 0, 90), 0.05);
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(-0.975, -0.975, 1.95, 1.95));
    painter.restore();
}

void paint_ball(QPainter& painter, const BallPose& pose, const BallLayer& body, const BallLayer& mark)
{
    paint_contact_shadow(painter, pose);
    painter.save();
    painter.translate(pose.centre);
    painter.scale(pose.radius_x, pose.radius_y);
    body(painter);
    if (mark)
        mark(painter);
    paint_ball_gloss(painter);
    painter.restore();
}

void paint_resting_ball(QPainter& painter, QPointF centre, qreal radius, const QColor& base)
{
    const BallPose pose = ball_pose(5);
    const qreal scale = radius / ball_radius;
    painter.save();
    painter.translate(centre - pose.centre * scale);
    painter.scale(scale, scale);
    paint_ball(painter, pose, [&base](QPainter& p) { paint_ball_body(p, base); });
    painter.restore();
}

}  // namespace lumbra::art
