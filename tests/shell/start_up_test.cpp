#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "animation_timers.h"
#include "board_view.h"
#include "graphics_library.h"
#include "image_box.h"
#include "scrambled_text.h"
#include "spiel.h"
#include "tcd_warning1.h"
#include "tmy_image.h"
#include "window_fixture.h"

namespace lumbra {
namespace {

using StartUp = WindowTest;

TEST_F(StartUp, FirstRunStoresTheDefaultsScrambled)
{
    start();
    const auto stored = stored_settings();
    EXPECT_EQ(stored->value(QStringLiteral("version")).toByteArray(),
              QByteArray("\x00\x00\x00\xE0\x7A\x14\x04\x40", 8));
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(stored->value(QString::number(n)).typeId(), QMetaType::QString) << "value " << n;
    }
    // Sounds on, regular mode, warning shown, no additional library, Normal
    // speed, arrow cursor off, no saved game, autosave off, notice on.
    const std::pair<int, const char*> defaults[] = {
        {3, "1"}, {7, "1"}, {11, "1"}, {12, "1"}, {13, "1"}, {14, "0"},
        {15, ""}, {16, ""}, {18, "0"}, {20, "1"},
    };
    for (const auto& [value, plain] : defaults) {
        EXPECT_EQ(stored->value(QString::number(value)).toString(), scrambled(QString::fromLatin1(plain)))
            << "value " << value;
    }
    EXPECT_EQ(stored->value(QStringLiteral("3")).toString(), QString(QChar(0xB1)));
}

TEST_F(StartUp, ShowsThreeBallsTheNextThreeAndAScoreOfNothing)
{
    TForm1& form = start();
    Spielklasse& game = form.game();
    EXPECT_EQ(game.count_stones(), 3);
    int balls_shown = 0;
    for (int n = 0; n < 81; ++n) {
        const TMyImage& square = *form.board().board_square(n);
        EXPECT_FALSE(square.picture().isNull()) << "square " << n;
        if (game.squares[static_cast<std::size_t>(n)].color != 0) {
            EXPECT_FALSE(shows(square, QStringLiteral("empty"))) << "square " << n;
            ++balls_shown;
        } else {
            EXPECT_TRUE(shows(square, QStringLiteral("empty"))) << "square " << n;
        }
    }
    EXPECT_EQ(balls_shown, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(game.preview[static_cast<std::size_t>(i)].color, 1);
        EXPECT_FALSE(shows(*form.board().preview_square(i), QStringLiteral("empty")));
    }
    EXPECT_EQ(game.score_display->get_value(), 0);
    ASSERT_EQ(form.board().digit_count(), 4);
    for (int position = 0; position < 4; ++position) {
        EXPECT_TRUE(shows(form.board().digit(position), QStringLiteral("lcd0")));
    }
    // The standard library leaves the window's own "next" label.
    EXPECT_FALSE(form.board().next_image().picture().isNull());
    EXPECT_FALSE(shows(form.board().next_image(), QStringLiteral("next")));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Lumbra 2.51"));
    EXPECT_EQ(form.version_text(), QStringLiteral("2.51"));
    EXPECT_TRUE(form.timers().move_timer().isActive());
    EXPECT_TRUE(form.timers().highlight_timer().isActive());
}

TEST_F(StartUp, LaysTheBoardOutUnderTheHeaderStrip)
{
    TForm1& form = start();
    EXPECT_EQ(form.board().size(), QSize(361, 411));
    EXPECT_EQ(form.board().board_square(0)->geometry(), QRect(0, 50, 40, 40));
    EXPECT_EQ(form.board().board_square(80)->geometry(), QRect(320, 370, 40, 40));
    EXPECT_EQ(form.board().preview_square(0)->geometry(), QRect(237, 3, 40, 40));
    EXPECT_EQ(form.board().preview_square(2)->geometry(), QRect(317, 3, 40, 40));
    EXPECT_EQ(form.board().digit(0).geometry(), QRect(3, 3, 30, 45));
    EXPECT_EQ(form.board().digit(3).geometry(), QRect(93, 3, 30, 45));
    EXPECT_EQ(form.board().next_image().geometry(), QRect(128, 8, 97, 33));
}

TEST_F(StartUp, ShutdownStoresTheWindowPosition)
{
    TForm1& form = start();
    form.move(64, 48);
    close_window();
    const auto stored = stored_settings();
    EXPECT_EQ(unscrambled(stored->value(QStringLiteral("4")).toString()), QStringLiteral("64"));
    EXPECT_EQ(unscrambled(stored->value(QStringLiteral("5")).toString()), QStringLiteral("48"));
    EXPECT_EQ(start().pos(), QPoint(64, 48));
}

TEST_F(StartUp, APositionOnNoScreenComesBackToThePrimaryScreen)
{
    start();
    close_window();
    stored_settings()->setValue(QStringLiteral("4"), scrambled(QStringLiteral("-30000")));
    stored_settings()->setValue(QStringLiteral("5"), scrambled(QStringLiteral("20000")));
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(primary.contains(start().pos()));
}

TEST_F(StartUp, FewColoursWarnUntilToldNeverAgain)
{
    screen_depth = 8;
    bool warned = false;
    when_modal([&warned](QWidget& dialog) {
        auto* warning = qobject_cast<Tcd_warning1*>(&dialog);
        ASSERT_NE(warning, nullptr);
        EXPECT_EQ(warning->windowTitle(), QStringLiteral("Warning! Please read closely!"));
        EXPECT_FALSE(warning->never_again_box().isChecked());
        warned = true;
        warning->never_again_box().setChecked(true);
        warning->accept();
    });
    EXPECT_TRUE(start().library().file_path().endsWith(QStringLiteral("lreslo.lgr")));
    EXPECT_TRUE(warned);
    EXPECT_EQ(window().settings().line(SettingsStore::depth_warning), QStringLiteral("0"));

    // Told never again: the library for more colours, and no dialog.
    restart();
    EXPECT_TRUE(window().library().file_path().endsWith(QStringLiteral("lrestd.lgr")));
}

TEST_F(StartUp, ManyColoursOpenTheStandardLibraryWithoutAWord)
{
    EXPECT_TRUE(start().library().file_path().endsWith(QStringLiteral("lrestd.lgr")));
    EXPECT_EQ(window().settings().line(SettingsStore::depth_warning), QStringLiteral("1"));
}

}  // namespace
}  // namespace lumbra
