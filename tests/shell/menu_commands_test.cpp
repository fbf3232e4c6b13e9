#include <QAction>
#include <QCoreApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <vector>

#include "game_over.h"
#include "graphics_library.h"
#include "hall_of_fame.h"
#include "highscores.h"
#include "name_enter.h"
#include "scrambled_text.h"
#include "spiel.h"
#include "tabout_box.h"
#include "tautosave_notify1.h"
#include "tconfirm1.h"
#include "thelp_box.h"
#include "window_fixture.h"

namespace lumbra {
namespace {

void click(QWidget& dialog, const char* button)
{
    QPushButton* found = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(found, nullptr) << button;
    found->click();
}

// The player's answers to the modal dialogs a command opens, in order. Each
// answer runs once its dialog is the active modal window; the dialogs that
// showed are noted by their class names.
class Answers {
public:
    using Answer = std::function<void(QWidget&)>;

    Answers& then(Answer answer)
    {
        answers_.push_back(std::move(answer));
        return *this;
    }

    // Starts waiting for the first dialog; call before the command.
    void arm() { next(); }

    const QStringList& shown() const { return shown_; }
    bool all_given() const { return given_ == answers_.size(); }

private:
    void next()
    {
        if (given_ == answers_.size()) {
            return;
        }
        when_modal([this](QWidget& dialog) {
            shown_.append(QString::fromLatin1(dialog.metaObject()->className()).remove(QStringLiteral("lumbra::")));
            const Answer answer = answers_[given_++];
            // The next dialog may open inside this answer, so wait for it first.
            next();
            answer(dialog);
        });
    }

    std::vector<Answer> answers_;
    std::size_t given_ = 0;
    QStringList shown_;
};

Answers::Answer press(const char* button)
{
    return [button](QWidget& dialog) { click(dialog, button); };
}

void close_game_over(QWidget& dialog)
{
    auto* game_over = qobject_cast<Tgame_over*>(&dialog);
    ASSERT_NE(game_over, nullptr);
    game_over->ok_button().click();
}

QString stored_line(int n)
{
    return unscrambled(stored_settings()->value(QString::number(n)).toString());
}

class MenuCommands : public WindowTest {
protected:
    void SetUp() override { start(); }

    Spielklasse& game() const { return window().game(); }
    THighscores& highscores() const { return *window().program_dialogs().highscores; }
    QStringList hall_lines() const { return highscores().hall_of_fame().lines(); }

    // The board's stone codes, square by square.
    std::vector<int> board() const
    {
        std::vector<int> codes;
        for (const Square& square : game().squares) {
            codes.push_back(square.color);
        }
        return codes;
    }

    // Fills every square so that no two neighbours share a colour in any
    // direction: no row anywhere, and no room for a drop.
    void fill_board_without_rows()
    {
        for (int n = 0; n < 81; ++n) {
            game().set_field(n, (n / 9 * 3 + n % 9) % 7 + 1);
        }
        game().stone_count = game().count_stones();
    }

