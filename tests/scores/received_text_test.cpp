#include "received_text.h"

#include "qstring_printing.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

TEST(TextLines, SplitsAtEveryKindOfLineEnd)
{
    EXPECT_EQ(text_lines(QStringLiteral("a\r\nb\rc\nd\n")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(text_lines(QStringLiteral("a\n\nb")), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_TRUE(text_lines(QString()).isEmpty());
}

TEST(DecodedText, ReadsUtf8AndFallsBackToLatin1)
{
    EXPECT_EQ(decoded_text("J\xc3\xbcrgen"), QStringLiteral("Jürgen"));
    EXPECT_EQ(decoded_text("J\xfcrgen"), QStringLiteral("Jürgen"));
}

}  // namespace
}  // namespace lumbra
