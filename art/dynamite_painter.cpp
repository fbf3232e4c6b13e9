#include "dynamite_painter.h"

#include "ball_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cassert>
#include <cmath>
#include <numbers>

namespace lumbra::art {

namespace {

constexpr qreal degrees = std::numbers::pi / 180.0;

// A star of `rays` points between two radii, turned by `turn` degrees.
QPainterPath burst(int rays, qreal outer, qreal inner, qreal turn, qreal wobble = 0)
{
    QPainterPath path;
    for (int i = 0; i < rays * 2; ++i) {
        qreal r = (i % 2 == 0) ? outer : inner;
        if (i % 4 == 2)
            r *= 1.0 - wobble;
        const qreal angle = (turn + 180.0 * i / rays) * degrees;
        const QPointF point(r * std::cos(angle), r * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void paint_spark(QPainter& painter, QPointF at, int frame)
{
    painter.save();
    painter.translate(at);
    QRadialGradient glow(QPointF(0, 0), 5.5);
    glow.setColorAt(0.0, QColor(255, 250, 210, 230));
    glow.setColorAt(0.4, QColor(255, 190, 60, 150));
    glow.setColorAt(1.0, QColor(255, 120, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(0, 0), 5.5, 5.5);
    const qreal size = 1.0 + 0.15 * ((frame * 7) % 3);
    painter.setBrush(QColor(255, 214, 80));
    painter.drawPath(burst(6, 4.2 * size, 1.3, frame * 23.0, 0.3));
    painter.setBrush(QColor(255, 255, 235));
    painter.drawEllipse(QPointF(0, 0), 1.4, 1.4);
    painter.restore();
}

void paint_stick(QPainter& painter, int frame)
{
    // Drawn lying along the x axis around the origin, then turned.
    constexpr qreal half_length = 12.5;
    constexpr qreal half_width = 5.2;
    painter.save();
    painter.rotate(-28);

    // The fuse leaves the left cap and curls up.
    QPainterPath fuse;
    const QPointF fuse_tip(-half_length + 3.0, -13.5);
    fuse.moveTo(-half_length + 0.5, -1.0);
    fuse.cubicTo(-half_length - 4.0, -3.0, -half_length - 3.0, -11.0, fuse_tip.x(), fuse_tip.y());
    painter.setPen(QPen(QColor(0x3a, 0x2c, 0x20), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(fuse);
    painter.setPen(QPen(QColor(0x8a, 0x74, 0x5a), 0.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(fuse.translated(-0.3, -0.3));

    const QRectF body(-half_length, -half_width, 2 * half_length, 2 * half_width);
    QLinearGradient round(0, -half_width, 0, half_width);
    round.setColorAt(0.0, QColor(0xff, 0x86, 0x70));
    round.setColorAt(0.25, QColor(0xe8, 0x30, 0x22));
    round.setColorAt(0.7, QColor(0xb0, 0x16, 0x10));
    round.setColorAt(1.0, QColor(0x5c, 0x08, 0x06));
    QPainterPath body_path;
    body_path.addRoundedRect(body, 2.2, 2.2);
    painter.setPen(QPen(QColor(0x4a, 0x06, 0x04), 0.7));
    painter.setBrush(round);
    painter.drawPath(body_path);

    // The paper label round the middle.
    QLinearGradient paper(0, -half_width, 0, half_width);
    paper.setColorAt(0.0, QColor(0xff, 0xf6, 0xdc));
    paper.setColorAt(0.3, QColor(0xf0, 0xe0, 0xb4));
    paper.setColorAt(1.0, QColor(0x9a, 0x86, 0x5c));
    painter.setPen(Qt::NoPen);
    painter.setBrush(paper);
    painter.drawRect(QRectF(-4.0, -half_width + 0.35, 8.0, 2 * half_width - 0.7));
    painter.setPen(QPen(QColor(0x5a, 0x10, 0x08), 0.9));
    for (qreal y : {-2.0, 0.0, 2.0})
        painter.drawLine(QPointF(-2.4, y), QPointF(2.4, y));

    // The shine along the top of the stick.
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-half_length + 2.5, -half_width + 1.8), QPointF(-5.5, -half_width + 1.8));
    painter.drawLine(QPointF(5.5, -half_width + 1.8), QPointF(half_length - 2.5, -half_width + 1.8));

    paint_spark(painter, fuse_tip, frame);
    painter.restore();
}

// Small pseudo-random numbers, the same on every build.
class Scatter {
public:
    explicit Scatter(unsigned seed) : state_(seed) {}
    qreal next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return qreal(state_ >> 8) / qreal(1u << 24);
    }

private:
    unsigned state_;
};

void paint_fireball(QPainter& painter, qreal radius, qreal heat, int alpha)
{
    QRadialGradient fire(QPointF(0, 0), radius);
    fire.setColorAt(0.0, QColor(255, 255, 240, alpha));
    fire.setColorAt(0.25 * heat, QColor(255, 236, 120, alpha));
    fire.setColorAt(0.55, QColor(255, 150, 30, alpha * 9 / 10));
    fire.setColorAt(0.8, QColor(220, 60, 20, alpha * 6 / 10));
    fire.setColorAt(1.0, QColor(160, 30, 10, 0));
    painter.setBrush(fire);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
}

void paint_smoke(QPainter& painter, Scatter& scatter, int puffs, qreal spread, qreal size, int alpha)
{
    for (int i = 0; i < puffs; ++i) {
        const qreal angle = (360.0 * i / puffs + 30.0 * scatter.next()) * degrees;
        const qreal distance = spread * (0.6 + 0.4 * scatter.next());
        const QPointF at(distance * std::cos(angle), distance * std::sin(angle) - 2.0);
        const qreal r = size * (0.7 + 0.5 * scatter.next());
        QRadialGradient puff(at - QPointF(r * 0.3, r * 0.3), r * 1.2);
        puff.setColorAt(0.0, QColor(0xb8, 0xb4, 0xae, alpha));
        puff.setColorAt(0.6, QColor(0x6c, 0x68, 0x64, alpha * 8 / 10));
        puff.setColorAt(1.0, QColor(0x40, 0x3c, 0x3a, 0));
        painter.setBrush(puff);
        painter.drawEllipse(at, r, r);
    }
}

void paint_embers(QPainter& painter, Scatter& scatter, int count, qreal from, qreal to, qreal size)
{
    for (int i = 0; i < count; ++i) {
        const qreal angle = 360.0 * scatter.next() * degrees;
        const qreal distance = from + (to - from) * scatter.next();
        const QPointF at(distance * std::cos(angle), distance * std::sin(angle));
        painter.setBrush(QColor(255, 200 + int(50 * scatter.next()), 90, 230));
        painter.drawEllipse(at, size, size);
    }
}

}  // namespace

void paint_dynamite(QPainter& painter, int frame)
{
    const BallPose pose = ball_pose(frame);
    BallPose shadow = pose;
    shadow.radius_x *= 0.85;
    paint_contact_shadow(painter, shadow);
    painter.save();
    painter.translate(pose.centre + QPointF(2.0, 2.5) * (pose.radius_y / ball_radius));
    painter.scale(pose.radius_x / ball_radius, pose.radius_y / ball_radius);
    paint_stick(painter, frame);
    painter.restore();
}

void paint_blast(QPainter& painter, int stage)
{
    assert(stage >= 0 && stage < blast_stage_count);
    painter.save();
    painter.setClipRect(QRectF(0, 0, 40, 40));
    painter.translate(20, 21);
    painter.setPen(Qt::NoPen);
    Scatter scatter(7u + unsigned(stage) * 131u);
    switch (stage) {
    case 0:  // the flash
        painter.setBrush(QColor(255, 200, 60, 200));
        painter.drawPath(burst(8, 15, 5, 10, 0.35));
        painter.setBrush(QColor(255, 250, 200, 240));
        painter.drawPath(burst(8, 9, 3.5, 32, 0.2));
        paint_fireball(painter, 8, 1.0, 255);
        break;
    case 1:  // the fireball
        painter.setBrush(QColor(255, 140, 30, 190));
        painter.drawPath(burst(11, 20, 11, 4, 0.25));
        paint_fireball(painter, 16, 1.2, 255);
        paint_embers(painter, scatter, 10, 14, 19, 0.9);
        break;
    case 2:  // fire breaking up into smoke
        paint_smoke(painter, scatter, 7, 10, 7, 200);
        paint_fireball(painter, 12, 0.8, 210);
        paint_embers(painter, scatter, 14, 12, 19, 0.8);
        break;
    default:  // the smoke clears
        paint_smoke(painter, scatter, 6, 13, 6, 120);
        paint_embers(painter, scatter, 5, 10, 18, 0.6);
        break;
    }
    painter.restore();
}

}  // namespace lumbra::art
