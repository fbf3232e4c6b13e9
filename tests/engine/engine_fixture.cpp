#include "engine_fixture.h"

#include <cctype>
#include <string>

namespace lumbra::engine_test {
namespace {

constexpr std::string_view colour_letters = ".RGBYLKP";

}  // namespace

Stone stone_of(char letter)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    switch (upper) {
    case 'J': return {special_stone, joker};
    case 'D': return {special_stone, dynamite};
    case 'Q': return {special_stone, question_ball};
    case 'X': return {special_stone, blast};
    default: break;
    }
    const auto colour = colour_letters.find(upper);
    EXPECT_NE(colour, std::string_view::npos) << "unknown letter " << letter;
    return {colour == std::string_view::npos ? 0 : static_cast<int>(colour), no_kind};
}

char letter_of(const Square& square)
{
    if (!is_special_code(square.color)) {
        return colour_letters[colour_of(square.color)];
    }
    switch (square.joker_type) {
    case dynamite: return 'D';
    case question_ball: return 'Q';
    case blast: return 'X';
    default: return 'J';
    }
}

void EngineTest::setup(const std::vector<std::string_view>& picture)
{
    for (int row = 0; row < static_cast<int>(picture.size()); ++row) {
        ASSERT_EQ(picture[row].size(), 9u) << "row " << row;
        for (int column = 0; column < 9; ++column) {
            const char letter = picture[row][column];
            const Stone stone = stone_of(letter);
            Square& square = game.squares[at(row, column)];
            square.joker_type = stone.kind;
            square.color = stone.code;
            if (std::islower(static_cast<unsigned char>(letter))) {
                marked = at(row, column);
            }
        }
    }
}

std::vector<std::string> EngineTest::rows(int count) const
{
    std::vector<std::string> result;
    for (int row = 0; row < count; ++row) {
        std::string text;
        for (int column = 0; column < 9; ++column) {
            text += letter_of(game.squares[at(row, column)]);
        }
        result.push_back(text);
    }
    return result;
}

void EngineTest::fill_without_rows(int count)
{
    for (int n = 0; n < count; ++n) {
        game.squares[n].color = pattern_colour(n);
        game.squares[n].joker_type = no_kind;
    }
    game.stone_count = game.count_stones();
}

int EngineTest::finish_vanishing()
{
    int passes = 0;
    while (!game.vanish_queue.is_empty() && passes < 100) {
        game.vanish_step();
        ++passes;
    }
    return passes;
}

}  // namespace lumbra::engine_test
