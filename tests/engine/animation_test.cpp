// The three steps of a highlight tick: bounce, growth and one vanishing pass.

#include "engine_fixture.h"

namespace lumbra::engine_test {
namespace {

class Animation : public EngineTest {
protected:
    // One highlight tick, as the window runs it.
    void highlight_tick()
    {
        game.bounce_selected();
        game.grow_step();
        game.vanish_step();
    }

    std::vector<int> codes_while_ticking(int square, int ticks)
    {
        std::vector<int> codes;
        for (int i = 0; i < ticks; ++i) {
            highlight_tick();
            codes.push_back(game.squares[square].color);
        }
        return codes;
    }
};

TEST_F(Animation, a_selected_ball_bounces_through_frames_6_to_10_without_end)
{
    setup({"....R...."});
    game.selected = &game.squares[4];
    EXPECT_EQ(codes_while_ticking(4, 7), (std::vector<int>{9, 17, 25, 33, 41, 9, 17}));
    EXPECT_EQ(window.picture_of(game.squares[4]), "red0007");
}

TEST_F(Animation, a_selected_special_stone_bounces_too)
{
    setup({"....Q...."});
    game.selected = &game.squares[4];
    EXPECT_EQ(codes_while_ticking(4, 6), (std::vector<int>{16, 24, 32, 40, 48, 16}));
    EXPECT_EQ(window.picture_of(game.squares[4]), "quest0006");
}

TEST_F(Animation, a_placed_stone_grows_in_five_ticks_and_frees_its_slot)
{
    game.place_stone(30, 6);
    EXPECT_EQ(game.squares[30].color, 54);
    EXPECT_EQ(codes_while_ticking(30, 5), (std::vector<int>{62, 70, 78, 86, 6}));
    EXPECT_EQ(window.pictures_of(game.squares[30]),
              (std::vector<std::string>{"black0000", "black0001", "black0002", "black0003",
                                        "black0004", "black0005"}));
    EXPECT_EQ(game.grow_slots[game.grow_pos], 0);
}

TEST_F(Animation, square_0_grows_by_its_code_alone)
{
    game.place_stone(0, 2);
    EXPECT_EQ(codes_while_ticking(0, 6), (std::vector<int>{58, 66, 74, 82, 2, 2}));
}

TEST_F(Animation, a_stone_that_has_grown_is_checked_for_rows)
{
    setup({"RRRR....."});
    game.squares[4].color = 81;  // the last growth frame of a red stone
    game.grow_slots[1] = 4;
    game.grow_pos = 1;
    game.stone_count = game.count_stones();
    game.grow_step();
    EXPECT_EQ(game.score_display->get_value(), 3);
    EXPECT_TRUE(game.busy);
}

TEST_F(Animation, a_stone_that_completed_a_row_as_it_was_placed_is_scored_once)
{
    setup({"RRRR....."});
    game.stone_count = game.count_stones() + 1;
    game.place_stone(4, 1);
    EXPECT_EQ(game.score_display->get_value(), 3);
    for (int i = 0; i < 10; ++i) {
        highlight_tick();
    }
    EXPECT_EQ(game.score_display->get_value(), 3);
    EXPECT_EQ(rows(1), std::vector<std::string>{"........."});
    EXPECT_EQ(game.grow_slots[1], 0);
    EXPECT_EQ(game.stone_count, 0);
    EXPECT_FALSE(game.busy);
    EXPECT_EQ(window.sounds, std::vector<int>{2});
}

TEST_F(Animation, a_vanishing_stone_on_square_0_is_not_grown_back)
{
    setup({"rRRRR...."});
    ASSERT_TRUE(game.check_lines(0));
    const auto codes = codes_while_ticking(0, 5);
    EXPECT_EQ(codes, (std::vector<int>{73, 65, 57, 49, 0}));
    EXPECT_FALSE(game.busy);
}

TEST_F(Animation, a_slot_whose_stone_moved_away_is_freed)
{
    game.grow_slots[3] = 12;  // square 12 is empty: its stone travelled on
    game.grow_step();
    EXPECT_EQ(game.grow_slots[3], 0);
}

TEST_F(Animation, the_21st_stone_takes_the_first_slot)
{
    for (int n = 10; n < 31; ++n) {
        game.place_stone(n, pattern_colour(n));
    }
    EXPECT_EQ(game.grow_pos, 1);
    EXPECT_EQ(game.grow_slots[1], 30);
    EXPECT_EQ(game.grow_slots[20], 29);
    for (int i = 0; i < 5; ++i) {
        game.grow_step();
    }
    EXPECT_EQ(game.squares[10].color, growth_code(pattern_colour(10)));  // keeps its growth frame
    EXPECT_EQ(game.squares[11].color, pattern_colour(11));
}

TEST_F(Animation, each_vanishing_pass_moves_every_queued_stone_one_frame)
{
    setup({"RRRRR....", "JJJJG...."});
    ASSERT_TRUE(game.check_lines(at(0, 4)));
    ASSERT_TRUE(game.check_lines(at(1, 4)));
    game.vanish_step();
    EXPECT_EQ(game.squares[0].color, 73);
    EXPECT_EQ(game.squares[at(1, 0)].color, 72);
    EXPECT_EQ(game.squares[at(1, 4)].color, 74);
    EXPECT_EQ(finish_vanishing(), 4);
    EXPECT_FALSE(game.busy);
    EXPECT_EQ(rows(2), (std::vector<std::string>{".........", "........."}));
}

TEST_F(Animation, clicks_while_stones_vanish_change_nothing)
{
    setup({"RRRRr....", "G........"});
    ASSERT_TRUE(game.check_lines(marked));
    game.field_clicked(game.squares[at(1, 0)]);
    EXPECT_EQ(game.selected, nullptr);
    finish_vanishing();
    game.field_clicked(game.squares[at(1, 0)]);
    EXPECT_EQ(game.selected, &game.squares[at(1, 0)]);
}

TEST_F(Animation, a_vanishing_frame_the_library_lacks_empties_the_stone)
{
    setup({"RRRRr...."});
    window.missing.insert("red0002");
    ASSERT_TRUE(game.check_lines(marked));
    for (int i = 0; i < 3; ++i) {
        game.vanish_step();
    }
    EXPECT_EQ(window.messages.size(), 5u);  // one box for each stone
    EXPECT_EQ(rows(1), std::vector<std::string>{"........."});
    EXPECT_TRUE(game.vanish_queue.is_empty());
    EXPECT_FALSE(game.busy);
}

}  // namespace
}  // namespace lumbra::engine_test
