#include "pictures.h"
#include "saved_game.h"
#include "silent_game_window.h"
#include "spiel.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

QString repeated(char c, int count)
{
    return QString(count, QLatin1Char(c));
}

class SavedGameTest : public testing::Test {
protected:
    Square& square(int n) { return game.squares[static_cast<std::size_t>(n)]; }

    // A red ball on square 0, a joker on square 80, a score of 120 and two
    // stones owed.
    void lay_out_known_board()
    {
        game.set_field(0, 1);
        square(80).joker_type = joker;
        game.set_field(80, special_stone);
        game.score_display->set_value(120);
        game.pending_extra = 2;
    }

    SilentGameWindow window;
    Spielklasse game{window, 9, 9};
};

TEST_F(SavedGameTest, AKnownBoardIsKeptSquareBySquare)
{
    lay_out_known_board();
    const SavedGame saved = saved_game_of(game);
    EXPECT_EQ(saved.kinds, repeated('0', 80) + QStringLiteral("1"));
    EXPECT_EQ(saved.colours, QStringLiteral("1") + repeated('0', 79) + QStringLiteral("8"));
    EXPECT_EQ(saved.score, QStringLiteral("120"));
    EXPECT_EQ(saved.extra, QStringLiteral("2"));
}

TEST_F(SavedGameTest, StonesInMotionAreKeptAtRest)
{
    game.set_field(10, growth_code(3));  // a blue ball growing in
    game.set_field(11, 4 + 3 * code_step);  // a yellow ball bouncing
    square(12).joker_type = dynamite;
    game.set_field(12, vanish_code(special_stone) - code_step);  // a dynamite bar vanishing
    const SavedGame saved = saved_game_of(game);
    EXPECT_EQ(saved.colours.mid(10, 3), QStringLiteral("348"));
    EXPECT_EQ(saved.kinds.mid(10, 3), QStringLiteral("002"));
}

TEST_F(SavedGameTest, AKeptGameComesBackAtRestAndShows)
{
    lay_out_known_board();
    game.set_field(40, growth_code(5));
    const SavedGame saved = saved_game_of(game);

    SilentGameWindow other_window;
    Spielklasse restored(other_window, 9, 9);
    ASSERT_TRUE(take_over_saved_game(saved, restored));
    EXPECT_EQ(restored.squares[0].color, 1);
    EXPECT_EQ(restored.squares[40].color, 5);
    EXPECT_EQ(restored.squares[80].color, special_stone);
    EXPECT_EQ(restored.squares[80].joker_type, joker);
    EXPECT_EQ(restored.count_stones(), 3);
    EXPECT_EQ(restored.score_display->get_value(), 120);
    EXPECT_EQ(restored.pending_extra, 2);
    EXPECT_EQ(other_window.pictures[&restored.squares[80]], board_picture(special_stone, joker));
    EXPECT_EQ(other_window.pictures[&restored.squares[40]], board_picture(5, no_kind));
    EXPECT_EQ(other_window.pictures[&restored.squares[1]], board_picture(empty_code, no_kind));
    // No row is checked and the turn's state is untouched.
    EXPECT_EQ(restored.stone_count, 0);
    EXPECT_EQ(restored.selected, nullptr);
}

TEST_F(SavedGameTest, TheHighestKeptScoreComesBack)
{
    SavedGame saved{repeated('0', 81), repeated('0', 81), QStringLiteral("4999"), QStringLiteral("0")};
    ASSERT_TRUE(take_over_saved_game(saved, game));
    EXPECT_EQ(game.score_display->get_value(), 4999);
}

TEST_F(SavedGameTest, DigitsTheWriterNeverMakesAreTakenOverAsTheyStand)
{
    SavedGame saved{QStringLiteral("9") + repeated('0', 80), QStringLiteral("9") + repeated('0', 80),
                    QStringLiteral("0"), QStringLiteral("0")};
    ASSERT_TRUE(take_over_saved_game(saved, game));
    EXPECT_EQ(square(0).color, 9);
    EXPECT_EQ(square(0).joker_type, 9);
}

struct OwedCase {
    const char* name;
    const char* line;
    int owed;
};

