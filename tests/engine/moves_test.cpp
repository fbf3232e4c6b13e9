// Selecting a ball, where it can go, the route it takes and its travel.

#include "engine_fixture.h"

namespace lumbra::engine_test {
namespace {

class Moves : public EngineTest {
protected:
    void click(int n) { game.field_clicked(game.squares[n]); }

    // The travel route as square numbers, the next square first.
    std::vector<int> route() const
    {
        std::vector<int> squares;
        for (int i = 1; i <= game.path.count(); ++i) {
            squares.push_back(game.path.item(i));
        }
        return squares;
    }

    // Move-timer ticks until the ball has arrived; returns the ticks.
    int travel()
    {
        int ticks = 0;
        while (!game.path.is_empty() && ticks < 200) {
            game.travel_step();
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(Moves, clicking_a_ball_selects_it_and_marks_where_it_can_go)
{
    setup({"R.G......",
           "GGG......",
           "........."});
    click(0);
    EXPECT_EQ(game.selected, &game.squares[0]);
    int marked_squares = 0;
    for (const Square& square : game.squares) {
        marked_squares += square.reachable ? 1 : 0;
    }
    EXPECT_EQ(marked_squares, 1);  // walled in by the greens
    EXPECT_TRUE(game.squares[1].reachable);
}

TEST_F(Moves, clicking_an_empty_square_without_a_selection_does_nothing)
{
    setup({"R........"});
    click(5);
    EXPECT_EQ(game.selected, nullptr);
    EXPECT_TRUE(game.path.count() <= 1);
    EXPECT_TRUE(window.sounds.empty());
}

TEST_F(Moves, clicking_another_ball_moves_the_selection_and_rests_the_first)
{
    setup({"R...G...."});
    click(0);
    game.bounce_selected();
    EXPECT_EQ(game.squares[0].color, 9);
    click(4);
    EXPECT_EQ(game.squares[0].color, 1);
    EXPECT_EQ(game.selected, &game.squares[4]);
}

TEST_F(Moves, clicking_the_selected_ball_again_restarts_its_bounce)
{
    setup({"R........"});
    click(0);
    game.bounce_selected();
    game.bounce_selected();
    click(0);
    EXPECT_EQ(game.squares[0].color, 1);
    EXPECT_EQ(game.selected, &game.squares[0]);
    game.bounce_selected();
    EXPECT_EQ(game.squares[0].color, 9);
}

TEST_F(Moves, an_unreachable_square_plays_error_and_changes_nothing)
{
    setup({"R.G......",
           "GG.......",
           "........."});
    click(0);
    click(at(2, 4));
    EXPECT_EQ(window.sounds, std::vector<int>{3});
    EXPECT_TRUE(game.path.is_empty());
    EXPECT_FALSE(game.busy);
    EXPECT_EQ(game.selected, &game.squares[0]);
    EXPECT_EQ(game.squares[at(2, 4)].cursor, 3);
    EXPECT_EQ(game.squares[1].cursor, 2);
    EXPECT_EQ(game.squares[2].cursor, 1);
}

TEST_F(Moves, the_route_is_a_shortest_one_with_the_start_on_top)
{
    setup({"R........"});
    game.selected = &game.squares[0];
    game.find_path(80);
    EXPECT_EQ(game.path.count(), 17);
    EXPECT_EQ(game.path.item(1), 0);
    EXPECT_EQ(game.path.item(17), 80);
}

TEST_F(Moves, a_winding_corridor_is_followed_to_its_end)
{
    setup({"R........",
           "KKKKKKKK.",
           ".........",
           ".KKKKKKKK",
           ".........",
           "KKKKKKKK.",
           "........."});
    game.selected = &game.squares[0];
    game.find_path(at(6, 0));
    EXPECT_EQ(game.path.count(), 8 + 2 + 8 + 2 + 8 + 2 + 8 + 1);
    EXPECT_EQ(game.path.item(game.path.count()), at(6, 0));
}

struct TieCase {
    const char* name;
    std::vector<std::string_view> board;  // the lower-case stone moves; '.' squares are free
    int target;
    std::vector<int> route;
};

class RouteTieBreaks : public Moves, public ::testing::WithParamInterface<TieCase> {};

TEST_P(RouteTieBreaks, first_shortest_route_in_the_order_up_down_left_right)
{
    setup(GetParam().board);
    game.selected = &game.squares[marked];
    game.find_path(GetParam().target);
    EXPECT_EQ(route(), GetParam().route);
}

const TieCase tie_cases[] = {
    {"up_before_right", {"KKKKKKKKK", "KKKK..KKK", "KKKKg.KKK"}, 14,
     {22, 13, 14}},
    {"down_before_left", {"KKK.gKKKK", "KKK..KKKK", "KKKKKKKKK"}, 12,
     {4, 13, 12}},
    {"shortest_although_up_is_tried_first", {"KKKKKKKKK", "K.......K", "Kg.....KK",
                                                "KKKKKKKKK"},
     at(2, 6), {at(2, 1), at(2, 2), at(2, 3), at(2, 4), at(2, 5), at(2, 6)}},
    {"the_only_way_round", {"K...KKKKK", "K.K.KKKKK", "KgK.KKKKK", "KKK.KKKKK"}, at(3, 3),
     {at(2, 1), at(1, 1), at(0, 1), at(0, 2), at(0, 3), at(1, 3), at(2, 3), at(3, 3)}},
};

INSTANTIATE_TEST_SUITE_P(Engine, RouteTieBreaks, ::testing::ValuesIn(tie_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Moves, a_ball_next_to_its_target_arrives_after_two_ticks)
{
    setup({"R........"});
    click(0);
    click(1);
    EXPECT_TRUE(game.busy);
    game.travel_step();  // the first entry is the start square itself
    EXPECT_EQ(game.squares[0].color, 1);
    EXPECT_TRUE(game.busy);
    game.travel_step();
    EXPECT_EQ(game.squares[0].color, empty_code);
    EXPECT_EQ(game.squares[1].color, 1);
    EXPECT_FALSE(game.busy);
    EXPECT_EQ(game.selected, nullptr);
    EXPECT_EQ(game.count_stones(), 4);  // the turn's three stones dropped
    EXPECT_EQ(window.sounds.back(), 1);
}

TEST_F(Moves, a_route_of_l_steps_takes_l_plus_one_ticks)
{
    setup({"R........"});
    click(0);
    click(8);
    EXPECT_EQ(travel(), 9);
}

TEST_F(Moves, the_travelling_ball_bounces_and_arrives_at_rest)
{
    setup({"B........"});
    click(0);
    click(3);
    game.travel_step();
    game.bounce_selected();
    game.travel_step();
    EXPECT_EQ(game.squares[1].color, 11);  // still bouncing on the way
    travel();
    EXPECT_EQ(game.squares[3].color, 3);
}

TEST_F(Moves, special_stones_take_their_kind_along)
{
    setup({"D........"});
    click(0);
    click(2);
    travel();
    EXPECT_EQ(game.squares[2].joker_type, dynamite);
    EXPECT_EQ(game.squares[2].color, special_stone);
    EXPECT_EQ(game.squares[0].joker_type, no_kind);
    EXPECT_EQ(game.squares[1].joker_type, no_kind);
}

TEST_F(Moves, a_growing_stone_can_be_moved_and_arrives_at_rest)
{
    setup({"G........"});
    game.squares[0].color = 58;  // green, growing
    click(0);
    click(2);
    game.bounce_selected();
    EXPECT_EQ(game.squares[0].color, 58);  // no bounce while growing
    travel();
    EXPECT_EQ(game.squares[2].color, 2);
}

TEST_F(Moves, clicks_while_busy_or_on_the_preview_do_nothing)
{
    setup({"R...G...."});
    click(0);
    click(2);
    ASSERT_TRUE(game.busy);
    click(4);
    click(6);
    EXPECT_EQ(game.selected, &game.squares[0]);
    EXPECT_EQ(game.path.count(), 3);
    game.travel_step();

    game.field_clicked(game.preview[0]);
    EXPECT_EQ(game.selected, &game.squares[0]);
    for (Square& square : game.squares) {
        EXPECT_EQ(square.cursor, 1) << "busy shows the plain hand";
    }
}

TEST_F(Moves, a_move_that_completes_a_row_drops_nothing_and_keeps_extra_stones_owed)
{
    setup({"RRRR.....",
           "....R...."});
    game.pending_extra = 3;
    game.stone_count = game.count_stones();
    click(at(1, 4));
    click(4);
    travel();
    EXPECT_EQ(game.score_display->get_value(), 3);
    EXPECT_EQ(game.pending_extra, 3);
    EXPECT_TRUE(game.busy);
    EXPECT_EQ(game.selected, nullptr);
    finish_vanishing();
    EXPECT_EQ(game.count_stones(), 0);
    EXPECT_FALSE(game.busy);
}

TEST_F(Moves, cursors_follow_the_state)
{
    setup({"R.G......",
           "GG......."});
    game.update_cursors();
    EXPECT_EQ(game.squares[0].cursor, 2);   // a ball to pick up
    EXPECT_EQ(game.squares[5].cursor, 1);   // nothing to do here
    click(0);
    EXPECT_EQ(game.squares[1].cursor, 2);   // reachable
    EXPECT_EQ(game.squares[5].cursor, 3);   // out of reach
    EXPECT_EQ(game.squares[2].cursor, 1);   // another ball

    window.settings[13] = "1";  // "Use Standard Mouse Cursor"
    for (Square& square : game.squares) {
        square.cursor = 0;
    }
    click(2);
    for (const Square& square : game.squares) {
        EXPECT_EQ(square.cursor, 0);
    }
}

}  // namespace
}  // namespace lumbra::engine_test
