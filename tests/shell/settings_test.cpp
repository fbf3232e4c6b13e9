#include <QVariant>

#include "animation_timers.h"
#include "graphics_library.h"
#include "scrambled_text.h"
#include "spiel.h"
#include "window_fixture.h"

namespace lumbra {
namespace {

struct SpeedCase {
    const char* name;
    int speed;
    int move_ms;
    int highlight_ms;
};

void PrintTo(const SpeedCase& speed, std::ostream* out)
{
    *out << speed.name;
}

class Speed : public WindowTest, public testing::WithParamInterface<SpeedCase> {
protected:
    QAction* item(int speed) const
    {
        const TForm1::Menu& menu = window().menu();
        return std::array{menu.Normal1, menu.Fast1, menu.Lightning1}[static_cast<std::size_t>(speed - 1)];
    }
    void expect_speed(const SpeedCase& speed) const
    {
        EXPECT_EQ(window().timers().move_timer().interval(), speed.move_ms);
        EXPECT_EQ(window().timers().highlight_timer().interval(), speed.highlight_ms);
        for (int other = 1; other <= 3; ++other) {
            EXPECT_EQ(item(other)->isChecked(), other == speed.speed) << "item " << other;
        }
        EXPECT_EQ(window().settings().number(SettingsStore::speed), speed.speed);
    }
};

TEST_P(Speed, SetsBothIntervalsAndSurvivesARestart)
{
    start();
    item(GetParam().speed)->trigger();
    expect_speed(GetParam());
    restart();
    expect_speed(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Menu, Speed,
                         testing::Values(SpeedCase{"normal", 1, 85, 150}, SpeedCase{"fast", 2, 50, 100},
                                         SpeedCase{"lightning", 3, 15, 70}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, SoundOffAndOnSurviveARestart)
{
    start();
    EXPECT_FALSE(window().menu().Turn_Off_Sound1->isChecked());
    EXPECT_TRUE(window().game().sound_on);

    window().menu().Turn_Off_Sound1->trigger();
    EXPECT_TRUE(window().menu().Turn_Off_Sound1->isChecked());
    EXPECT_FALSE(window().game().sound_on);
    restart();
    EXPECT_TRUE(window().menu().Turn_Off_Sound1->isChecked());
    EXPECT_FALSE(window().game().sound_on);

    window().menu().Turn_Off_Sound1->trigger();
    restart();
    EXPECT_FALSE(window().menu().Turn_Off_Sound1->isChecked());
    EXPECT_TRUE(window().game().sound_on);
}

// A value of the settings damaged by hand or by another program, and the line
// it must give after the start's repair.
struct DamageCase {
    const char* name;
    const char* value_name;
    QVariant stored;
    int line;
    const char* repaired;
};

void PrintTo(const DamageCase& damage, std::ostream* out)
{
    *out << damage.name;
}

class Repair : public WindowTest, public testing::WithParamInterface<DamageCase> {};

TEST_P(Repair, TheProgramStartsRepairedAndPlays)
{
    start();
    close_window();
    const DamageCase& damage = GetParam();
    if (damage.stored.isValid()) {
        stored_settings()->setValue(QString::fromLatin1(damage.value_name), damage.stored);
    } else {
        stored_settings()->remove(QString::fromLatin1(damage.value_name));
    }

    start();
    EXPECT_EQ(window().settings().line(damage.line), QString::fromLatin1(damage.repaired));
    EXPECT_EQ(window().settings().lines().size(), 20);
    EXPECT_EQ(window().game().count_stones(), 3);
    EXPECT_TRUE(window().timers().highlight_timer().isActive());
}

QVariant scrambled_text(const char* plain)
{
    return scrambled(QString::fromUtf8(plain));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Repair,
    testing::Values(
        DamageCase{"speed_missing", "13", QVariant(), SettingsStore::speed, "1"},
        DamageCase{"speed_of_words", "13", scrambled_text("fast please"), SettingsStore::speed, "1"},
        DamageCase{"speed_unscrambled", "13", QVariant(QStringLiteral("2")), SettingsStore::speed, "1"},
        DamageCase{"sound_not_text", "3", QVariant(QByteArray("\x01\x02", 2)), SettingsStore::sound_on, "1"},
        DamageCase{"sound_a_list", "3", QVariant(QStringList{"a", "b"}), SettingsStore::sound_on, "1"},
        DamageCase{"left_empty", "4", scrambled_text(""), SettingsStore::window_left, "1"},
        DamageCase{"reserved_line_repaired", "2", scrambled_text("x"), 1, "1"},
        DamageCase{"first_line_left_as_it_is", "1", scrambled_text("x"), 0, "x"},
        DamageCase{"saved_board_left_as_it_is", "15", scrambled_text("x"), SettingsStore::saved_kinds, "x"},
        DamageCase{"library_gone", "12", scrambled_text("/nowhere/gone.lgr"), SettingsStore::additional_library,
                   "/nowhere/gone.lgr"},
        DamageCase{"library_empty", "12", scrambled_text(""), SettingsStore::additional_library, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, ASpeedOfSevenTicksNoItemAndKeepsTheFirstIntervals)
{
    start();
    close_window();
    stored_settings()->setValue(QStringLiteral("13"), scrambled(QStringLiteral("7")));
    start();
    EXPECT_EQ(window().timers().move_timer().interval(), 100);
    EXPECT_EQ(window().timers().highlight_timer().interval(), 150);
    for (QAction* item : {window().menu().Normal1, window().menu().Fast1, window().menu().Lightning1}) {
        EXPECT_FALSE(item->isChecked());
    }
    EXPECT_EQ(window().settings().line(SettingsStore::speed), QStringLiteral("7"));
}

TEST_F(WindowTest, AMissingAdditionalLibraryFallsBackToTheStandardOne)
{
    start();
    close_window();
    stored_settings()->setValue(QStringLiteral("12"), scrambled(QStringLiteral("/nowhere/gone.lgr")));
    start();
    EXPECT_TRUE(window().library().file_path().endsWith(QStringLiteral("lrestd.lgr")));
}

}  // namespace
}  // namespace lumbra
