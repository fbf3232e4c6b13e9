// The picture every code shows, and what happens when a library lacks one.

#include "engine_fixture.h"

#include <string>

namespace lumbra::engine_test {
namespace {

struct PictureCase {
    int code;
    int kind;
    std::string name;
};

std::string frame_text(int step)
{
    const std::string digits = std::to_string((step + 5) % 11);
    return std::string(4 - digits.size(), '0') + digits;
}

// The whole table, built from the naming rule: a stone word and the frame
// (step + 5) mod 11; blast stones use frames 0012..0015 while they vanish.
std::vector<PictureCase> board_picture_cases()
{
    const std::vector<std::string> words = {"red", "green", "blue", "yellow",
                                            "lblue", "black", "purple"};
    const std::string blast_frames[] = {"dynamit0015", "dynamit0014", "dynamit0012", "dynamit0013",
                                        "dynamit0014"};
    std::vector<PictureCase> cases{{0, no_kind, "empty"}, {0, dynamite, "empty"}};
    for (int step = 0; step <= 10; ++step) {
        for (int colour = 1; colour <= 7; ++colour) {
            cases.push_back({colour + 8 * step, no_kind, words[colour - 1] + frame_text(step)});
            cases.push_back({colour + 8 * step, dynamite, words[colour - 1] + frame_text(step)});
        }
        const int code = 8 + 8 * step;
        cases.push_back({code, no_kind, "joker" + frame_text(step)});
        cases.push_back({code, joker, "joker" + frame_text(step)});
        cases.push_back({code, dynamite, "dynamit" + frame_text(step)});
        cases.push_back({code, question_ball, "quest" + frame_text(step)});
        cases.push_back({code, blast, step < 6 ? "joker" + frame_text(step) : blast_frames[step - 6]});
    }
    return cases;
}

class BoardPictures : public EngineTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(BoardPictures, set_field_shows)
{
    const PictureCase& c = GetParam();
    Square& square = game.squares[40];
    square.joker_type = c.kind;
    game.set_field(40, c.code);
    EXPECT_EQ(window.picture_of(square), c.name);
    EXPECT_EQ(square.color, c.code);
}

INSTANTIATE_TEST_SUITE_P(Engine, BoardPictures, ::testing::ValuesIn(board_picture_cases()),
                         [](const auto& info) {
                             return "code_" + std::to_string(info.param.code) + "_kind_" +
                                    std::to_string(info.param.kind);
                         });

class Pictures : public EngineTest {};

TEST_F(Pictures, emptying_a_dynamite_square_resets_its_kind)
{
    Square& square = game.squares[10];
    square.joker_type = dynamite;
    game.set_field(10, special_stone);
    game.set_field(10, empty_code);
    EXPECT_EQ(window.picture_of(square), "empty");
    EXPECT_EQ(square.joker_type, no_kind);
    game.set_field(10, special_stone);
    EXPECT_EQ(window.picture_of(square), "joker0005");
}

TEST_F(Pictures, a_question_ball_at_rest_shows_the_joker_frame_beneath_its_own)
{
    Square& square = game.squares[3];
    square.joker_type = question_ball;
    game.set_field(3, 16);
    game.set_field(3, 56);
    EXPECT_EQ(window.pictures_of(square),
              (std::vector<std::string>{"joker0006", "quest0006", "quest0000"}));
}

TEST_F(Pictures, code_89_keeps_the_picture_and_stores_the_code)
{
    Square& square = game.squares[7];
    game.set_field(7, 3);
    game.set_field(7, 89);
    EXPECT_EQ(window.pictures_of(square), std::vector<std::string>{"blue0005"});
    EXPECT_EQ(square.color, 89);
}

TEST_F(Pictures, a_missing_picture_shows_the_error_box_and_leaves_the_square_as_it_was)
{
    Square& square = game.squares[20];
    square.joker_type = question_ball;
    game.set_field(20, 32);
    window.missing.insert("quest0003");

    game.set_field(20, 80);

    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].caption, "Error... sorry...");
    EXPECT_EQ(window.messages[0].text, "Error #1 occured. Please inform the game's author.");
    EXPECT_EQ(window.messages[0].icon, MessageIcon::stop);
    EXPECT_EQ(square.color, 32);
    EXPECT_EQ(square.joker_type, question_ball);
    EXPECT_EQ(window.picture_of(square), "quest0008");
}

TEST_F(Pictures, a_missing_empty_picture_keeps_the_kind)
{
    Square& square = game.squares[20];
    square.joker_type = dynamite;
    game.set_field(20, special_stone);
    window.missing.insert("empty");
    game.set_field(20, empty_code);
    EXPECT_EQ(square.joker_type, dynamite);
    EXPECT_EQ(square.color, special_stone);
}

TEST_F(Pictures, square_numbers_and_codes_out_of_range_stop_the_program)
{
    EXPECT_DEATH(game.set_field(81, 0), "\\(Kaestchen>field\\)");
    EXPECT_DEATH(game.set_field(-1, 0), "\\(0<=field\\)");
    EXPECT_DEATH(game.set_field(0, 90), "\\(89>=color\\)");
}

struct PreviewCase {
    const char* name;
    int code;
    int kind;
    const char* picture;
    int kind_after;
};

class PreviewPictures : public EngineTest, public ::testing::WithParamInterface<PreviewCase> {};

TEST_P(PreviewPictures, set_preview_shows)
{
    const PreviewCase& c = GetParam();
    game.preview_pos = 1;
    game.set_preview(c.code, c.kind);
    EXPECT_EQ(window.picture_of(game.preview[1]), c.picture);
    EXPECT_EQ(game.preview[1].joker_type, c.kind_after);
    EXPECT_EQ(game.preview[1].color, c.code);
    EXPECT_EQ(game.preview_colors[1], c.code);
    EXPECT_EQ(game.preview_pos, 2);
}

const PreviewCase preview_cases[] = {
    {"empty", 0, 0, "empty", 0},
    {"red", 1, 0, "red0005", 0},
    {"blue_ignores_a_kind", 3, 2, "blue0005", 0},
    {"purple", 7, 0, "purple0005", 0},
    {"joker", 8, 1, "joker0005", 1},
    {"dynamite", 8, 2, "dynamit0005", 2},
    {"question_ball", 8, 3, "quest0005", 3},
};

INSTANTIATE_TEST_SUITE_P(Engine, PreviewPictures, ::testing::ValuesIn(preview_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Pictures, the_preview_ring_goes_round)
{
    game.preview_pos = 2;
    game.set_preview(4, no_kind);
    EXPECT_EQ(game.preview_pos, 0);
    EXPECT_EQ(window.picture_of(game.preview[2]), "yellow0005");
}

TEST_F(Pictures, a_missing_preview_picture_reports_and_still_moves_the_ring_on)
{
    window.missing.insert("green0005");
    game.preview_pos = 0;
    game.set_preview(2, no_kind);
    EXPECT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(game.preview_pos, 1);
    EXPECT_EQ(game.preview_colors[0], 2);
}

TEST_F(Pictures, a_special_preview_stone_needs_a_kind)
{
    EXPECT_DEATH(game.set_preview(8, 0), "joker_type!=0");
}

}  // namespace
}  // namespace lumbra::engine_test
