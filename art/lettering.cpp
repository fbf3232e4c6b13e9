#include "lettering.h"

#include "ball_colours.h"
#include "ball_painter.h"
#include "special_balls.h"
#include "text_paths.h"
#include "tile_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lumbra::art {

namespace {

// Glossy lettering: a soft shadow, a dark outline, a body shaded from
// `light` to `deep`, and a shine over its upper half.
void paint_glossy_text(QPainter& painter, const QPainterPath& text, const QColor& light, const QColor& deep)
{
    painter.save();
    const QRectF bounds = text.boundingRect();
    painter.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        painter.setBrush(QColor(0, 0, 0, 34));
        painter.drawPath(text.translated(0.6 * i, 0.8 * i));
    }
    painter.setPen(QPen(mix(deep, Qt::black, 0.55), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);

    QLinearGradient body(0, bounds.top(), 0, bounds.bottom());
    body.setColorAt(0.0, light);
    body.setColorAt(0.55, mix(light, deep, 0.6));
    body.setColorAt(1.0, deep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawPath(text);

    painter.setClipPath(text);
    QLinearGradient shine(0, bounds.top(), 0, bounds.center().y());
    shine.setColorAt(0.0, QColor(255, 255, 255, 170));
    shine.setColorAt(1.0, QColor(255, 255, 255, 30));
    painter.fillRect(QRectF(bounds.left(), bounds.top(), bounds.width(), bounds.height() * 0.45), shine);
    painter.restore();
}

// A sunken panel of the window's own grey.
void paint_recess(QPainter& painter, const QRectF& area)
{
    painter.save();
    QPainterPath panel;
    panel.addRoundedRect(area, 4, 4);
    QLinearGradient floor(area.topLeft(), area.bottomLeft());
    floor.setColorAt(0, QColor(0xb2, 0xb4, 0xb8));
    floor.setColorAt(1, QColor(0xc8, 0xca, 0xce));
    painter.fillPath(panel, floor);
    painter.setPen(QPen(QColor(0x80, 0x82, 0x88), 1.0));
    painter.drawPath(panel);
    painter.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    painter.drawLine(area.bottomLeft() + QPointF(4, 1), area.bottomRight() + QPointF(-4, 1));
    painter.restore();
}

}  // namespace

void paint_next(QPainter& painter)
{
    painter.fillRect(QRectF(QPointF(0, 0), next_size), window_silver);
    const QPainterPath text = fitted_text_path(QStringLiteral("Next"), QRectF(4, 6, 70, 22));
    paint_glossy_text(painter, text, QColor(0x9c, 0xc8, 0xff), QColor(0x14, 0x3c, 0xa8));

    // An arrow pointing at the preview squares on the right.
    QPainterPath arrow;
    arrow.moveTo(80, 9.5);
    arrow.lineTo(92, 16.5);
    arrow.lineTo(80, 23.5);
    arrow.closeSubpath();
    paint_glossy_text(painter, arrow, QColor(0x9c, 0xc8, 0xff), QColor(0x14, 0x3c, 0xa8));
}

void paint_game_over(QPainter& painter)
{
    painter.fillRect(QRectF(QPointF(0, 0), game_over_size), window_silver);
    paint_recess(painter, QRectF(3.5, 3.5, game_over_size.width() - 7, game_over_size.height() - 7));
    const QPainterPath text = fitted_text_path(QStringLiteral("GAME OVER"), QRectF(14, 12, 237, 50));
    paint_glossy_text(painter, text, QColor(0xff, 0xb0, 0x90), QColor(0xa8, 0x10, 0x08));
    for (int i = 0; i < ball_colour_count; ++i)
        paint_resting_ball(painter, QPointF(52 + i * 27, 80), 10, ball_colours()[i].base);
}

void paint_title(QPainter& painter)
{
    painter.fillRect(QRectF(QPointF(0, 0), title_size), window_silver);
    paint_recess(painter, QRectF(3.5, 3.5, title_size.width() - 7, title_size.height() - 7));
    const QPainterPath text = fitted_text_path(QStringLiteral("Lumbra"), QRectF(14, 12, 165, 50));
    paint_glossy_text(painter, text, QColor(0xff, 0xe8, 0x80), QColor(0xc0, 0x50, 0x08));

    // A row of five, the heart of the game, on a strip of board.
    constexpr qreal scale = 0.85;
    constexpr qreal row_left = (193 - 5 * 40 * scale) / 2;
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(row_left + i * 40 * scale, 74);
        painter.scale(scale, scale);
        paint_tile(painter);
        // Four red balls and a joker standing in for the fifth.
        const QColor red = ball_colours()[0].base;
        if (i == 3)
            paint_ball(painter, ball_pose(5), paint_joker_body);
        else
            paint_ball(painter, ball_pose(5), [&red](QPainter& p) { paint_ball_body(p, red); });
        painter.restore();
    }
    const QPainterPath caption = fitted_text_path(QStringLiteral("five in a row"), QRectF(50, 117, 93, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x40, 0x42, 0x48));
    painter.drawPath(caption);
}

}  // namespace lumbra::art
