#include "settings_store.h"

#include <QSettings>

#include "scrambled_text.h"
#include "window_fixture.h"

namespace lumbra {
namespace {

class Store : public testing::Test {
protected:
    FreshSettingsFolder folder;
    SettingsStore store;
};

TEST_F(Store, AFirstRunCreatesTwentyValuesAndTheVersion)
{
    store.load({120, 80});
    const auto stored = stored_settings();
    EXPECT_EQ(stored->childKeys().size(), 21);
    EXPECT_EQ(unscrambled(stored->value(QStringLiteral("4")).toString()), QStringLiteral("120"));
    EXPECT_EQ(unscrambled(stored->value(QStringLiteral("5")).toString()), QStringLiteral("80"));
    EXPECT_EQ(store.line(SettingsStore::window_left), QStringLiteral("120"));
    EXPECT_EQ(store.lines(), SettingsStore::first_run_lines({120, 80}));
}

TEST_F(Store, SavingWritesTheTwentyLinesAndLeavesTheVersion)
{
    store.load({0, 0});
    stored_settings()->setValue(QStringLiteral("version"), QByteArray("kept"));
    store.set_line(SettingsStore::speed, QStringLiteral("3"));
    store.save();
    const auto stored = stored_settings();
    EXPECT_EQ(stored->childKeys().size(), 21);
    EXPECT_EQ(stored->value(QStringLiteral("13")).toString(), QString(QChar(0xB3)));
    EXPECT_EQ(stored->value(QStringLiteral("version")).toByteArray(), QByteArray("kept"));
    // The lines in memory stay plain.
    EXPECT_EQ(store.line(SettingsStore::speed), QStringLiteral("3"));
}

TEST_F(Store, TheListNeverGrows)
{
    store.load({0, 0});
    store.set_line(20, QStringLiteral("x"));
    store.set_line(-1, QStringLiteral("x"));
    EXPECT_EQ(store.lines().size(), 20);
    EXPECT_EQ(store.line(20), QString());
    EXPECT_EQ(store.line(-1), QString());
}

TEST_F(Store, AnyNumberButNoughtIsOn)
{
    store.load({0, 0});
    store.set_line(SettingsStore::sound_on, QStringLiteral("5"));
    EXPECT_TRUE(store.flag(SettingsStore::sound_on));
    store.set_line(SettingsStore::sound_on, QStringLiteral("0"));
    EXPECT_FALSE(store.flag(SettingsStore::sound_on));
}

TEST_F(Store, RemovedSettingsMeanAFirstRunAgain)
{
    store.load({0, 0});
    store.set_line(SettingsStore::speed, QStringLiteral("2"));
    store.save();
    stored_settings()->remove(QString());
    SettingsStore again;
    again.load({7, 9});
    EXPECT_EQ(again.lines(), SettingsStore::first_run_lines({7, 9}));
}

TEST_F(Store, ValuesAfterOneOfAnotherTypeAreStillRead)
{
    store.load({0, 0});
    store.set_line(SettingsStore::speed, QStringLiteral("3"));
    store.save();
    stored_settings()->setValue(QStringLiteral("5"), QByteArray("\xff", 1));
    SettingsStore again;
    again.load({0, 0});
    EXPECT_EQ(again.line(SettingsStore::window_top), QStringLiteral("1"));
    EXPECT_EQ(again.line(SettingsStore::speed), QStringLiteral("3"));
}

}  // namespace
}  // namespace lumbra
