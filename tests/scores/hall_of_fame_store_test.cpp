#include "hall_of_fame.h"
#include "scrambled_text.h"
#include "settings_sandbox.h"

#include <QByteArray>
#include <QFile>
#include <QRect>

#include <functional>
#include <ostream>

namespace lumbra {
namespace {

class HallOfFameStore : public SettingsSandbox {};

TEST_F(HallOfFameStore, FirstStartKeepsTheDefaultsAndCreatesNothing)
{
    HallOfFame hall;
    hall.load();
    EXPECT_EQ(hall.lines(), HallOfFame().lines());
    EXPECT_FALSE(stored().childGroups().contains(QStringLiteral("hi")));
}

TEST_F(HallOfFameStore, SaveWritesTwentyNineValuesInStoredForm)
{
    ASSERT_TRUE(HallOfFame().save());
    QSettings settings = stored();
    settings.beginGroup(QStringLiteral("hi"));
    EXPECT_EQ(settings.childKeys().size(), 29);
    EXPECT_EQ(settings.value(QStringLiteral("1")).toString(),
              toggle_high_bits(QStringLiteral("1.    150      Vex")));
    EXPECT_EQ(settings.value(QStringLiteral("10")).toString(), QString());
    EXPECT_EQ(settings.value(QStringLiteral("29")).toString(),
              toggle_high_bits(QStringLiteral("9.    30       Peter R. Lumm")));
}

TEST_F(HallOfFameStore, BothListsSurviveARestartWithNamesInAnyScript)
{
    HallOfFame before;
    before.insert(0, 420, QStringLiteral("Jürgen Weiß"));
    before.insert(2, 140, QStringLiteral("山田太郎"));
    before.exchange_modes();
    before.insert(8, 31, QStringLiteral("Ёжик  \xF0\x9F\x8E\xB1"));
    ASSERT_TRUE(before.save());

    HallOfFame after;
    after.load();
    EXPECT_EQ(after.lines(), before.lines());
}

TEST_F(HallOfFameStore, SaveTellsWhenTheSettingsCannotBeWritten)
{
    block_settings_folder();
    HallOfFame hall;
    hall.insert(0, 999, QStringLiteral("Kept"));
    EXPECT_FALSE(hall.save());
    EXPECT_EQ(hall.lines()[0], QStringLiteral("1.    999       Kept"));
}

// Writes the default hall of fame, then damages it with `damage`.
using Damage = std::function<void(QSettings&)>;

struct DamageCase {
    const char* name;
    Damage damage;
};

void PrintTo(const DamageCase& damage, std::ostream* out) { *out << damage.name; }

class DamagedStore : public SettingsSandbox, public testing::WithParamInterface<DamageCase> {
protected:
    // Rank 3 is damaged in every case.
    static constexpr int damaged_line = 2;
};

TEST_P(DamagedStore, TheLineIsEmptyOrUnreadableAndCountsAsZero)
{
    ASSERT_TRUE(HallOfFame().save());
    {
        QSettings settings = stored();
        settings.beginGroup(QStringLiteral("hi"));
        GetParam().damage(settings);
    }
    HallOfFame hall;
    hall.load();

    EXPECT_EQ(line_score(hall.lines()[damaged_line]), 0);
    EXPECT_EQ(hall.lines()[1], QStringLiteral("2.    135      Orla"));
    EXPECT_EQ(hall.lines()[3], QStringLiteral("4.    105      Anton Lisle Marrow"));
    // The damaged line moves down like any other.
    EXPECT_EQ(hall.entry_index(1), damaged_line);
    const QString damaged = hall.lines()[damaged_line];
    hall.insert(damaged_line, 1, QStringLiteral("Low"));
    EXPECT_EQ(hall.lines()[damaged_line + 1], QStringLiteral("4") + damaged.mid(1));
}

INSTANTIATE_TEST_SUITE_P(
    Values, DamagedStore,
    testing::Values(
        DamageCase{"missing",
                   [](QSettings& s) { s.remove(QStringLiteral("3")); }},
        DamageCase{"byte_array",
                   [](QSettings& s) { s.setValue(QStringLiteral("3"), QByteArray("\x01\x02")); }},
        DamageCase{"list_of_texts",
                   [](QSettings& s) {
                       s.setValue(QStringLiteral("3"), QStringList{"3.", "120"});
                   }},
        DamageCase{"rectangle",
                   [](QSettings& s) { s.setValue(QStringLiteral("3"), QRect(1, 2, 3, 4)); }},
        DamageCase{"plain_text_not_scrambled",
                   [](QSettings& s) {
                       s.setValue(QStringLiteral("3"), QStringLiteral("3.    120      Mr. Brandt"));
                   }},
        DamageCase{"characters_above_255",
                   [](QSettings& s) {
                       s.setValue(QStringLiteral("3"), QStringLiteral("☺☺☺☺☺☺☺☺☺☺"));
                   }},
        DamageCase{"score_of_letters",
                   [](QSettings& s) {
                       s.setValue(QStringLiteral("3"), scrambled(QStringLiteral("3.    x20  Bo")));
                   }}),
    [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

TEST_F(HallOfFameStore, AGroupWithoutValuesGivesEmptyLinesThatCountAsZero)
{
    {
        QSettings settings = stored();
        settings.setValue(QStringLiteral("hi/unrelated"), QStringLiteral("x"));
    }
    HallOfFame hall;
    hall.load();
    for (const QString& line : hall.lines())
        EXPECT_TRUE(line.isEmpty());
    EXPECT_EQ(hall.entry_index(1), 0);
}

TEST_F(HallOfFameStore, ADamagedSettingsFileStillStarts)
{
    {
        QSettings settings = stored();
        settings.setValue(QStringLiteral("set/1"), QStringLiteral("1"));
    }
    const QString file = stored().fileName();
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        static constexpr char damaged[] = "[hi]\n1=\xff\xfe\x00\x01garbage\n[hi\n2=@ByteArray(\n\x00";
        out.write(damaged, sizeof damaged);
    }
    HallOfFame hall;
    hall.load();
    EXPECT_EQ(hall.lines().size(), 29);
}

}  // namespace
}  // namespace lumbra
