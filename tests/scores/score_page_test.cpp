#include "score_page.h"

#include "hall_of_fame.h"
#include "qstring_printing.h"
#include "score_page_fixture.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

using testing_pages::falling_rows;
using testing_pages::page_with_rows;
using testing_pages::row;
using testing_pages::row_line;

struct PageCase {
    const char* name;
    QStringList page;
    // The first row read, or nothing when the page must be found unreadable.
    std::optional<score> first_row;
};

void PrintTo(const PageCase& page_case, std::ostream* out) { *out << page_case.name; }

class ReadWebTable : public testing::TestWithParam<PageCase> {};

TEST_P(ReadWebTable, FindsTheFirstRowOrRefusesThePage)
{
    const std::optional<QList<score>> table = read_web_table(GetParam().page);
    ASSERT_EQ(table.has_value(), GetParam().first_row.has_value());
    if (!table)
        return;
    ASSERT_EQ(table->size(), 9);
    EXPECT_EQ(table->front(), *GetParam().first_row);
}

QStringList with_marker(const QString& marker)
{
    // Lines 1, 4, ... hold rows of their own, so a page read as if it had no
    // marker shows it by its first row "Early".
    QStringList page = page_with_rows(falling_rows(), marker);
    QStringList early;
    for (int r = 0; r < 9; ++r)
        early << row_line(999 - r, QStringLiteral("Early"), QStringLiteral("Chile")) << QString() << QString();
    return QStringList{QStringLiteral("<HTML>")} + early + page;
}

QStringList with_row_line(const QString& first_row_line)
{
    QStringList page = page_with_rows(falling_rows());
    page[3] = first_row_line;
    return page;
}

QStringList without_last_row()
{
    QList<score> rows = falling_rows();
    rows.removeLast();
    QStringList page = page_with_rows(rows);
    page.removeLast();
    return page;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ReadWebTable,
    testing::Values(
        PageCase{"marker_in_lower_case", with_marker(QStringLiteral("<!-- first row -->")),
                 row(200, QStringLiteral("Web 1"))},
        PageCase{"marker_in_capitals", with_marker(QStringLiteral("<!-- FIRST ROW -->")),
                 row(200, QStringLiteral("Web 1"))},
        PageCase{"blank_before_the_marker_is_another_line",
                 with_marker(QStringLiteral(" <!-- first row -->")),
                 row(999, QStringLiteral("Early"), QStringLiteral("Chile"))},
        PageCase{"no_marker_reads_from_line_1", with_marker(QStringLiteral("<!-- rows -->")),
                 row(999, QStringLiteral("Early"), QStringLiteral("Chile"))},
        PageCase{"blanks_around_values_are_removed",
                 with_row_line(QStringLiteral(
                     "<TD><!--poi-->  150  </TD><TD><!--nam-->\t Ann Lee </TD><TD><!--cou--> Peru </TD>")),
                 row(150, QStringLiteral("Ann Lee"), QStringLiteral("Peru"))},
        PageCase{"cells_need_no_fixed_columns",
                 with_row_line(QStringLiteral("<!--poi-->7</TD><!--nam-->Bo</TD><!--cou-->Fiji</TD>")),
                 row(7, QStringLiteral("Bo"), QStringLiteral("Fiji"))},
        // The country is searched for after the name's keyword, so the name's
        // own "cou" starts the country cell.
        PageCase{"name_containing_cou_starts_the_country",
                 with_row_line(row_line(150, QStringLiteral("Jodi Picoult"), QStringLiteral("Peru"))),
                 row(150, QStringLiteral("Jodi Picoult"), QStringLiteral("/TD><TD><!--cou-->Peru"))},
        PageCase{"missing_end_tag_leaves_the_name_empty",
                 with_row_line(QStringLiteral("<!--poi-->150</TD><!--nam-->Ann")),
                 row(150, QString(), QString())},
        PageCase{"too_short", without_last_row(), std::nullopt},
        PageCase{"points_not_a_number", with_row_line(row_line(0, QStringLiteral("Ann"), QStringLiteral("Peru"))
                                                          .replace(QStringLiteral("-->0<"), QStringLiteral("-->1O0<"))),
                 std::nullopt},
        PageCase{"points_too_large", with_row_line(QStringLiteral("<!--poi-->99999999999</TD>")), std::nullopt},
        PageCase{"empty_page", QStringList(), std::nullopt}),
    [](const testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

TEST(ParseLocalLine, ReadsDefaultAndNewEntries)
{
    EXPECT_EQ(parse_local_line(QStringLiteral("1.    150      Vex")),
              row(150, QStringLiteral("Vex"), QStringLiteral("???")));
    EXPECT_EQ(parse_local_line(new_line_start(8, 5) + QStringLiteral("Ann Lee ")),
              row(5, QStringLiteral("Ann Lee"), QStringLiteral("???")));
    EXPECT_EQ(parse_local_line(new_line_start(0, 1234567) + QStringLiteral("Max")),
              row(1234567, QStringLiteral("Max"), QStringLiteral("???")));
}

TEST(ParseLocalLine, DamagedLineIsNoEntry)
{
    EXPECT_FALSE(parse_local_line(QString()));
    EXPECT_FALSE(parse_local_line(QStringLiteral("1.    lots     Vex")));
}

TEST(IsDefaultEntry, NeedsADefaultNameAndAMultipleOfFive)
{
    EXPECT_TRUE(is_default_entry(row(150, QStringLiteral("Vex"))));
    EXPECT_TRUE(is_default_entry(row(0, QStringLiteral("Peter R. Lumm"))));
    EXPECT_FALSE(is_default_entry(row(151, QStringLiteral("Vex"))));
    EXPECT_FALSE(is_default_entry(row(150, QStringLiteral("vex"))));
    EXPECT_FALSE(is_default_entry(row(150, QStringLiteral("Vexx"))));
}

TEST(TableLine, PutsNameAndCountryInTheirColumns)
{
    EXPECT_EQ(table_line(row(150, QStringLiteral("Vex"), QStringLiteral("Peru"))),
              QStringLiteral("150       Vex                      Peru"));
    const QString long_name(30, u'n');
    EXPECT_EQ(table_line(row(1234567890, long_name, QStringLiteral("Peru"))),
              QStringLiteral("1234567890") + long_name + QStringLiteral("Peru"));
}

}  // namespace
}  // namespace lumbra
