// Rows of five: what vanishes, what stays and what it scores.

#include "engine_fixture.h"

namespace lumbra::engine_test {
namespace {

struct RowCase {
    const char* name;
    std::vector<std::string_view> board;  // the lower-case stone has just come to rest
    bool removes;
    std::vector<std::string> after;       // the board once the vanishing is over
    int score;
};

class RowRules : public EngineTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(RowRules, check_of_the_marked_square)
{
    const RowCase& c = GetParam();
    setup(c.board);
    ASSERT_GE(marked, 0);
    game.stone_count = game.count_stones();

    EXPECT_EQ(game.check_lines(marked), c.removes);
    finish_vanishing();

    EXPECT_EQ(rows(static_cast<int>(c.after.size())), c.after);
    EXPECT_EQ(game.score_display->get_value(), c.score);
    EXPECT_EQ(game.stone_count, game.count_stones());
    EXPECT_FALSE(game.busy);
}

const RowCase row_cases[] = {
    {"four_in_a_row_stay", {"RRRr....."}, false, {"RRRR....."}, 0},
    {"fifth_at_the_end", {"RRRRr...."}, true, {"........."}, 3},
    {"fifth_in_a_gap", {"RRrRR...."}, true, {"........."}, 3},
    {"vertical_five", {"G........", "G........", "g........", "G........", "G........"}, true,
     {".........", ".........", ".........", ".........", "........."}, 3},
    {"diagonal_five", {"B........", ".B.......", "..B......", "...B.....", "....b...."}, true,
     {".........", ".........", ".........", ".........", "........."}, 5},
    {"anti_diagonal_five", {"....Y....", "...Y.....", "..y......", ".Y.......", "Y........"}, true,
     {".........", ".........", ".........", ".........", "........."}, 5},
    {"straight_six", {"RRRRRr..."}, true, {"........."}, 5},
    {"diagonal_six",
     {"L........", ".L.......", "..L......", "...L.....", "....L....", ".....l..."}, true,
     {".........", ".........", ".........", ".........", ".........", "........."}, 8},
    {"two_straight_fives_cross_at_the_square",
     {"....K....", "....K....", "..KKkKK..", "....K....", "....K...."}, true,
     {".........", ".........", ".........", ".........", "........."}, 17},
    {"row_does_not_wrap_to_the_next_row", {"......RRR", "RRr......"}, false,
     {"......RRR", "RRR......"}, 0},
    {"other_colour_ends_the_run", {"RRGRr...."}, false, {"RRGRR...."}, 0},
    {"joker_inside_the_row", {"RRJRr...."}, true, {"........."}, 3},
    {"question_ball_acts_as_joker", {"RRQRr...."}, true, {"........."}, 3},
    {"joker_between_four_red_and_four_green", {"RRRRjGGGG"}, true, {"........."}, 17},
    {"joker_on_the_square_takes_each_side_its_own_colour", {"RRRRjGGG."}, true,
     {".....GGG."}, 3},
    {"joker_between_two_colours_counts_for_both_sides", {"GGGGJRRRr"}, true, {"GGGG....."}, 3},
    {"joker_counts_once_when_both_sides_match", {"RJRr....."}, false, {"RJRR....."}, 0},
    {"special_stones_alone_never_make_a_row", {"..JJjJJ.."}, false, {"..JJJJJ.."}, 0},
    {"five_specials_of_all_kinds_stay", {"..JDqQJ.."}, false, {"..JDQQJ.."}, 0},
    {"run_of_specials_takes_the_first_colour", {"JJJJr...."}, true, {"........."}, 3},
    {"dynamite_row_sweeps_its_colour",
     {"RRRRd....", "R...G....", "........R"}, true,
     {".........", "....G....", "........."}, 3},
    {"dynamite_inside_the_row_sweeps_too", {"RRDRr....", ".....R..G"}, true,
     {".........", "........G"}, 3},
    {"dynamite_on_a_diagonal_scores_five", {"Y........", ".Y.......", "..D......", "...Y.....",
                                             "....y...Y"},
     true, {".........", ".........", ".........", ".........", "........."}, 5},
    {"dynamite_sweeps_only_colours_holding_a_row", {"RRRRd...G", "G........"}, true,
     {"........G", "G........"}, 3},
};

INSTANTIATE_TEST_SUITE_P(Engine, RowRules, ::testing::ValuesIn(row_cases),
                         [](const auto& info) { return std::string(info.param.name); });

class Rows : public EngineTest {};

TEST_F(Rows, neighbours_end_at_the_edges_without_wrapping)
{
    setup({"RGBYLKPRG",
           "BYLKPRGBY"});
    EXPECT_EQ(game.neighbour_code(4, 'u', 'n'), 0);
    EXPECT_EQ(game.neighbour_code(8, 'n', 'r'), 0);   // not square 9
    EXPECT_EQ(game.neighbour_code(9, 'n', 'l'), 0);   // not square 8
    EXPECT_EQ(game.neighbour_code(76, 'd', 'n'), 0);
    EXPECT_EQ(game.neighbour_code(9, 'u', 'r'), 2);
    EXPECT_EQ(game.neighbour_code(1, 'd', 'l'), 3);
    EXPECT_EQ(game.neighbour_code(17, 'u', 'n'), 2);
    EXPECT_EQ(Spielklasse::step(10, 'u', 'l'), 0);
    EXPECT_EQ(Spielklasse::step(10, 'd', 'r'), 20);
}

TEST_F(Rows, direction_letters_outside_the_sets_stop_the_program)
{
    EXPECT_DEATH(game.neighbour_code(40, 'x', 'n'), "vertical_direction=='u'");
    EXPECT_DEATH(game.neighbour_code(40, 'u', 'u'), "horizontal_direction=='l'");
}

struct MatchCase {
    int a;
    int b;
    bool matches;
};

class Matches : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Matches, a_stone_continues_a_run)
{
    EXPECT_EQ(Spielklasse::matches(GetParam().a, GetParam().b), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Engine, Matches,
                         ::testing::Values(MatchCase{0, 1, false},    // empty ends it
                                           MatchCase{3, 11, true},    // blue, bouncing blue
                                           MatchCase{51, 83, true},   // growing and vanishing blue
                                           MatchCase{2, 3, false},    // other colour
                                           MatchCase{8, 3, true},     // a special stone goes on
                                           MatchCase{5, 56, true},    // after specials only
                                           MatchCase{48, 88, true}));

TEST_F(Rows, check_on_an_empty_square_leaves_the_selected_ball_bouncing)
{
    setup({"R........"});
    game.squares[0].color = 17;  // bouncing
    game.selected = &game.squares[0];
    EXPECT_FALSE(game.check_lines(at(4, 4)));
    EXPECT_EQ(game.squares[0].color, 17);
    EXPECT_EQ(game.selected, &game.squares[0]);
}

TEST_F(Rows, removal_plays_plop_away_and_clears_the_selection)
{
    setup({"RRRRr....", "G........"});
    game.selected = &game.squares[at(1, 0)];
    game.squares[at(1, 0)].color = 10;  // green, bouncing
    ASSERT_TRUE(game.check_lines(marked));
    EXPECT_EQ(game.selected, nullptr);
    EXPECT_EQ(game.squares[at(1, 0)].color, 2);  // back at rest
    EXPECT_EQ(window.sounds, std::vector<int>{2});
    EXPECT_TRUE(game.busy);
}

TEST_F(Rows, removed_stones_vanish_through_their_frames_together)
{
    setup({"RRRRr...."});
    ASSERT_TRUE(game.check_lines(marked));
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(game.squares[n].color, 81);
    }
    EXPECT_EQ(finish_vanishing(), 5);
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(window.pictures_of(game.squares[n]),
                  (std::vector<std::string>{"red0004", "red0003", "red0002", "red0001", "red0000",
                                            "empty"}));
    }
}

