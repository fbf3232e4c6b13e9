#include "cursor_painter.h"

#include "program_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace lumbra::art {

namespace {

QPainterPath rounded(qreal left, qreal top, qreal right, qreal bottom, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, right - left, bottom - top), radius, radius);
    return path;
}

// The hand pointing up, drawn around the hot spot of the plain hand so the
// finger's tip lands on it.
QPainterPath hand_outline()
{
    const qreal x = program_cursors[0].hot_x + 0.5;  // the middle of the finger
    const qreal y = program_cursors[0].hot_y - 1.0;  // the top of the finger
    QPainterPath hand = rounded(x - 2.6, y, x + 2.6, y + 17, 2.6);               // index finger
    hand = hand.united(rounded(x + 2.4, y + 8.5, x + 7.0, y + 18, 2.3));        // middle finger
    hand = hand.united(rounded(x + 6.8, y + 10, x + 11.2, y + 19, 2.2));        // ring finger
    hand = hand.united(rounded(x + 11.0, y + 12, x + 14.8, y + 20, 1.9));       // little finger
    hand = hand.united(rounded(x - 2.6, y + 13, x + 14.8, y + 26.5, 4.5));      // palm
    hand = hand.united(rounded(x - 0.5, y + 24, x + 12.5, y + 29.5, 1.5));      // wrist
    QTransform thumb_turn;
    thumb_turn.translate(x - 3.5, y + 20);
    thumb_turn.rotate(-38);
    hand = hand.united(thumb_turn.map(rounded(-2.4, -10, 2.4, 1.5, 2.3)));      // thumb
    return hand.simplified();
}

void paint_hand(QPainter& painter, const QColor& light, const QColor& shade)
{
    const QPainterPath hand = hand_outline();
    const qreal x = program_cursors[0].hot_x + 0.5;
    const qreal y = program_cursors[0].hot_y - 1.0;
    QLinearGradient skin(x - 4, y, x + 14, y + 29);
    skin.setColorAt(0.0, light);
    skin.setColorAt(1.0, shade);
    painter.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(skin);
    painter.drawPath(hand);
    // The creases between the folded fingers.
    painter.setPen(QPen(QColor(0, 0, 0, 150), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x + 2.5, y + 10.5), QPointF(x + 2.5, y + 14.5));
    painter.drawLine(QPointF(x + 6.9, y + 12), QPointF(x + 6.9, y + 16));
    painter.drawLine(QPointF(x + 11.1, y + 14), QPointF(x + 11.1, y + 17.5));
}

void paint_rays(QPainter& painter)
{
    const qreal x = program_cursors[1].hot_x + 0.5;
    const qreal y = program_cursors[1].hot_y;
    painter.setPen(QPen(QColor(0xff, 0xc0, 0x10), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x + 4.5, y + 3.0), QPointF(x + 8.0, y + 1.0));
    painter.drawLine(QPointF(x + 5.0, y + 6.5), QPointF(x + 9.0, y + 6.5));
    painter.drawLine(QPointF(x - 4.5, y + 3.0), QPointF(x - 8.0, y + 1.0));
    painter.drawLine(QPointF(x - 5.0, y + 6.5), QPointF(x - 8.5, y + 6.5));
}

void paint_no_entry(QPainter& painter)
{
    const QPointF centre(24.5, 24.5);
    constexpr qreal radius = 6.3;
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius + 1.0, radius + 1.0);
    painter.setPen(QPen(QColor(0xd0, 0x10, 0x10), 2.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius - 0.6, radius - 0.6);
    painter.drawLine(centre + QPointF(-4.0, -4.0), centre + QPointF(4.0, 4.0));
}

}  // namespace

bool paint_cursor(QPainter& painter, std::string_view name)
{
    painter.save();
    if (name == "pickhand") {
        paint_hand(painter, Qt::white, QColor(0xd8, 0xd8, 0xdc));
    } else if (name == "pickhand2") {
        paint_rays(painter);
        paint_hand(painter, QColor(0xff, 0xfc, 0xe8), QColor(0xff, 0xdc, 0x70));
    } else if (name == "nohand") {
        paint_hand(painter, QColor(0xf0, 0xf0, 0xf0), QColor(0xb8, 0xb8, 0xbc));
        paint_no_entry(painter);
    } else {
        painter.restore();
        return false;
    }
    painter.restore();
    return true;
}

}  // namespace lumbra::art
