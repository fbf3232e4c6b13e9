#include "score_evaluation.h"

#include "qstring_printing.h"
#include "score_page_fixture.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

using testing_pages::falling_rows;
using testing_pages::hall_of_fame;
using testing_pages::page_with_rows;
using testing_pages::row;

// Unless a case says otherwise, the page holds 200, 180, ..., 40 ("Web 1" .. "Web 9").
struct EvaluationCase {
    const char* name;
    QList<score> page_rows;
    QList<score> local_entries;  // the best hall-of-fame lines; default entries fill the rest
    QStringList posted;
    std::array<int, 9> post_index;
};

void PrintTo(const EvaluationCase& evaluation_case, std::ostream* out) { *out << evaluation_case.name; }

class EvaluatePage : public testing::TestWithParam<EvaluationCase> {};

TEST_P(EvaluatePage, PlacesTheQualifyingEntries)
{
    QStringList posted = GetParam().posted;
    const std::optional<ScoreEvaluation> evaluation =
        evaluate_page(page_with_rows(GetParam().page_rows), hall_of_fame(GetParam().local_entries), posted);
    ASSERT_TRUE(evaluation);
    EXPECT_EQ(evaluation->post_index, GetParam().post_index);
    EXPECT_EQ(evaluation->web_rows.size(), 9);
    EXPECT_EQ(evaluation->any_qualifies(),
              std::ranges::any_of(GetParam().post_index, [](int index) { return index >= 0; }));
}

constexpr int no = -1;

QList<score> with_row(qsizetype index, const score& replacement)
{
    QList<score> rows = falling_rows();
    rows[index] = replacement;
    return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluatePage,
    testing::Values(
        EvaluationCase{"nothing_but_default_entries", falling_rows(), {}, {}, {no, no, no, no, no, no, no, no, no}},
        EvaluationCase{"tie_goes_below_the_page_row", falling_rows(), {row(180, QStringLiteral("Ann"))}, {},
                       {2, no, no, no, no, no, no, no, no}},
        EvaluationCase{"later_entries_land_below_earlier_ones", falling_rows(),
                       {row(300, QStringLiteral("Ann")), row(250, QStringLiteral("Bo")), row(90, QStringLiteral("Cy"))},
                       {}, {0, 1, 8, no, no, no, no, no, no}},
        EvaluationCase{"too_few_points_for_the_table", falling_rows(), {row(39, QStringLiteral("Ann"))}, {},
                       {no, no, no, no, no, no, no, no, no}},
        EvaluationCase{"name_on_the_page_with_more_points", with_row(1, row(190, QStringLiteral("Ann"))),
                       {row(170, QStringLiteral("Ann"))}, {}, {no, no, no, no, no, no, no, no, no}},
        EvaluationCase{"name_on_the_page_with_as_many_points", with_row(1, row(190, QStringLiteral("Ann"))),
                       {row(190, QStringLiteral("Ann"))}, {}, {no, no, no, no, no, no, no, no, no}},
        EvaluationCase{"name_on_the_page_with_fewer_points_is_merged_above_it",
                       with_row(4, row(120, QStringLiteral("Ann"))), {row(150, QStringLiteral("Ann"))}, {},
                       {3, no, no, no, no, no, no, no, no}},
        EvaluationCase{"default_name_with_a_score_not_a_multiple_of_5", falling_rows(),
                       {row(151, QStringLiteral("Vex"))}, {}, {3, no, no, no, no, no, no, no, no}},
        EvaluationCase{"default_name_with_a_multiple_of_5", falling_rows(), {row(155, QStringLiteral("Vex"))}, {},
                       {no, no, no, no, no, no, no, no, no}},
        EvaluationCase{"one_name_at_ranks_1_and_3_counts_once", falling_rows(),
                       {row(300, QStringLiteral("Ann")), row(250, QStringLiteral("Bo")), row(220, QStringLiteral("Ann"))},
                       {}, {0, 1, no, no, no, no, no, no, no}},
        EvaluationCase{"key_already_posted_in_other_letter_case", falling_rows(),
                       {row(300, QStringLiteral("Ann Lee")), row(250, QStringLiteral("Bo"))},
                       {QStringLiteral("300 ANN lee")}, {no, 0, no, no, no, no, no, no, no}}),
    [](const testing::TestParamInfo<EvaluationCase>& info) { return std::string(info.param.name); });

TEST(EvaluatePage, MergesEntriesWithoutCountryAndShowsThePageAsItWas)
{
    QStringList posted;
    const std::optional<ScoreEvaluation> evaluation =
        evaluate_page(page_with_rows(falling_rows()), hall_of_fame({row(190, QStringLiteral("Ann"))}), posted);
    ASSERT_TRUE(evaluation);
    EXPECT_EQ(evaluation->web_rows[1], row(190, QStringLiteral("Ann"), QString()));
    EXPECT_EQ(evaluation->web_rows[8], row(60, QStringLiteral("Web 8")));
    ASSERT_EQ(evaluation->table_lines.size(), 9);
    EXPECT_EQ(evaluation->table_lines[1], table_line(row(180, QStringLiteral("Web 2"))));
    ASSERT_EQ(evaluation->local_rows.size(), 1);
    EXPECT_EQ(evaluation->local_rows[0], row(190, QStringLiteral("Ann"), QStringLiteral("???")));
}

TEST(EvaluatePage, AnEntryIsOfferedOnlyUntilItIsRecorded)
{
    QStringList posted = {QStringLiteral("10 Old")};
    const QStringList page = page_with_rows(falling_rows());
    const QStringList hall = hall_of_fame({row(190, QStringLiteral("Ann"))});
    ASSERT_TRUE(evaluate_page(page, hall, posted)->any_qualifies());
    EXPECT_EQ(posted, (QStringList{QStringLiteral("10 Old"), QStringLiteral("190 Ann")}));
    EXPECT_FALSE(evaluate_page(page, hall, posted)->any_qualifies());
}

TEST(EvaluatePage, UnreadablePageLeavesTheRecordAlone)
{
    QStringList posted = {QStringLiteral("10 Old")};
    QList<score> rows = falling_rows();
    rows.removeLast();
    EXPECT_FALSE(evaluate_page(page_with_rows(rows), hall_of_fame({row(190, QStringLiteral("Ann"))}), posted));
    EXPECT_EQ(posted, QStringList{QStringLiteral("10 Old")});
}

TEST(EvaluatePage, DamagedHallOfFameLineTakesNoPart)
{
    QStringList posted;
    QStringList hall = hall_of_fame({row(190, QStringLiteral("Ann")), row(185, QStringLiteral("Bo"))});
    hall[0] = QStringLiteral("garbage");
    const std::optional<ScoreEvaluation> evaluation = evaluate_page(page_with_rows(falling_rows()), hall, posted);
    ASSERT_TRUE(evaluation);
    EXPECT_EQ(evaluation->post_index[0], 1);
    EXPECT_EQ(evaluation->web_rows[1].name, QStringLiteral("Bo"));
}

}  // namespace
}  // namespace lumbra
