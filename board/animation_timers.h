#pragma once

#include <QObject>
#include <QTimer>

namespace lumbra {

// The two timers that drive everything that moves on the board: the move
// timer carries a travelling ball one square per tick, the highlight timer
// runs the bounce, growth and vanishing steps.
class AnimationTimers : public QObject {
    Q_OBJECT

public:
    struct Intervals {
        int move_ms;
        int highlight_ms;
    };

    // Intervals before any speed is applied; both timers start disabled.
    static constexpr Intervals initial{100, 150};

    explicit AnimationTimers(QObject* parent);

    // Speed 1 Normal, 2 Fast, 3 Lightning sets both intervals and returns
    // true; any other number changes nothing and returns false.
    bool set_speed(int speed);

    // Enabling starts the move timer first, then the highlight timer.
    void set_enabled(bool enabled);

    QTimer& move_timer() { return movetimer_; }
    QTimer& highlight_timer() { return highlighttimer_; }
    const QTimer& move_timer() const { return movetimer_; }
    const QTimer& highlight_timer() const { return highlighttimer_; }

private:
    QTimer movetimer_;
    QTimer highlighttimer_;
};

}  // namespace lumbra
