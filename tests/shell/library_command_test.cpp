#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "animation_timers.h"
#include "board_view.h"
#include "game_over.h"
#include "graphics_library.h"
#include "spiel.h"
#include "tload_libraries.h"
#include "tmy_image.h"
#include "window_fixture.h"

#include <vector>

namespace lumbra {
namespace {

class LibraryCommand : public WindowTest {
protected:
    void SetUp() override { start(); }

    // Runs the command, going on past the explaining dialog.
    void load_additional_graphics()
    {
        when_modal([](QWidget& dialog) {
            auto* explain = qobject_cast<Tload_libraries*>(&dialog);
            ASSERT_NE(explain, nullptr);
            explain->go_on_button().click();
        });
        window().LoadAdditionalGraphics1Click();
    }
};

TEST_F(LibraryCommand, AValidLibraryRedrawsEverythingAndIsKept)
{
    window().game().score_display->set_value(57);
    const QString before = window().library().file_path();
    std::vector<QImage> squares_before;
    for (int n = 0; n < 81; ++n) {
        squares_before.push_back(window().board().board_square(n)->picture().toImage());
    }
    for (int i = 0; i < 3; ++i) {
        squares_before.push_back(window().board().preview_square(i)->picture().toImage());
    }
    chosen_library = test_library(QStringLiteral("extra.lgr"), 3);

    load_additional_graphics();

    for (int n = 0; n < 84; ++n) {
        const TMyImage& square = n < 81 ? *window().board().board_square(n) : *window().board().preview_square(n - 81);
        EXPECT_NE(square.picture().toImage(), squares_before[static_cast<std::size_t>(n)]) << "square " << n;
    }
    EXPECT_TRUE(shows(window().board().next_image(), QStringLiteral("next")));
    const QLabel& logo = window().game_over_dialog().go_logo();
    EXPECT_EQ(logo.pixmap().toImage(),
              window().library().picture(QStringLiteral("game_over"), logo.devicePixelRatioF()).toImage());

    EXPECT_EQ(window().library().file_path(), chosen_library);
    EXPECT_NE(window().library().file_path(), before);
    for (int n = 0; n < 81; ++n) {
        const int code = window().game().squares[static_cast<std::size_t>(n)].color;
        if (code == 0) {
            EXPECT_TRUE(shows(*window().board().board_square(n), QStringLiteral("empty"))) << n;
        }
    }
    EXPECT_TRUE(shows(window().board().digit(2), QStringLiteral("lcd5")));
    EXPECT_TRUE(shows(window().board().digit(3), QStringLiteral("lcd7")));
    EXPECT_EQ(window().game().score_display->get_value(), 57);
    EXPECT_EQ(window().game().count_stones(), 3);
    EXPECT_EQ(window().settings().line(SettingsStore::additional_library), chosen_library);
    EXPECT_TRUE(window().timers().move_timer().isActive());
    EXPECT_TRUE(window().timers().highlight_timer().isActive());

    restart();
    EXPECT_EQ(window().library().file_path(), chosen_library);
}

TEST_F(LibraryCommand, AFileThatIsNoLibraryChangesNothing)
{
    const QString before = window().library().file_path();
    chosen_library = QDir(settings_folder.path()).filePath(QStringLiteral("not-a-library.lgr"));
    QFile file(chosen_library);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is a text file, not a graphics library\n");
    file.close();

    load_additional_graphics();

    EXPECT_EQ(window().library().file_path(), before);
    EXPECT_EQ(window().settings().line(SettingsStore::additional_library), QStringLiteral("1"));
    EXPECT_TRUE(window().timers().move_timer().isActive());
    EXPECT_TRUE(window().timers().highlight_timer().isActive());
    EXPECT_EQ(window().game().count_stones(), 3);
}

TEST_F(LibraryCommand, CancelledBeforeAnyChoiceLoadsNothing)
{
    const QString before = window().library().file_path();
    chosen_library.clear();
    load_additional_graphics();
    EXPECT_EQ(window().library().file_path(), before);
    EXPECT_TRUE(window().timers().highlight_timer().isActive());
}

TEST_F(LibraryCommand, FewColoursRefuseToGoOn)
{
    screen_depth = 8;
    chosen_library = test_library(QStringLiteral("extra.lgr"), 3);
    const QString before = window().library().file_path();
    bool refused = false;
    when_modal([](QWidget& dialog) {
        auto* explain = qobject_cast<Tload_libraries*>(&dialog);
        ASSERT_NE(explain, nullptr);
        explain->go_on_button().click();
    });
    // The refusal is a message box inside the explaining dialog.
    auto* poll = new QTimer(&window());
    QObject::connect(poll, &QTimer::timeout, [&refused, poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Color Depth is too low!"));
            refused = true;
            poll->stop();
            box->accept();
        }
    });
    poll->start(5);
    window().LoadAdditionalGraphics1Click();
    EXPECT_TRUE(refused);
    EXPECT_EQ(window().library().file_path(), before);
}

}  // namespace
}  // namespace lumbra
