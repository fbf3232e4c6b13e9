#include "animation_timers.h"

#include <array>

namespace lumbra {
namespace {

// Speed number 1..3 -> intervals.
constexpr std::array<AnimationTimers::Intervals, 3> speed_table{{
    {85, 150},  // Normal
    {50, 100},  // Fast
    {15, 70},   // Lightning
}};

}  // namespace

AnimationTimers::AnimationTimers(QObject* parent)
    : QObject(parent), movetimer_(this), highlighttimer_(this)
{
    movetimer_.setInterval(initial.move_ms);
    highlighttimer_.setInterval(initial.highlight_ms);
    // At Lightning speed the move timer ticks every 15 ms; a coarse timer may
    // be 5 % late, which a travelling ball shows as a stutter.
    movetimer_.setTimerType(Qt::PreciseTimer);
}

bool AnimationTimers::set_speed(int speed)
{
    if (speed < 1 || speed > static_cast<int>(speed_table.size())) {
        return false;
    }
    const Intervals& intervals = speed_table[static_cast<std::size_t>(speed - 1)];
    movetimer_.setInterval(intervals.move_ms);
    highlighttimer_.setInterval(intervals.highlight_ms);
    return true;
}

void AnimationTimers::set_enabled(bool enabled)
{
    if (enabled) {
        movetimer_.start();
        highlighttimer_.start();
    } else {
        movetimer_.stop();
        highlighttimer_.stop();
    }
}

}  // namespace lumbra