    void change_mode(Answers& answers)
    {
        answers.arm();
        window().menu().beginner_mode1->trigger();
    }
};

TEST_F(MenuCommands, NoToTheModeChangeChangesNothing)
{
    const std::vector<int> before = board();
    const QStringList lines = hall_lines();
    const QString stored_mode = stored_line(7);
    game().score_display->set_value(40);
    Answers answers;
    answers.then(press("Button2"));
    change_mode(answers);

    EXPECT_TRUE(answers.all_given());
    EXPECT_EQ(answers.shown(), QStringList{QStringLiteral("TConfirm1")});
    EXPECT_TRUE(game().regular_mode);
    EXPECT_FALSE(window().menu().beginner_mode1->isChecked());
    EXPECT_EQ(board(), before);
    EXPECT_EQ(game().score_display->get_value(), 40);
    EXPECT_EQ(hall_lines(), lines);
    EXPECT_EQ(window().settings().line(6), QStringLiteral("1"));
    EXPECT_EQ(stored_line(7), stored_mode);
}

TEST_F(MenuCommands, YesEndsTheGameAndExchangesTheTables)
{
    highscores().hall_of_fame().insert(0, 999, QStringLiteral("Regular Champion"));
    const QStringList regular_lines = hall_lines();
    Answers answers;
    answers.then(press("Button1")).then(close_game_over);
    change_mode(answers);

    EXPECT_TRUE(answers.all_given());
    EXPECT_EQ(answers.shown().size(), 2);
    EXPECT_FALSE(game().regular_mode);
    EXPECT_TRUE(window().menu().beginner_mode1->isChecked());
    EXPECT_EQ(game().count_stones(), 3);
    EXPECT_EQ(hall_lines().mid(20, 9), regular_lines.mid(0, 9));
    EXPECT_EQ(hall_lines().mid(0, 9), regular_lines.mid(20, 9));
    // Stored at once, as if the program were killed now.
    EXPECT_EQ(stored_line(7), QStringLiteral("0"));
}

TEST_F(MenuCommands, ClosingTheQuestionCountsAsYes)
{
    Answers answers;
    answers.then([](QWidget& dialog) { dialog.close(); }).then(close_game_over);
    change_mode(answers);
    EXPECT_TRUE(answers.all_given());
    EXPECT_FALSE(game().regular_mode);
}

TEST_F(MenuCommands, TwoModeChangesBringEverythingBack)
{
    highscores().hall_of_fame().insert(0, 999, QStringLiteral("Regular Champion"));
    const QStringList lines = hall_lines();
    for (int i = 0; i < 2; ++i) {
        Answers answers;
        answers.then(press("Button1")).then(close_game_over);
        change_mode(answers);
        ASSERT_TRUE(answers.all_given());
    }
    EXPECT_TRUE(game().regular_mode);
    EXPECT_FALSE(window().menu().beginner_mode1->isChecked());
    EXPECT_EQ(hall_lines(), lines);
    EXPECT_EQ(stored_line(7), QStringLiteral("1"));
}

TEST_F(MenuCommands, AModeChangeEntersTheScoreInTheOldModesHallOfFame)
{
    game().score_display->set_value(120);
    QString caption;
    Answers answers;
    answers.then(press("Button1"))
        .then(close_game_over)
        .then([](QWidget& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Ada"));
            click(dialog, "okbtn");
        })
        .then([&caption](QWidget& dialog) {
            caption = dialog.windowTitle();
            click(dialog, "okbtn");
        });
    change_mode(answers);

    EXPECT_TRUE(answers.all_given());
    EXPECT_EQ(caption, QStringLiteral("Difficult Game mode highscores"));
    // Below the default 120 at rank 3, in the table now kept for the regular mode.
    EXPECT_EQ(hall_lines()[23], QStringLiteral("4.    120       Ada"));
    EXPECT_EQ(hall_lines()[3], QStringLiteral("4.    105      Anton Lisle Marrow"));
}

TEST_F(MenuCommands, AGamePlayedToItsEndEntersTheHallOfFameAndStaysThere)
{
    const QString name = QStringLiteral("Zoë Ångström");
    game().score_display->set_value(200);
    fill_board_without_rows();
    QStringList listed;
    Answers answers;
    answers.then(close_game_over)
        .then([&name](QWidget& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(name);
            click(dialog, "okbtn");
        })
        .then([&listed](QWidget& dialog) {
            listed = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText().split(QLatin1Char('\n'));
            click(dialog, "okbtn");
        });
    answers.arm();
    // The drop after a move that completed no row finds the board full.
    game().drop_turn_stones();

    ASSERT_TRUE(answers.all_given());
    EXPECT_EQ(answers.shown(), (QStringList{QStringLiteral("Tgame_over"), QStringLiteral("Tname_enter"),
                                            QStringLiteral("THighscores")}));
    const QString entry = QStringLiteral("1.    200       ") + name;
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed[0], entry);
    EXPECT_EQ(game().score_display->get_value(), 0);
    EXPECT_EQ(game().count_stones(), 3);

