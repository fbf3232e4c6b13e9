#include "scrambled_text.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

TEST(ScrambledText, ToggleFlipsTheHighBitOfEveryCharacter)
{
    const QString toggled = toggle_high_bits(QStringLiteral("abc"));
    ASSERT_EQ(toggled.size(), 3);
    EXPECT_EQ(toggled[0].unicode(), 0xE1);
    EXPECT_EQ(toggled[1].unicode(), 0xE2);
    EXPECT_EQ(toggled[2].unicode(), 0xE3);
    EXPECT_EQ(toggle_high_bits(toggled), QStringLiteral("abc"));
}

TEST(ScrambledText, AsciiKeepsTheClassicStoredForm)
{
    EXPECT_EQ(scrambled(QStringLiteral("1")), QString(QChar(0xB1)));
    EXPECT_EQ(scrambled(QString()), QString());
}

class ScrambledRoundTrip : public testing::TestWithParam<const char*> {};

TEST_P(ScrambledRoundTrip, AnyNameSurvives)
{
    const QString name = QString::fromUtf8(GetParam());
    EXPECT_EQ(unscrambled(scrambled(name)), name);
}

INSTANTIATE_TEST_SUITE_P(Names, ScrambledRoundTrip,
                         testing::Values("Mr. Brandt", "Jürgen Weiß", "Łukasz Żółw", "Ёжик",
                                         "山田太郎", "emoji \xF0\x9F\x8E\xB1", ""));

TEST(ScrambledText, HandEditedValueNeverFails)
{
    // A character above 255 cannot come from scrambled(); it must still decode.
    const QString damaged = QString(QChar(0x263A)) + scrambled(QStringLiteral("ok"));
    EXPECT_TRUE(unscrambled(damaged).endsWith(QStringLiteral("ok")));
}

}  // namespace
}  // namespace lumbra
