// The end of a game, the start of the next, and the developer's mirror.

#include "engine_fixture.h"

namespace lumbra::engine_test {
namespace {

class EndGame : public EngineTest {
protected:
    void click(int n) { game.field_clicked(game.squares[n]); }
};

TEST_F(EndGame, shows_the_dialogs_with_the_old_score_and_starts_a_new_game)
{
    fill_without_rows(40);
    game.score_display->set_value(57);
    game.pending_extra = 2;
    int score_seen = -1;
    int hall_of_fame_before = -1;
    window.on_game_over = [&] {
        score_seen = game.score_display->get_value();
        hall_of_fame_before = window.hall_of_fame_entries;
    };

    EXPECT_TRUE(game.end_game());

    EXPECT_EQ(score_seen, 57);
    EXPECT_EQ(hall_of_fame_before, 0);  // the game-over dialog comes first
    EXPECT_EQ(window.hall_of_fame_entries, 1);
    EXPECT_EQ(game.score_display->get_value(), 0);
    EXPECT_EQ(window.digits_shown(), "0000");
    EXPECT_EQ(game.count_stones(), 3);
    EXPECT_EQ(game.stone_count, 3);
    EXPECT_EQ(game.pending_extra, 0);
    EXPECT_EQ(game.grow_pos, 3);
    EXPECT_EQ(window.sounds.back(), 1);
}

TEST_F(EndGame, the_new_game_starts_with_the_stones_of_the_preview)
{
    game.preview_pos = 0;
    game.set_preview(2, no_kind);
    game.set_preview(4, no_kind);
    game.set_preview(6, no_kind);
    game.end_game();
    EXPECT_EQ(game.squares[game.grow_slots[1]].color, growth_code(2));
    EXPECT_EQ(game.squares[game.grow_slots[2]].color, growth_code(4));
    EXPECT_EQ(game.squares[game.grow_slots[3]].color, growth_code(6));
}

TEST_F(EndGame, keeps_the_mode_and_the_sound)
{
    game.regular_mode = false;
    game.sound_on = false;
    game.end_game();
    EXPECT_FALSE(game.regular_mode);
    EXPECT_FALSE(game.sound_on);
}

TEST_F(EndGame, a_row_among_the_recent_drops_lets_the_game_go_on)
{
    setup({"RRRRR....", "G........"});
    game.stone_count = game.count_stones();
    game.grow_slots[5] = 4;
    EXPECT_FALSE(game.end_game());
    EXPECT_EQ(window.game_overs, 0);
    EXPECT_EQ(game.score_display->get_value(), 3);
    finish_vanishing();
    EXPECT_EQ(rows(2), (std::vector<std::string>{".........", "G........"}));
}

TEST_F(EndGame, ends_a_travel_so_that_the_next_click_counts)
{
    setup({"R........"});
    click(0);
    click(8);
    game.travel_step();
    game.travel_step();
    ASSERT_TRUE(game.busy);

    game.end_game();

    EXPECT_FALSE(game.busy);
    EXPECT_TRUE(game.path.is_empty());
    EXPECT_EQ(game.selected, nullptr);
    game.travel_step();
    EXPECT_EQ(game.count_stones(), 3);
    const int stone = game.grow_slots[1];
    click(stone);
    EXPECT_EQ(game.selected, &game.squares[stone]);
}

TEST_F(EndGame, a_travel_is_over_before_the_dialogs_show)
{
    setup({"R........"});
    click(0);
    click(8);
    game.travel_step();
    window.on_game_over = [&] {
        // The move timer keeps ticking behind the modal dialog.
        for (int i = 0; i < 20; ++i) {
            game.travel_step();
        }
    };
    game.end_game();
    EXPECT_EQ(window.game_overs, 1);
    EXPECT_EQ(game.count_stones(), 3);
}

TEST_F(EndGame, ends_a_vanishing_so_that_it_spares_the_new_stones)
{
    fill_without_rows(60);
    setup({"RRRRr...."});
    game.stone_count = game.count_stones();
    ASSERT_TRUE(game.check_lines(marked));
    game.vanish_step();

    game.end_game();

    EXPECT_FALSE(game.busy);
    EXPECT_TRUE(game.vanish_queue.is_empty());
    finish_vanishing();
    for (int i = 0; i < 5; ++i) {
        game.vanish_step();
        game.grow_step();
    }
    EXPECT_EQ(game.count_stones(), 3);
    EXPECT_EQ(game.stone_count, 3);
    EXPECT_EQ(game.score_display->get_value(), 0);
}

TEST_F(EndGame, stones_a_turn_still_owes_drop_onto_the_new_board)
{
    fill_without_rows(79);
    game.pending_extra = 3;
    game.drop_turn_stones();  // 2 + 3: one fills the 80th square, one ends the game
    EXPECT_EQ(window.game_overs, 1);
    EXPECT_EQ(game.count_stones(), 6);
}

TEST_F(EndGame, a_game_ends_when_a_drop_is_due_on_80_stones)
{
    fill_without_rows(80);
    game.drop_turn_stones();
    EXPECT_EQ(window.game_overs, 1);
    EXPECT_EQ(window.hall_of_fame_entries, 1);
}

class Mirror : public EngineTest {};

TEST_F(Mirror, an_even_count_swaps_the_left_and_right_columns)
{
    setup({"RG..B.YKP",
           "D...L...."});
    game.stone_count = 8;
    game.mirror_board(0);
    EXPECT_EQ(rows(2), (std::vector<std::string>{".YKPBRG..", "....LD..."}));
    EXPECT_EQ(game.squares[at(1, 5)].joker_type, dynamite);
    EXPECT_EQ(game.squares[at(1, 0)].joker_type, no_kind);
}

TEST_F(Mirror, an_odd_count_swaps_the_top_and_bottom_rows_and_checks_the_middle)
{
    setup({"R........",
           ".........",
           ".........",
           ".........",
           "....GGGG.",
           ".........",
           ".........",
           ".........",
           "........G"});
    game.squares[at(8, 8)].joker_type = no_kind;
    game.stone_count = 5;
    game.mirror_board(0);
    EXPECT_EQ(game.squares[at(5, 0)].color, 1);
    EXPECT_EQ(game.squares[at(3, 8)].color, 2);
    EXPECT_EQ(game.squares[at(0, 0)].color, empty_code);
    EXPECT_EQ(game.score_display->get_value(), 0);  // no row in the middle row
}

}  // namespace
}  // namespace lumbra::engine_test
