#include "tmy_image.h"

#include <QMouseEvent>

#include "spiel.h"

namespace lumbra {

TMyImage::TMyImage(QWidget* parent, Square& square) : ImageBox(parent), square_(square) {}

void TMyImage::show_cursor(int number, const QCursor& cursor)
{
    if (number == shown_cursor_) {
        return;
    }
    shown_cursor_ = number;
    if (number == 0) {
        unsetCursor();
    } else {
        setCursor(cursor);
    }
}

void TMyImage::mousePressEvent(QMouseEvent* event)
{
    left_pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a left press and release on the same square, as with a button:
// dragging off the square before letting go cancels it.
void TMyImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = left_pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    left_pressed_ = false;
    event->accept();
    if (click && square_.game != nullptr) {
        square_.game->field_clicked(square_);
    }
}

}  // namespace lumbra
