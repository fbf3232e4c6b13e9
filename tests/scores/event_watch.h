#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace lumbra::testing_app {

// Watches a blocking call from the inside: a timer ticking every 50 ms counts
// how often the event loop ran it, and a clock measures the whole call.
class EventWatch {
public:
    EventWatch()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { ++ticks_; });
        timer_.start(50);
        clock_.start();
    }

    int ticks() const { return ticks_; }
    qint64 elapsed_ms() const { return clock_.elapsed(); }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    int ticks_ = 0;
};

}  // namespace lumbra::testing_app
