#include "hall_of_fame.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace lumbra {
namespace {

const QStringList default_ranks = {
    "1.    150      Vex",
    "2.    135      Orla",
    "3.    120      Mr. Brandt",
    "4.    105      Anton Lisle Marrow",
    "5.    90       Tobin Hale",
    "6.    75       Simon Carrow",
    "7.    60       Milo Dantry",
    "8.    45       Felix Ambry",
    "9.    30       Peter R. Lumm",
};

QStringList current_mode(const HallOfFame& hall) { return hall.lines().mid(0, 9); }
QStringList other_mode(const HallOfFame& hall) { return hall.lines().mid(20, 9); }

TEST(HallOfFameDefaults, BothModesStartWithTheSameNineLines)
{
    const HallOfFame hall;
    ASSERT_EQ(hall.lines().size(), 29);
    EXPECT_EQ(current_mode(hall), default_ranks);
    EXPECT_EQ(other_mode(hall), default_ranks);
    for (int i = 9; i < 20; ++i)
        EXPECT_TRUE(hall.lines()[i].isEmpty()) << "line " << i;
}

TEST(HallOfFameDefaults, ScoresFallByFifteenFrom150To30)
{
    const HallOfFame hall;
    for (int rank = 0; rank < 9; ++rank)
        EXPECT_EQ(line_score(hall.lines()[rank]), 150 - 15 * rank);
}

struct EntryCase {
    const char* name;
    int score;
    std::optional<int> index;
};

void PrintTo(const EntryCase& entry, std::ostream* out) { *out << entry.name; }

class EntryIndex : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryIndex, AgainstTheDefaultList)
{
    EXPECT_EQ(HallOfFame().entry_index(GetParam().score), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, EntryIndex,
    testing::Values(EntryCase{"equal_to_rank_9_does_not_enter", 30, std::nullopt},
                    EntryCase{"below_rank_9_does_not_enter", 29, std::nullopt},
                    EntryCase{"zero_does_not_enter", 0, std::nullopt},
                    EntryCase{"one_more_than_rank_9_enters_at_rank_9", 31, 8},
                    EntryCase{"tie_with_rank_3_goes_below_it", 120, 3},
                    EntryCase{"tie_with_rank_1_goes_to_rank_2", 150, 1},
                    EntryCase{"above_rank_1_enters_at_rank_1", 151, 0},
                    EntryCase{"between_ranks_goes_above_the_lower", 100, 4}),
    [](const testing::TestParamInfo<EntryCase>& info) { return info.param.name; });

struct LineStartCase {
    const char* name;
    int index;
    int score;
    const char* start;
};

void PrintTo(const LineStartCase& line_start, std::ostream* out) { *out << line_start.name; }

class NewLineStart : public testing::TestWithParam<LineStartCase> {};

TEST_P(NewLineStart, NameStartsAtColumn17)
{
    EXPECT_EQ(new_line_start(GetParam().index, GetParam().score),
              QString::fromLatin1(GetParam().start));
}

INSTANTIATE_TEST_SUITE_P(
    Blanks, NewLineStart,
    testing::Values(LineStartCase{"one_digit_nine_blanks", 0, 5, "1.    5         "},
                    LineStartCase{"three_digits_seven_blanks", 0, 150, "1.    150       "},
                    LineStartCase{"four_digits_six_blanks", 3, 1250, "4.    1250      "},
                    LineStartCase{"zero_has_no_digits_ten_blanks", 1, 0, "2.              "},
                    LineStartCase{"rank_9", 8, 31, "9.    31        "},
                    LineStartCase{"ten_digits_no_blank", 0, 1234567890, "1.    1234567890"}),
    [](const testing::TestParamInfo<LineStartCase>& info) { return info.param.name; });

struct ScoreCase {
    const char* name;
    const char* line;
    int score;
};

void PrintTo(const ScoreCase& score, std::ostream* out) { *out << score.name; }

class LineScore : public testing::TestWithParam<ScoreCase> {};

TEST_P(LineScore, ReadsColumn7UpToTheNextBlank)
{
    EXPECT_EQ(line_score(QString::fromUtf8(GetParam().line)), GetParam().score);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineScore,
    testing::Values(ScoreCase{"default_line", "5.    90       Tobin Hale", 90},
                    ScoreCase{"made_by_an_entry", "1.    5         Ann", 5},
                    ScoreCase{"score_without_name", "1.    1250", 1250},
                    ScoreCase{"digits_in_the_name_do_not_count", "2.    7         R2 D2", 7},
                    ScoreCase{"empty_line_counts_as_zero", "", 0},
                    ScoreCase{"short_line_counts_as_zero", "1.", 0},
                    ScoreCase{"letters_count_as_zero", "1.    abc       Vex", 0},
                    ScoreCase{"sign_counts_as_zero", "1.    -5        Vex", 0},
                    ScoreCase{"blank_at_column_7_counts_as_zero", "1.     150      Vex", 0},
                    ScoreCase{"too_large_counts_as_zero", "1.    99999999999999 Vex", 0},
                    ScoreCase{"other_script_counts_as_zero", "1.    ٣٠        Vex", 0}),
    [](const testing::TestParamInfo<ScoreCase>& info) { return info.param.name; });

TEST(HallOfFameInsert, AtRank1EveryEntryMovesDownWithItsRankRewritten)
{
    HallOfFame hall;
    hall.insert(0, 151, QStringLiteral("Ann"));
    QStringList expected = {QStringLiteral("1.    151       Ann")};
    for (int rank = 0; rank < 8; ++rank)
        expected.append(QString::number(rank + 2) + default_ranks[rank].mid(1));
    EXPECT_EQ(current_mode(hall), expected);
    EXPECT_EQ(other_mode(hall), default_ranks);
}

TEST(HallOfFameInsert, AtRank9OnlyTheLastEntryIsReplaced)
{
    HallOfFame hall;
    hall.insert(8, 31, QStringLiteral("Bo"));
    QStringList expected = default_ranks.mid(0, 8);
    expected.append(QStringLiteral("9.    31        Bo"));
    EXPECT_EQ(current_mode(hall), expected);
}

TEST(HallOfFameInsert, TieWith120GoesToRank4BelowTheDefault120)
{
    HallOfFame hall;
    hall.insert(*hall.entry_index(120), 120, QStringLiteral("Cy Lee"));
    EXPECT_EQ(hall.lines()[2], default_ranks[2]);
    EXPECT_EQ(hall.lines()[3], QStringLiteral("4.    120       Cy Lee"));
    EXPECT_EQ(hall.lines()[4], QStringLiteral("5.    105      Anton Lisle Marrow"));
    EXPECT_EQ(hall.lines()[8], QStringLiteral("9.    45       Felix Ambry"));
}

TEST(HallOfFameInsert, NameIsKeptAsTyped)
{
    HallOfFame hall;
    const QString name = QStringLiteral("  Jürgen  Weiß  ");
    hall.insert(0, 200, name);
    EXPECT_EQ(hall.lines()[0], new_line_start(0, 200) + name);
}

TEST(HallOfFameModes, ExchangeSwapsTheTwoListsAndTwiceIsBack)
{
    HallOfFame hall;
    hall.insert(0, 500, QStringLiteral("Regular"));
    const QStringList played = hall.lines();

    hall.exchange_modes();
    EXPECT_EQ(current_mode(hall), default_ranks);
    EXPECT_EQ(other_mode(hall), played.mid(0, 9));

    hall.exchange_modes();
    EXPECT_EQ(hall.lines(), played);
}

TEST(HallOfFameModes, EntryGoesIntoTheListOfTheModeBeingPlayed)
{
    HallOfFame hall;
    hall.exchange_modes();
    hall.insert(0, 500, QStringLiteral("Hard"));
    hall.exchange_modes();
    EXPECT_EQ(current_mode(hall), default_ranks);
    EXPECT_EQ(hall.lines()[20], QStringLiteral("1.    500       Hard"));
}

}  // namespace
}  // namespace lumbra
