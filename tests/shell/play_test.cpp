#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

#include "animation_timers.h"
#include "board_view.h"
#include "game_over.h"
#include "spiel.h"
#include "tmy_image.h"
#include "window_fixture.h"

namespace lumbra {
namespace {

class Play : public WindowTest {
protected:
    void SetUp() override
    {
        start();
        // The test drives every tick itself.
        window().timers().set_enabled(false);
    }

    void click(int n) { QTest::mouseClick(window().board().board_square(n), Qt::LeftButton); }
    Spielklasse& game() const { return window().game(); }
    int colour_at(int n) const { return game().squares[static_cast<std::size_t>(n)].color % 8; }
    int code_at(int n) const { return game().squares[static_cast<std::size_t>(n)].color; }
    // Move ticks until the travelling ball has arrived.
    void travel()
    {
        for (int tick = 0; tick < 100 && !game().path.is_empty(); ++tick) {
            window().move_travelling_ball();
        }
    }
    // The square of the travelling ball.
    int ball_square() const { return game().selected != nullptr ? game().selected->Tag : -1; }
};

TEST_F(Play, ABallTravelsOneSquarePerMoveTick)
{
    set_board({"R........"});
    click(0);
    ASSERT_EQ(game().selected, &game().squares[0]);
    click(3);
    EXPECT_TRUE(game().busy);

    // Each tick the ball stands on one square, one step from the last.
    std::vector<int> visited;
    while (!game().path.is_empty()) {
        window().move_travelling_ball();
        const int n = visited.empty() ? 0 : visited.back();
        if (game().busy) {
            visited.push_back(ball_square());
            EXPECT_EQ(colour_at(visited.back()), 1);
            EXPECT_EQ(game().count_stones(), 1);
            EXPECT_LE(visited.back() - n, 1);
        }
        ASSERT_LT(visited.size(), 5U);
    }
    EXPECT_EQ(visited, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(game().busy);
    EXPECT_EQ(colour_at(3), 1);
    // No row: the turn's three balls drop.
    EXPECT_EQ(game().count_stones(), 4);
}

TEST_F(Play, ASelectedBallBouncesOnHighlightTicks)
{
    set_board({"....B...."});
    click(4);
    window().highlight_selected();
    EXPECT_EQ(code_at(4), 3 + 8);
    window().highlight_selected();
    EXPECT_EQ(code_at(4), 3 + 16);
    EXPECT_TRUE(shows(*window().board().board_square(4), QStringLiteral("blue0007")));
}

TEST_F(Play, ACompletedRowVanishesAndScores)
{
    set_board({"RRRR.....", "....R...."});
    click(13);
    click(4);
    travel();
    EXPECT_TRUE(game().busy);
    EXPECT_EQ(game().score_display->get_value(), 3);
    EXPECT_TRUE(shows(window().board().digit(3), QStringLiteral("lcd3")));
    EXPECT_TRUE(shows(window().board().digit(2), QStringLiteral("lcd0")));

    // A click while the row vanishes changes nothing.
    click(40);
    EXPECT_EQ(game().selected, nullptr);

    for (int pass = 0; pass < 5 && game().busy; ++pass) {
        window().highlight_selected();
    }
    EXPECT_FALSE(game().busy);
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(code_at(n), 0) << "square " << n;
        EXPECT_TRUE(shows(*window().board().board_square(n), QStringLiteral("empty")));
    }
    // A row is its own reward: nothing dropped.
    EXPECT_EQ(game().count_stones(), 0);
}

TEST_F(Play, ClicksOnThePreviewSelectNothing)
{
    set_board({"R........"});
    QTest::mouseClick(window().board().preview_square(1), Qt::LeftButton);
    EXPECT_EQ(game().selected, nullptr);
}

// With a ball on 0 and square 80 walled in by balls on 71 and 79.
class Cursors : public Play {
protected:
    void SetUp() override
    {
        Play::SetUp();
        set_board({"R........", ".........", ".........", ".........", ".........", ".........",
                   ".........", "........G", ".......G."});
    }
    int cursor_over(int n) const { return window().board().board_square(n)->shown_cursor(); }
};

TEST_F(Cursors, TellWhatAClickWouldDo)
{
    game().update_cursors();
    EXPECT_EQ(cursor_over(0), 2) << "a ball to pick up";
    EXPECT_EQ(cursor_over(40), 1) << "an empty square, nothing selected";

    click(0);
    EXPECT_EQ(cursor_over(40), 2) << "reachable";
    EXPECT_EQ(cursor_over(80), 3) << "walled in";
    EXPECT_EQ(cursor_over(71), 1) << "occupied";
    EXPECT_EQ(window().board().board_square(80)->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(Cursors, TheStandardCursorSettingShowsTheArrowEverywhere)
{
    click(0);
    window().menu().CursorSetting->trigger();
    EXPECT_EQ(window().settings().line(SettingsStore::standard_cursor), QStringLiteral("1"));
    window().highlight_selected();
    for (int n : {0, 40, 71, 80}) {
        EXPECT_EQ(cursor_over(n), 0) << "square " << n;
    }
    window().menu().CursorSetting->trigger();
    window().highlight_selected();
    EXPECT_EQ(cursor_over(80), 3);
}

TEST_F(Play, AFullBoardEndsTheGameAndStartsTheNext)
{
    // 79 balls, colour (column + 3 x row) mod 7: no two neighbours in any
    // direction alike, so no move or drop can complete a row.
    const char* colours = "RGBYLKP";
    std::string rows[9];
    for (int n = 0; n < 81; ++n) {
        rows[n / 9] += colours[(n % 9 + 3 * (n / 9)) % 7];
    }
    rows[8][7] = '.';
    rows[8][8] = '.';
    set_board({rows[0].c_str(), rows[1].c_str(), rows[2].c_str(), rows[3].c_str(), rows[4].c_str(),
               rows[5].c_str(), rows[6].c_str(), rows[7].c_str(), rows[8].c_str()});
    ASSERT_EQ(game().count_stones(), 79);
    game().score_display->set_value(20);  // below every entry of the hall of fame

    bool game_over_shown = false;
    when_modal([&](QWidget& dialog) {
        EXPECT_EQ(&dialog, &window().game_over_dialog());
        EXPECT_EQ(dialog.pos(), window().pos());
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" "));
        EXPECT_EQ(dialog.size(), QSize(319, 257));
        EXPECT_TRUE(window().game_over_dialog().ok_button().isDefault());
        game_over_shown = true;
        window().game_over_dialog().ok_button().click();
    });
    click(78);
    click(79);
    travel();

    EXPECT_TRUE(game_over_shown);
    EXPECT_EQ(game().score_display->get_value(), 0);
    EXPECT_EQ(game().count_stones(), 3);
}

}  // namespace
}  // namespace lumbra