TEST_F(Rows, dynamite_marks_removed_stones_as_blasts_and_spares_moving_ones)
{
    setup({"RRRRd....", "........R", ".......R."});
    game.squares[at(1, 8)].color = 49;  // still growing: not swept
    game.squares[at(2, 7)].color = 25;  // bouncing: not swept
    ASSERT_TRUE(game.check_lines(marked));

    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(game.squares[n].joker_type, blast) << n;
    }
    EXPECT_EQ(game.squares[at(1, 8)].color, 49);
    EXPECT_EQ(game.squares[at(2, 7)].color, 25);
}

TEST_F(Rows, swept_stones_show_the_blast_frames)
{
    setup({"RRRRd....", "........R"});
    ASSERT_TRUE(game.check_lines(marked));
    const Square& swept = game.squares[at(1, 8)];
    EXPECT_EQ(swept.joker_type, blast);
    finish_vanishing();
    EXPECT_EQ(window.pictures_of(swept),
              (std::vector<std::string>{"dynamit0013", "dynamit0012", "dynamit0014", "dynamit0015",
                                        "empty"}));
    EXPECT_EQ(game.score_display->get_value(), 3);  // swept stones score nothing
}

TEST_F(Rows, a_vanishing_row_takes_part_in_no_later_check)
{
    setup({"RRRRr...."});
    game.stone_count = game.count_stones();
    ASSERT_TRUE(game.check_lines(marked));
    game.vanish_step();  // the row is half gone

    game.squares[5].color = 1;  // a red stone lands beside the vanishing row
    EXPECT_FALSE(game.check_lines(5));
    EXPECT_FALSE(game.check_lines(2));  // a vanishing square itself finds nothing
    EXPECT_EQ(game.score_display->get_value(), 3);
    finish_vanishing();
    EXPECT_EQ(rows(1), std::vector<std::string>{".....R..."});
}

}  // namespace
}  // namespace lumbra::engine_test
