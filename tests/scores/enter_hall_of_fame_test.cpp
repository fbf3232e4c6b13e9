#include "enter_hall_of_fame.h"
#include "highscores.h"
#include "modal_player.h"
#include "name_enter.h"
#include "settings_sandbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lumbra {
namespace {

void click_ok(QDialog& dialog)
{
    dialog.findChild<QPushButton*>(QStringLiteral("okbtn"))->click();
}

class EnterHallOfFame : public SettingsSandbox {
protected:
    EnterHallOfFame() { main_window.move(300, 200); }

    // Types `name` into the name dialog and confirms it, then notes the list
    // the high-score dialog shows and closes it.
    void expect_name_then_list(const QString& name)
    {
        player.expect<Tname_enter>([name](Tname_enter& dialog) {
            dialog.edit1()->setText(name);
            click_ok(dialog);
        });
        expect_list();
    }

    void expect_list()
    {
        player.expect<THighscores>([this](THighscores& dialog) {
            list_shown = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))
                             ->toPlainText()
                             .split(QLatin1Char('\n'));
            list_caption = dialog.windowTitle();
            click_ok(dialog);
        });
    }

    static QStringList stored_lines()
    {
        HallOfFame hall;
        hall.load();
        return hall.lines();
    }

    QWidget main_window;
    Tname_enter name_dialog{&main_window};
    THighscores highscores{&main_window};
    ModalPlayer player;
    QStringList list_shown;
    QString list_caption;
};

TEST_F(EnterHallOfFame, AScoreThatBeatsNoEntryShowsAndSavesNothing)
{
    EXPECT_FALSE(enter_hall_of_fame(30, true, name_dialog, highscores));
    EXPECT_TRUE(player.unexpected().isEmpty());
    EXPECT_FALSE(stored().childGroups().contains(QStringLiteral("hi")));
}

TEST_F(EnterHallOfFame, AsksForTheNameWithTheNameOnlyForm)
{
    name_dialog.set_address_and_country_shown(true);  // as the posting leaves it
    player.expect<Tname_enter>([](Tname_enter& dialog) {
        EXPECT_EQ(dialog.windowTitle(),
                  QStringLiteral("Please enter your full name or a nickname"));
        EXPECT_EQ(dialog.label1()->text(),
                  QStringLiteral("Congratulations! You made it into the hall of Fame!"));
        EXPECT_EQ(dialog.label2()->text(), QStringLiteral("Please enter Your full name..."));
        EXPECT_TRUE(dialog.label3()->isHidden());
        EXPECT_TRUE(dialog.label4()->isHidden());
        EXPECT_TRUE(dialog.edit2()->isHidden());
        EXPECT_TRUE(dialog.edit3()->isHidden());
        EXPECT_TRUE(dialog.edit1()->isVisible());
        EXPECT_EQ(dialog.size(), QSize(369, 134 - 29));
        EXPECT_EQ(dialog.pos(), QPoint(280, 240));
        dialog.edit1()->setText(QStringLiteral("Ann"));
        click_ok(dialog);
    });
    expect_list();
    EXPECT_TRUE(enter_hall_of_fame(500, true, name_dialog, highscores));
    EXPECT_TRUE(player.all_answered());
}

TEST_F(EnterHallOfFame, TheNewEntryIsSavedAndShown)
{
    expect_name_then_list(QStringLiteral("Ann Lee"));
    EXPECT_TRUE(enter_hall_of_fame(120, true, name_dialog, highscores));
    EXPECT_TRUE(player.all_answered());
    EXPECT_TRUE(player.unexpected().isEmpty());

    const QString entry = QStringLiteral("4.    120       Ann Lee");
    EXPECT_EQ(list_shown.value(3), entry);
    EXPECT_EQ(list_shown.value(4), QStringLiteral("5.    105      Anton Lisle Marrow"));
    EXPECT_EQ(list_caption, QStringLiteral("Regular Game Mode Highscores"));
    EXPECT_EQ(stored_lines(), highscores.hall_of_fame().lines());
    EXPECT_EQ(stored_lines().value(3), entry);
}

TEST_F(EnterHallOfFame, ASaveThatFailsIsReportedAndTheEntryStillShown)
{
    block_settings_folder();
    player.expect<Tname_enter>([](Tname_enter& dialog) {
        dialog.edit1()->setText(QStringLiteral("Ann"));
        click_ok(dialog);
    });
    QString message;
    player.expect<QMessageBox>([&message](QMessageBox& box) {
        message = box.windowTitle();
        box.accept();
    });
    expect_list();
    EXPECT_TRUE(enter_hall_of_fame(500, true, name_dialog, highscores));
    EXPECT_TRUE(player.all_answered());
    EXPECT_EQ(message, QStringLiteral("Error while saving highscores"));
    EXPECT_EQ(list_shown.value(0), QStringLiteral("1.    500       Ann"));
}

TEST_F(EnterHallOfFame, TheNextEntryOffersTheNameTypedLast)
{
    expect_name_then_list(QStringLiteral("Łukasz"));
    ASSERT_TRUE(enter_hall_of_fame(200, false, name_dialog, highscores));
    player.expect<Tname_enter>([](Tname_enter& dialog) {
        EXPECT_EQ(dialog.edit1()->text(), QStringLiteral("Łukasz"));
        EXPECT_TRUE(dialog.ok_allowed());
        click_ok(dialog);
    });
    expect_list();
    ASSERT_TRUE(enter_hall_of_fame(201, false, name_dialog, highscores));
    EXPECT_TRUE(player.all_answered());

    EXPECT_EQ(list_caption, QStringLiteral("Difficult Game mode highscores"));
    EXPECT_EQ(stored_lines().value(0), QStringLiteral("1.    201       Łukasz"));
    EXPECT_EQ(stored_lines().value(1), QStringLiteral("2.    200       Łukasz"));
    EXPECT_EQ(stored_lines().value(2), QStringLiteral("3.    150      Vex"));
}

TEST_F(EnterHallOfFame, AGameOfTheOtherModeEntersItsOwnList)
{
    highscores.game_mode_changed();
    expect_name_then_list(QStringLiteral("Hard"));
    ASSERT_TRUE(enter_hall_of_fame(160, false, name_dialog, highscores));
    highscores.game_mode_changed();
    EXPECT_EQ(highscores.hall_of_fame().lines().value(0), QStringLiteral("1.    150      Vex"));
    EXPECT_EQ(highscores.hall_of_fame().lines().value(20),
              QStringLiteral("1.    160       Hard"));
}

}  // namespace
}  // namespace lumbra