class OwedStones : public SavedGameTest, public testing::WithParamInterface<OwedCase> {};

TEST_P(OwedStones, ComeBackWithinWhatABoardCanTake)
{
    SavedGame saved{repeated('0', 81), repeated('0', 81), QStringLiteral("0"),
                    QString::fromLatin1(GetParam().line)};
    ASSERT_TRUE(take_over_saved_game(saved, game));
    EXPECT_EQ(game.pending_extra, GetParam().owed);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OwedStones,
    testing::Values(OwedCase{"as_kept", "7", 7}, OwedCase{"negative_counts_as_none", "-4", 0},
                    OwedCase{"more_than_a_board_holds", "2000000000", 81},
                    OwedCase{"not_a_number", "x", 0}),
    [](const testing::TestParamInfo<OwedCase>& info) { return std::string(info.param.name); });

// Each way a kept game can be damaged; none of them may change the board.
struct RefusedCase {
    const char* name;
    QString kinds;
    QString colours;
    QString score;
};

class RefusedGame : public SavedGameTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedGame, ChangesNothing)
{
    game.set_field(5, 2);
    game.score_display->set_value(35);
    game.pending_extra = 1;
    const SavedGame before = saved_game_of(game);

    const RefusedCase& c = GetParam();
    EXPECT_FALSE(take_over_saved_game({c.kinds, c.colours, c.score, QStringLiteral("3")}, game));
    const SavedGame after = saved_game_of(game);
    EXPECT_EQ(after.kinds, before.kinds);
    EXPECT_EQ(after.colours, before.colours);
    EXPECT_EQ(after.score, before.score);
    EXPECT_EQ(after.extra, before.extra);
}

const QString board = QString(81, QLatin1Char('1'));

INSTANTIATE_TEST_SUITE_P(
    Forms, RefusedGame,
    testing::Values(
        RefusedCase{"kinds_empty", QString(), board, QStringLiteral("10")},
        RefusedCase{"kinds_too_short", board.left(80), board, QStringLiteral("10")},
        RefusedCase{"kinds_too_long", board + QStringLiteral("1"), board, QStringLiteral("10")},
        RefusedCase{"kinds_with_a_letter", QStringLiteral("a") + board.mid(1), board, QStringLiteral("10")},
        RefusedCase{"colours_empty", board, QString(), QStringLiteral("10")},
        RefusedCase{"colours_too_short", board, board.left(80), QStringLiteral("10")},
        RefusedCase{"colours_with_a_blank", board, board.left(80) + QStringLiteral(" "), QStringLiteral("10")},
        RefusedCase{"colours_with_a_sign", board, QStringLiteral("-") + board.mid(1), QStringLiteral("10")},
        RefusedCase{"colours_with_another_script_digit", board, QString(QChar(0x0663)) + board.mid(1), QStringLiteral("10")},
        RefusedCase{"score_of_5000", board, board, QStringLiteral("5000")},
        RefusedCase{"score_far_too_large", board, board, QStringLiteral("99999999999999")},
        RefusedCase{"score_with_a_letter", board, board, QStringLiteral("12a")},
        RefusedCase{"score_negative", board, board, QStringLiteral("-5")},
        RefusedCase{"score_empty", board, board, QString()}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    const char* text;
    bool digits;
    bool score;
};

class TextTests : public testing::TestWithParam<TextCase> {};

TEST_P(TextTests, TellDigitsAndScores)
{
    const QString text = QString::fromLatin1(GetParam().text);
    EXPECT_EQ(is_digit_text(text), GetParam().digits);
    EXPECT_EQ(is_score_text(text), GetParam().score);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextTests,
    testing::Values(TextCase{"empty", "", true, false}, TextCase{"zero", "0", true, true},
                    TextCase{"highest_score", "4999", true, true},
                    TextCase{"one_too_many", "5000", true, false},
                    TextCase{"leading_zero", "04999", true, true},
                    TextCase{"leading_blank", " 12", false, false},
                    TextCase{"plus_sign", "+12", false, false},
                    TextCase{"decimal_point", "1.5", false, false}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumbra
