#pragma once

#include <QCursor>

#include <array>

namespace lumbra {

// The game's own mouse cursors, from the program's resources (never from a
// graphics library): 1 "pickhand", 2 "pickhand2", 3 "nohand"; 0 is the
// standard arrow.
class SquareCursors {
public:
    // Loads the pictures drawn for a screen of the given device pixel ratio.
    explicit SquareCursors(qreal device_pixel_ratio);

    // The cursor of number 0..3.
    const QCursor& cursor(int number) const;

private:
    std::array<QCursor, 4> cursors_;
};

}  // namespace lumbra
