#include "animation_timers.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

TEST(AnimationTimers, StartDisabledAtTheirFirstIntervals)
{
    AnimationTimers timers(nullptr);
    EXPECT_FALSE(timers.move_timer().isActive());
    EXPECT_FALSE(timers.highlight_timer().isActive());
    EXPECT_EQ(timers.move_timer().interval(), 100);
    EXPECT_EQ(timers.highlight_timer().interval(), 150);
}

struct SpeedCase {
    const char* name;
    int speed;
    bool applied;
    int move_ms;
    int highlight_ms;
};

void PrintTo(const SpeedCase& speed, std::ostream* out)
{
    *out << speed.name;
}

class Speeds : public testing::TestWithParam<SpeedCase> {};

TEST_P(Speeds, SetBothIntervalsOrNeither)
{
    AnimationTimers timers(nullptr);
    EXPECT_EQ(timers.set_speed(GetParam().speed), GetParam().applied);
    EXPECT_EQ(timers.move_timer().interval(), GetParam().move_ms);
    EXPECT_EQ(timers.highlight_timer().interval(), GetParam().highlight_ms);
}

INSTANTIATE_TEST_SUITE_P(Table, Speeds,
                         testing::Values(SpeedCase{"normal", 1, true, 85, 150},
                                         SpeedCase{"fast", 2, true, 50, 100},
                                         SpeedCase{"lightning", 3, true, 15, 70},
                                         SpeedCase{"none_for_zero", 0, false, 100, 150},
                                         SpeedCase{"none_for_four", 4, false, 100, 150},
                                         SpeedCase{"none_for_seven", 7, false, 100, 150}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumbra
