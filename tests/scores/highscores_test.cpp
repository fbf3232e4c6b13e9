#include "highscores.h"
#include "modal_player.h"
#include "posted_record.h"
#include "settings_sandbox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <ostream>

namespace lumbra {
namespace {

// What the player saw while the dialog was open.
struct Seen {
    QString caption;
    QPoint pos;
    QStringList memo;
    QString display;
    QString post_caption;
    bool post_enabled = false;
    QStringList other_windows;  // message boxes and the like
};

void write_posted(const QByteArray& bytes)
{
    const QString path = posted_record_path();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class Highscores : public SettingsSandbox {
protected:
    Highscores() { main_window.move(300, 200); }

    template <class Control>
    Control* control(const char* name) const
    {
        return dialog->findChild<Control*>(QString::fromLatin1(name));
    }

    // Shows the dialog for a mode, notes what it shows and closes it with OK.
    Seen show(bool regular_mode)
    {
        Seen seen;
        ModalPlayer player;
        player.expect<THighscores>([&](THighscores& shown) {
            seen.caption = shown.windowTitle();
            seen.pos = shown.pos();
            seen.memo = control<QPlainTextEdit>("Memo1")->toPlainText().split(QLatin1Char('\n'));
            seen.display = control<QPlainTextEdit>("Display")->toPlainText();
            seen.post_caption = control<QPushButton>("post_button")->text();
            seen.post_enabled = control<QPushButton>("post_button")->isEnabled();
            control<QPushButton>("okbtn")->click();
        });
        EXPECT_EQ(dialog->show_for_mode(regular_mode), 1);
        EXPECT_TRUE(player.all_answered());
        seen.other_windows = player.unexpected();
        return seen;
    }

    QWidget main_window;
    std::unique_ptr<THighscores> dialog = std::make_unique<THighscores>(&main_window);
};

TEST_F(Highscores, LayoutAsDesigned)
{
    EXPECT_EQ(dialog->size(), QSize(631, 345));
    EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("Local Highscores:"));
    EXPECT_EQ(control<QLabel>("Label1")->geometry().topLeft(), QPoint(8, 16));
    EXPECT_EQ(control<QLabel>("Label1")->height(), 24);
    EXPECT_EQ(control<QLabel>("Label1")->font().pixelSize(), 19);
    EXPECT_EQ(control<QLabel>("Label2")->text(), QStringLiteral("Internet Highscores:"));
    const auto* memo = control<QPlainTextEdit>("Memo1");
    EXPECT_EQ(memo->geometry(), QRect(8, 8, 281, 201));
    EXPECT_EQ(memo->parentWidget()->geometry(), QRect(8, 56, 297, 217));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(memo->font().pixelSize(), 15);
    const auto* display = control<QPlainTextEdit>("Display");
    EXPECT_EQ(display->geometry(), QRect(8, 8, 297, 201));
    EXPECT_EQ(display->parentWidget()->geometry(), QRect(312, 56, 313, 217));
    EXPECT_TRUE(display->isReadOnly());
    EXPECT_EQ(control<QPushButton>("okbtn")->geometry(), QRect(88, 288, 137, 33));
    EXPECT_TRUE(control<QPushButton>("okbtn")->isDefault());
    EXPECT_EQ(control<QPushButton>("post_button")->geometry(), QRect(368, 288, 209, 33));
}

TEST_F(Highscores, HeadingsAreNeverCutOff)
{
    // However wide the substituted font is, each heading shows all its letters.
    for (const char* name : {"Label1", "Label2"}) {
        const auto* heading = control<QLabel>(name);
        EXPECT_GE(heading->width(), heading->sizeHint().width()) << name;
        EXPECT_LE(heading->geometry().right(), dialog->width()) << name;
    }
    EXPECT_GE(control<QLabel>("Label1")->width(), 151);
    EXPECT_LT(control<QLabel>("Label1")->geometry().right(),
              control<QLabel>("Label2")->geometry().left());
}

TEST_F(Highscores, FirstShowingOffersToFetchTheWebsiteHighscores)
{
    const Seen seen = show(true);
    EXPECT_EQ(seen.display, QStringLiteral("You can load the highscores from the official\n"
                                           "Lumbra Website into this window simply by\n"
                                           "pressing the button below. "));
    EXPECT_EQ(seen.post_caption, QStringLiteral("Display The Website Highscores!"));
    EXPECT_TRUE(seen.post_enabled);
    EXPECT_TRUE(dialog->page_lines().isEmpty());
}

TEST_F(Highscores, OpensLeftOfTheMainWindowsTopLeftCorner)
{
    EXPECT_EQ(show(true).pos, QPoint(290, 200));
}

TEST_F(Highscores, CaptionNamesTheModeBeingPlayed)
{
    EXPECT_EQ(show(true).caption, QStringLiteral("Regular Game Mode Highscores"));
    EXPECT_EQ(show(false).caption, QStringLiteral("Difficult Game mode highscores"));
    EXPECT_FALSE(dialog->regular_mode());
}

TEST_F(Highscores, ShowsAllTwentyNineLinesOfTheHallOfFame)
{
    dialog->hall_of_fame().insert(0, 300, QStringLiteral("Ann"));
    const Seen seen = show(true);
    EXPECT_EQ(seen.memo, dialog->hall_of_fame().lines());
    EXPECT_EQ(seen.memo.first(), QStringLiteral("1.    300       Ann"));
}

TEST_F(Highscores, AfterAModeChangeTheOtherListComesFirst)
{
    dialog->hall_of_fame().insert(0, 300, QStringLiteral("Ann"));
    dialog->game_mode_changed();
    const Seen seen = show(false);
    EXPECT_EQ(seen.memo[0], QStringLiteral("1.    150      Vex"));
    EXPECT_EQ(seen.memo[20], QStringLiteral("1.    300       Ann"));
    EXPECT_EQ(seen.post_caption, QStringLiteral("Display The Website Highscores!"));
}

TEST_F(Highscores, CreationLoadsTheStoredHallOfFame)
{
    HallOfFame stored_hall;
    stored_hall.insert(0, 777, QStringLiteral("Zoë"));
    ASSERT_TRUE(stored_hall.save());
    dialog = std::make_unique<THighscores>(&main_window);
    EXPECT_EQ(dialog->hall_of_fame().lines(), stored_hall.lines());
}

TEST_F(Highscores, EachShowingLoadsThePostedRecord)
{
    show(true);
    EXPECT_TRUE(dialog->posted().isEmpty());
    write_posted("1250 Vex\r\n135 Orla\r\n");
    show(true);
    EXPECT_EQ(dialog->posted(), (QStringList{"1250 Vex", "135 Orla"}));
    write_posted("");
    show(true);
    EXPECT_TRUE(dialog->posted().isEmpty());
}

struct BadRecordCase {
    const char* name;
    std::function<void()> spoil;
};

void PrintTo(const BadRecordCase& bad, std::ostream* out) { *out << bad.name; }

class BadPostedRecord : public Highscores, public testing::WithParamInterface<BadRecordCase> {};

TEST_P(BadPostedRecord, KeepsTheRecordInMemoryAndSaysNothing)
{
    write_posted("1250 Vex\r\n");
    show(true);
    GetParam().spoil();
    EXPECT_TRUE(show(true).other_windows.isEmpty());
    EXPECT_EQ(dialog->posted(), QStringList{"1250 Vex"});
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPostedRecord,
    testing::Values(
        BadRecordCase{"missing", [] { QFile::remove(posted_record_path()); }},
        BadRecordCase{"binary", [] { write_posted(QByteArray("\0\1\2\3", 4)); }},
        BadRecordCase{"folder", [] {
                          QFile::remove(posted_record_path());
                          QDir().mkpath(posted_record_path());
                      }}),
    [](const testing::TestParamInfo<BadRecordCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lumbra
