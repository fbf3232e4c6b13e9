#include "icon_painter.h"

#include "ball_colours.h"
#include "ball_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lumbra::art {

namespace {

// One ball of colour `index` at `centre` with `radius`, with its shadow.
void paint_icon_ball(QPainter& painter, QPointF centre, qreal radius, int index)
{
    const QColor base = ball_colours()[index].base;
    const qreal scale = radius / ball_radius;
    const BallPose pose = ball_pose(5);
    painter.save();
    painter.translate(centre - pose.centre * scale);
    painter.scale(scale, scale);
    paint_ball(painter, pose, [&base](QPainter& p) { paint_ball_body(p, base); });
    painter.restore();
}

}  // namespace

void paint_icon(QPainter& painter, int size)
{
    painter.save();
    painter.scale(size / 64.0, size / 64.0);  // drawn on a 64 x 64 grid
    if (size < 32) {
        paint_icon_ball(painter, QPointF(32, 31), 29, 0);
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
    paint_icon_ball(painter, QPointF(20, 24), 13, 1);   // green, behind
    paint_icon_ball(painter, QPointF(44, 24), 13, 2);   // blue, behind
    paint_icon_ball(painter, QPointF(32, 38), 18, 0);   // red, in front
    painter.restore();
}

QByteArray icon_svg()
{
    // Hand-written to match paint_icon: a slate tile and three glossy balls.
    return R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <defs>
    <linearGradient id="slate" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#4a5a78"/><stop offset="1" stop-color="#1c2438"/>
    </linearGradient>
    <radialGradient id="shadow"><stop offset="0" stop-color="#000" stop-opacity="0.45"/><stop offset="1" stop-color="#000" stop-opacity="0"/></radialGradient>
    <radialGradient id="gloss"><stop offset="0" stop-color="#fff" stop-opacity="0.92"/><stop offset="0.5" stop-color="#fff" stop-opacity="0.47"/><stop offset="1" stop-color="#fff" stop-opacity="0"/></radialGradient>
    <radialGradient id="red" cx="0.5" cy="0.5" r="0.5" fx="0.31" fy="0.275">
      <stop offset="0" stop-color="#ec9490"/><stop offset="0.3" stop-color="#dc3e36"/><stop offset="0.62" stop-color="#d8241c"/><stop offset="0.9" stop-color="#77140f"/><stop offset="1" stop-color="#520e0b"/>
    </radialGradient>
    <radialGradient id="green" cx="0.5" cy="0.5" r="0.5" fx="0.31" fy="0.275">
      <stop offset="0" stop-color="#9edb9e"/><stop offset="0.3" stop-color="#51c051"/><stop offset="0.62" stop-color="#3cb83c"/><stop offset="0.9" stop-color="#216521"/><stop offset="1" stop-color="#174617"/>
    </radialGradient>
    <radialGradient id="blue" cx="0.5" cy="0.5" r="0.5" fx="0.31" fy="0.275">
      <stop offset="0" stop-color="#94a2e8"/><stop offset="0.3" stop-color="#3e5ad5"/><stop offset="0.62" stop-color="#2444d0"/><stop offset="0.9" stop-color="#142572"/><stop offset="1" stop-color="#0e1a4f"/>
    </radialGradient>
  </defs>
  <rect x="2" y="2" width="60" height="60" rx="12" fill="url(#slate)" stroke="#101420" stroke-width="1.5"/>
  <ellipse cx="21" cy="36" rx="12" ry="3.6" fill="url(#shadow)"/>
  <circle cx="20" cy="24" r="13" fill="url(#green)"/>
  <ellipse cx="15.6" cy="17.5" rx="6" ry="3.6" transform="rotate(-32 15.6 17.5)" fill="url(#gloss)"/>
  <ellipse cx="45" cy="36" rx="12" ry="3.6" fill="url(#shadow)"/>
  <circle cx="44" cy="24" r="13" fill="url(#blue)"/>
  <ellipse cx="39.6" cy="17.5" rx="6" ry="3.6" transform="rotate(-32 39.6 17.5)" fill="url(#gloss)"/>
  <ellipse cx="33" cy="55" rx="17" ry="5" fill="url(#shadow)"/>
  <circle cx="32" cy="38" r="18" fill="url(#red)"/>
  <ellipse cx="25.9" cy="29" rx="8.3" ry="5" transform="rotate(-32 25.9 29)" fill="url(#gloss)"/>
</svg>
)svg";
}

}  // namespace lumbra::art
