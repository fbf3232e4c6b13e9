#include "special_balls.h"

#include "ball_colours.h"
#include "ball_painter.h"
#include "shape_marks.h"
#include "text_paths.h"

#include <QConicalGradient>
#include <QPainter>
#include <QRadialGradient>

namespace lumbra::art {

namespace {

const QRectF unit_circle(-1, -1, 2, 2);

}  // namespace

void paint_joker_body(QPainter& painter)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    QConicalGradient rainbow(QPointF(0, 0), 90);
    const QColor hues[] = {QColor(0xf0, 0x30, 0x30), QColor(0xf8, 0x9c, 0x20), QColor(0xf4, 0xe4, 0x30),
                           QColor(0x40, 0xc8, 0x48), QColor(0x30, 0xb0, 0xf0), QColor(0x40, 0x50, 0xe0),
                           QColor(0xc0, 0x40, 0xd0)};
    const int count = int(std::size(hues));
    for (int i = 0; i < count; ++i)
        rainbow.setColorAt(qreal(i) / count, hues[i]);
    rainbow.setColorAt(1.0, hues[0]);
    painter.setBrush(rainbow);
    painter.drawEllipse(unit_circle);

    // Round it off: a paler middle, a darker rim.
    QRadialGradient shade(QPointF(0, 0), 1.0, QPointF(-0.35, -0.4));
    shade.setColorAt(0.0, QColor(255, 255, 255, 150));
    shade.setColorAt(0.45, QColor(255, 255, 255, 20));
    shade.setColorAt(0.8, QColor(0, 0, 0, 40));
    shade.setColorAt(1.0, QColor(0, 0, 0, 140));
    painter.setBrush(shade);
    painter.drawEllipse(unit_circle);

    QPainterPath star = shape_mark(3);  // the star of the shape marks
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(star.translated(0.04, 0.06));
    painter.setBrush(QColor(255, 255, 255, 245));
    painter.drawPath(star);
    painter.restore();
}

void paint_quest_body(QPainter& painter)
{
    paint_ball_body(painter, QColor(0xe4, 0xe2, 0xdc));
    painter.save();
    painter.setPen(Qt::NoPen);
    const QPainterPath mark = fitted_text_path(QStringLiteral("?"), QRectF(-0.45, -0.62, 0.9, 1.2));
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawPath(mark.translated(0.04, 0.05));
    painter.setBrush(QColor(0x20, 0x34, 0x8c));
    painter.drawPath(mark);
    painter.restore();
}

}  // namespace lumbra::art
