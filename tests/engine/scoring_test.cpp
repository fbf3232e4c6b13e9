// Points for a removal, extra stones at every multiple of 50, and the score
// display that holds the score.

#include "engine_fixture.h"

namespace lumbra::engine_test {
namespace {

struct PointsCase {
    int n;
    int points;
};

class PointsTable : public EngineTest, public ::testing::WithParamInterface<PointsCase> {};

TEST_P(PointsTable, removal_of_size_n_scores)
{
    game.add_points(GetParam().n);
    EXPECT_EQ(game.score_display->get_value(), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(Engine, PointsTable,
                         ::testing::Values(PointsCase{4, 3}, PointsCase{5, 5}, PointsCase{6, 8},
                                           PointsCase{7, 12}, PointsCase{8, 17}, PointsCase{9, 23},
                                           PointsCase{10, 30}, PointsCase{11, 38},
                                           PointsCase{12, 47}, PointsCase{13, 57}),
                         [](const auto& info) { return "n_" + std::to_string(info.param.n); });

struct ExtraCase {
    const char* name;
    int old_score;
    int n;
    int new_score;
    int extra;
};

class ExtraStones : public EngineTest, public ::testing::WithParamInterface<ExtraCase> {};

TEST_P(ExtraStones, owed_when_the_score_reaches_a_multiple_of_50)
{
    const ExtraCase& c = GetParam();
    game.score_display->set_value(c.old_score);
    game.pending_extra = 1;  // earlier debts stay owed
    game.add_points(c.n);
    EXPECT_EQ(game.score_display->get_value(), c.new_score);
    EXPECT_EQ(game.pending_extra, 1 + c.extra);
}

const ExtraCase extra_cases[] = {
    {"below_50_owes_nothing", 10, 4, 13, 0},
    {"passing_50_owes_one", 48, 4, 51, 1},
    {"reaching_100_owes_two", 97, 4, 100, 2},
    {"passing_150_owes_three", 149, 5, 154, 3},
    {"passing_1000_owes_twenty", 998, 4, 1001, 20},
    {"a_jump_past_50_into_a_higher_remainder_owes_nothing", 10, 13, 67, 0},
};

INSTANTIATE_TEST_SUITE_P(Engine, ExtraStones, ::testing::ValuesIn(extra_cases),
                         [](const auto& info) { return std::string(info.param.name); });

struct DisplayCase {
    int value;
    const char* shown;
};

class ScoreDisplay : public EngineTest, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(ScoreDisplay, shows_four_digits)
{
    game.score_display->set_value(GetParam().value);
    EXPECT_EQ(window.digits_shown(), GetParam().shown);
    EXPECT_EQ(game.score_display->get_value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Engine, ScoreDisplay,
                         ::testing::Values(DisplayCase{0, "0000"}, DisplayCase{57, "0057"},
                                           DisplayCase{9999, "9999"}, DisplayCase{12345, "2345"}),
                         [](const auto& info) { return "value_" + std::to_string(info.param.value); });

TEST_F(EngineTest, score_display_geometry_and_start)
{
    const lcd& display = *game.score_display;
    EXPECT_EQ(display.get_value(), 0);
    EXPECT_EQ(display.digits, 4);
    EXPECT_EQ(display.left, 3);
    EXPECT_EQ(display.top, 3);
    EXPECT_EQ(display.digit_width, 30);
    EXPECT_EQ(display.digit_height, 45);
    EXPECT_EQ(window.digits_shown(), "0000");
}

TEST_F(EngineTest, a_negative_digit_keeps_its_old_picture)
{
    game.score_display->set_value(57);
    game.score_display->set_value(-3);  // digits 0, 0, 0, -3: the last one shows nothing new
    EXPECT_EQ(window.digits_shown(), "0007");
    EXPECT_EQ(game.score_display->get_value(), -3);
}

}  // namespace
}  // namespace lumbra::engine_test