    restart();
    EXPECT_EQ(hall_lines()[0], entry);
    Answers menu_answers;
    menu_answers.then([&listed](QWidget& dialog) {
        listed = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText().split(QLatin1Char('\n'));
        click(dialog, "okbtn");
    });
    menu_answers.arm();
    window().menu().Highs->trigger();
    ASSERT_TRUE(menu_answers.all_given());
    EXPECT_EQ(listed[0], entry);
}

TEST_F(MenuCommands, NewGameEndsTheRunningGame)
{
    game().score_display->set_value(20);  // below every entry of the hall of fame
    Answers answers;
    answers.then(close_game_over);
    answers.arm();
    window().menu().New->trigger();
    EXPECT_TRUE(answers.all_given());
    EXPECT_EQ(game().score_display->get_value(), 0);
}

TEST_F(MenuCommands, QuittingStoresBothHallsOfFame)
{
    close_window();
    auto settings = stored_settings();
    settings->endGroup();
    settings->beginGroup(QStringLiteral("hi"));
    EXPECT_EQ(settings->childKeys().size(), 29);
    EXPECT_EQ(unscrambled(settings->value(QStringLiteral("21")).toString()), QStringLiteral("1.    150      Vex"));
}

TEST_F(MenuCommands, RulesAndAboutOpenBesideTheMainWindow)
{
    window().move(300, 200);
    QPoint rules_at;
    QPoint about_at;
    QString about_caption;
    QImage title;
    Answers answers;
    answers.then([&rules_at](QWidget& dialog) {
        rules_at = dialog.pos();
        click(dialog, "okbutton");
    });
    answers.arm();
    window().menu().Rules->trigger();
    answers.then([&](QWidget& dialog) {
        about_at = dialog.pos();
        about_caption = dialog.windowTitle();
        title = static_cast<Tabout_box&>(dialog).picture().toImage();
        click(dialog, "BitBtn1");
    });
    answers.arm();
    window().menu().About->trigger();

    ASSERT_TRUE(answers.all_given());
    EXPECT_EQ(rules_at, window().pos() + QPoint(-20, 10));
    EXPECT_EQ(about_at, window().pos());
    EXPECT_EQ(about_caption, QStringLiteral("About Lumbra"));
    EXPECT_EQ(title, window().library().picture(QStringLiteral("title"), window().devicePixelRatioF()).toImage());
}

class Autosave : public MenuCommands {
protected:
    // Ticks "Autosave Game", lays out a small game and closes the window.
    void save_a_game()
    {
        window().menu().AutosaveGame->trigger();
        ASSERT_TRUE(window().menu().AutosaveGame->isChecked());
        set_board({"R.......P", "", "....G...."});
        game().score_display->set_value(85);
        game().pending_extra = 2;
        saved_board = board();
        close_window();
    }

    std::vector<int> saved_board;
};

TEST_F(Autosave, TheTickIsStoredAtOnce)
{
    window().menu().AutosaveGame->trigger();
    EXPECT_EQ(window().settings().line(17), QStringLiteral("1"));
    window().menu().AutosaveGame->trigger();
    EXPECT_EQ(window().settings().line(17), QStringLiteral("0"));
}

TEST_F(Autosave, BringsTheGameBackAfterARestart)
{
    save_a_game();
    Answers answers;
    answers.then(press("Button1"));
    answers.arm();
    restart();

    EXPECT_EQ(answers.shown(), QStringList{QStringLiteral("Tautosave_notify1")});
    EXPECT_EQ(board(), saved_board);
    EXPECT_EQ(game().score_display->get_value(), 85);
    EXPECT_EQ(game().pending_extra, 2);
    // Taken over once: the stored game is gone, even before this run ends.
    for (const int line : {15, 16, 17, 19}) {
        EXPECT_EQ(stored_line(line), QString()) << line;
    }
}

TEST_F(Autosave, DontTellMeAgainKeepsTheNoticeAwayForGood)
{
    save_a_game();
    Answers answers;
    answers.then([](QWidget& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->click();
        click(dialog, "Button1");
    });
    answers.arm();
    restart();
    ASSERT_TRUE(answers.all_given());
    EXPECT_EQ(window().settings().line(19), QStringLiteral("0"));

    close_window();  // autosave is still ticked: the game is saved again
    Answers none;
    none.then([](QWidget& dialog) { dialog.hide(); });
    none.arm();
    restart();
    QCoreApplication::processEvents();
    EXPECT_TRUE(none.shown().isEmpty());
    EXPECT_EQ(board(), saved_board);
}

TEST_F(Autosave, ADamagedSavedGameStartsANewOne)
{
    save_a_game();
    stored_settings()->setValue(QStringLiteral("17"), scrambled(QStringLiteral("5000")));
    const QString kinds = stored_line(15);
    restart();
    EXPECT_EQ(game().count_stones(), 3);
    EXPECT_EQ(game().score_display->get_value(), 0);
    EXPECT_EQ(stored_line(15), kinds);
}

TEST_F(Autosave, UntickedItNeitherSavesNorRestores)
{
    set_board({"RRRR....."});
    close_window();
    EXPECT_EQ(stored_line(15), QString());
    restart();
    EXPECT_EQ(game().count_stones(), 3);
}

}  // namespace
}  // namespace lumbra
