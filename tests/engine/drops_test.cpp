// New stones: how many drop, where they come from and where they land.

#include "engine_fixture.h"

namespace lumbra::engine_test {
namespace {

struct DropCountCase {
    const char* name;
    bool regular;
    int stones;
    int pending;
    int dropped;
};

class TurnDrops : public EngineTest, public ::testing::WithParamInterface<DropCountCase> {};

TEST_P(TurnDrops, drop_count)
{
    const DropCountCase& c = GetParam();
    game.regular_mode = c.regular;
    fill_without_rows(c.stones);
    game.pending_extra = c.pending;

    game.drop_turn_stones();

    EXPECT_EQ(game.count_stones(), c.stones + c.dropped);
    EXPECT_EQ(game.stone_count, c.stones + c.dropped);
    EXPECT_EQ(game.pending_extra, 0);
    EXPECT_EQ(window.sounds.back(), 1);
    EXPECT_EQ(game.selected, nullptr);
}

const DropCountCase drop_count_cases[] = {
    {"regular_empty_board_drops_three", true, 0, 0, 3},
    {"regular_48_stones_drop_three", true, 48, 0, 3},
    {"regular_49_stones_drop_two", true, 49, 0, 2},
    {"difficult_49_stones_drop_three", false, 49, 0, 3},
    {"difficult_70_stones_drop_three", false, 70, 0, 3},
    {"three_extra_stones_drop_with_the_turn", true, 30, 3, 6},
    {"three_extra_stones_on_a_crowded_regular_board", true, 49, 3, 5},
    {"extra_stones_in_the_difficult_mode", false, 49, 3, 6},
};

INSTANTIATE_TEST_SUITE_P(Engine, TurnDrops, ::testing::ValuesIn(drop_count_cases),
                         [](const auto& info) { return std::string(info.param.name); });

class Drops : public EngineTest {};

TEST_F(Drops, stones_drop_in_the_order_of_the_preview)
{
    game.preview_pos = 0;
    game.set_preview(3, no_kind);
    game.set_preview(5, no_kind);
    game.set_preview(7, no_kind);
    for (int i = 0; i < 3; ++i) {
        game.drop_stone();
    }
    EXPECT_EQ(game.grow_pos, 3);
    EXPECT_EQ(game.squares[game.grow_slots[1]].color, growth_code(3));
    EXPECT_EQ(game.squares[game.grow_slots[2]].color, growth_code(5));
    EXPECT_EQ(game.squares[game.grow_slots[3]].color, growth_code(7));
    EXPECT_EQ(game.preview_pos, 0);
    EXPECT_EQ(game.stone_count, 3);
}

TEST_F(Drops, a_placed_stone_takes_the_kind_of_its_preview_square)
{
    game.preview_pos = 1;
    game.set_preview(special_stone, dynamite);
    game.preview_pos = 1;
    game.drop_stone();
    const Square& placed = game.squares[game.grow_slots[1]];
    EXPECT_EQ(placed.color, growth_code(special_stone));
    EXPECT_EQ(placed.joker_type, dynamite);
    EXPECT_EQ(window.picture_of(placed), "dynamit0000");
    EXPECT_EQ(game.preview[1].joker_type, no_kind);  // refilled with a colour
}

TEST_F(Drops, every_drop_reseeds_from_the_clock)
{
    game.drop_stone();
    const int first = game.grow_slots[1];
    game.set_field(first, empty_code);
    game.drop_stone();
    EXPECT_EQ(game.grow_slots[2], first);

    window.clock += 1;
    game.set_field(first, empty_code);
    int differs = 0;
    for (int i = 0; i < 5; ++i, ++window.clock) {
        game.drop_stone();
        differs += game.grow_slots[game.grow_pos] != first ? 1 : 0;
        game.set_field(game.grow_slots[game.grow_pos], empty_code);
    }
    EXPECT_GT(differs, 0);
}

TEST_F(Drops, the_first_preview_stones_come_from_the_unseeded_generator)
{
    RecordingWindow other_window;
    other_window.clock = 4711;
    const Spielklasse other(other_window, 9, 9);
    EXPECT_EQ(other.preview_colors, game.preview_colors);
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(game.preview_colors[i], 1);
        EXPECT_LE(game.preview_colors[i], 7);
        EXPECT_EQ(game.preview[i].color, game.preview_colors[i]);
    }
    EXPECT_EQ(game.preview_pos, 0);
    EXPECT_EQ(game.stone_count, 0);
    EXPECT_NE(game.preview_colors[0], game.preview_colors[1]);
    EXPECT_NE(game.preview_colors[1], game.preview_colors[2]);
    EXPECT_NE(game.preview_colors[0], game.preview_colors[2]);
}

TEST_F(Drops, with_79_stones_a_drop_still_places_its_stone)
{
    fill_without_rows(79);
    game.drop_stone();
    EXPECT_EQ(game.count_stones(), 80);
    EXPECT_EQ(window.game_overs, 0);
}

TEST_F(Drops, with_80_stones_a_drop_ends_the_game_instead)
{
    fill_without_rows(80);
    game.drop_stone();
    EXPECT_EQ(window.game_overs, 1);
    EXPECT_EQ(game.count_stones(), 3);
}

TEST_F(Drops, a_stone_completing_a_row_vanishes_before_the_next_drops)
{
    // Four red stones and five free squares in the top row; every other
    // square is taken. Red waits first in the preview, then green twice.
    setup({"RRRR....."});
    for (int n = 9; n < Kaestchen; ++n) {
        game.squares[n].color = pattern_colour(n);
    }
    const auto prepare_preview = [this] {
        game.preview_pos = 0;
        game.set_preview(1, no_kind);
        game.set_preview(2, no_kind);
        game.set_preview(2, no_kind);
        game.preview_pos = 0;
    };
    // Look for a second whose first free candidate is the gap beside the row.
    for (window.clock = 0; window.clock < 1000; ++window.clock) {
        prepare_preview();
        game.drop_stone();
        if (game.grow_slots[game.grow_pos] == 4) {
            break;
        }
        game.set_field(game.grow_slots[game.grow_pos], empty_code);
    }
    ASSERT_EQ(game.grow_slots[game.grow_pos], 4);
    EXPECT_EQ(game.score_display->get_value(), 3);
    EXPECT_TRUE(game.busy);

    // The vanishing squares count as occupied: the next stone lands beside them.
    game.drop_stone();
    const int second = game.grow_slots[game.grow_pos];
    EXPECT_GE(second, 5);
    EXPECT_LE(second, 8);
}

// Draws preview refills on an empty board for many seconds and counts the
// special stones among them.
int count_specials(Spielklasse& game, RecordingWindow& window, int seconds, int waiting_special)
{
    int specials = 0;
    for (int second = 0; second < seconds; ++second) {
        window.clock = second;
        for (int n = 0; n < Kaestchen; ++n) {
            game.squares[n] = Square{.clickable = true, .Tag = n, .game = &game};
        }
        for (Square& square : game.preview) {
            square.joker_type = no_kind;
        }
        game.preview_pos = 0;
        game.preview[2].joker_type = waiting_special;
        game.preview_colors[0] = 1;
        game.drop_stone();
        specials += game.preview[0].joker_type != no_kind ? 1 : 0;
    }
    return specials;
}

TEST_F(Drops, special_stones_come_once_in_twelve_in_the_regular_mode)
{
    const int specials = count_specials(game, window, 2400, no_kind);
    EXPECT_GT(specials, 150);
    EXPECT_LT(specials, 250);
}

TEST_F(Drops, special_stones_come_once_in_twenty_five_in_the_difficult_mode)
{
    game.regular_mode = false;
    const int specials = count_specials(game, window, 2500, no_kind);
    EXPECT_GT(specials, 65);
    EXPECT_LT(specials, 135);
}

TEST_F(Drops, no_second_special_stone_while_one_waits)
{
    EXPECT_EQ(count_specials(game, window, 600, joker), 0);
}

TEST_F(Drops, a_special_stone_is_dynamite_when_the_count_is_a_multiple_of_five)
{
    int jokers = 0;
    int dynamites = 0;
    for (int second = 0; second < 300; ++second) {
        for (const int stones : {4, 5}) {
            for (int n = 0; n < Kaestchen; ++n) {
                game.squares[n].color = n < stones ? pattern_colour(n) : empty_code;
            }
            for (Square& square : game.preview) {
                square.joker_type = no_kind;
            }
            game.preview_pos = 0;
            game.preview_colors[0] = 1;
            window.clock = second;
            game.drop_stone();
            const int kind = game.preview[0].joker_type;
            if (kind != no_kind) {
                EXPECT_EQ(kind, stones == 4 ? dynamite : joker) << "second " << second;
                (kind == dynamite ? dynamites : jokers) += 1;
            }
        }
    }
    EXPECT_GT(jokers, 0);
    EXPECT_GT(dynamites, 0);
}

class SpecialDrops : public EngineTest {
protected:
    // Every square but (0,4) and one more is taken; a joker on (0,4) would
    // complete the red row of the top line.
    void prepare(std::string_view second_row)
    {
        fill_without_rows(81);
        setup({"RRRR.BYBY", second_row});
        game.preview_pos = 0;
        game.set_preview(special_stone, joker);
        game.preview_pos = 0;
    }
};

TEST_F(SpecialDrops, a_joker_that_would_complete_a_row_lands_elsewhere)
{
    for (int second = 0; second < 20; ++second) {
        SCOPED_TRACE(second);
        prepare("YBYBYBYB.");
        window.clock = second;
        game.drop_stone();
        EXPECT_EQ(game.squares[at(0, 4)].color, empty_code);
        EXPECT_EQ(game.squares[at(1, 8)].color, growth_code(special_stone));
        EXPECT_EQ(game.squares[at(1, 8)].joker_type, joker);
        EXPECT_EQ(game.squares[1].color, 1);
        EXPECT_EQ(game.score_display->get_value(), 0);
    }
}

TEST_F(SpecialDrops, when_every_free_square_completes_a_row_the_joker_takes_the_drawn_one)
{
    for (int second = 0; second < 20; ++second) {
        SCOPED_TRACE(second);
        prepare("GGGG.YBYB");
        game.score_display->set_value(0);
        window.clock = second;
        game.drop_stone();
        const int placed = game.grow_slots[game.grow_pos];
        EXPECT_TRUE(placed == at(0, 4) || placed == at(1, 4));
        EXPECT_EQ(game.score_display->get_value(), 3);  // its row vanishes at once
        EXPECT_FALSE(is_special_code(game.squares[1].color));
        finish_vanishing();
    }
}

}  // namespace
}  // namespace lumbra::engine_test
