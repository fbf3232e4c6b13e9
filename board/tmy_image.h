#pragma once

#include "image_box.h"

namespace lumbra {

struct Square;

// One board or preview square on the window. The engine owns the square's
// state; this widget shows its picture and cursor and hands a left click on
// it to the engine.
class TMyImage : public ImageBox {
    Q_OBJECT

public:
    TMyImage(QWidget* parent, Square& square);

    Square& square() const { return square_; }

    // The cursor shown over the square: 0 the standard arrow, 1..3 the game's
    // own cursors as `cursor` gives them. Repeating the shown one costs nothing.
    void show_cursor(int number, const QCursor& cursor);
    int shown_cursor() const { return shown_cursor_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Square& square_;
    int shown_cursor_ = 0;
    bool left_pressed_ = false;
};

}  // namespace lumbra
