#include "name_enter.h"
#include "modal_player.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <ostream>

namespace lumbra {
namespace {

class NameEnter : public testing::Test {
protected:
    NameEnter() { main_window.move(300, 200); }

    QPushButton* okbtn() const { return dialog.findChild<QPushButton*>(QStringLiteral("okbtn")); }

    void ask_for_name_only() { dialog.set_address_and_country_shown(false); }

    QWidget main_window;
    Tname_enter dialog{&main_window};
};

TEST_F(NameEnter, ControlsSitWhereTheFormPutsThem)
{
    EXPECT_EQ(dialog.edit1()->geometry(), QRect(8, 48, 249, 21));
    EXPECT_EQ(dialog.edit2()->geometry(), QRect(8, 88, 249, 21));
    EXPECT_EQ(dialog.edit3()->geometry(), QRect(8, 128, 249, 21));
    EXPECT_EQ(okbtn()->geometry(), QRect(272, 48, 89, 33));
    EXPECT_EQ(okbtn()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(okbtn()->isDefault());
    EXPECT_EQ(dialog.label3()->pos(), QPoint(8, 72));
    EXPECT_EQ(dialog.label1()->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(dialog.label1()->font().pixelSize(), 13);
    EXPECT_EQ(dialog.size(), QSize(369, 241));
}

TEST_F(NameEnter, WindowHeightCountsTitleBarAndFrame)
{
    dialog.set_window_height(134);
    EXPECT_EQ(dialog.size(), QSize(369, 105));
    dialog.set_window_height(270);
    EXPECT_EQ(dialog.size(), QSize(369, 241));
}

TEST_F(NameEnter, OpensBelowAndLeftOfTheMainWindow)
{
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(280, 240));
}

TEST_F(NameEnter, OpensWithTheLastNameAndOkEnabledAtOnce)
{
    ask_for_name_only();
    dialog.edit1()->setText(QStringLiteral("Vex"));
    dialog.show();
    EXPECT_TRUE(dialog.ok_allowed());
    EXPECT_TRUE(okbtn()->isEnabled());
    EXPECT_EQ(dialog.edit1()->selectedText(), QStringLiteral("Vex"));
}

TEST_F(NameEnter, OpensWithOkDisabledWhileTheNameIsEmpty)
{
    ask_for_name_only();
    dialog.show();
    EXPECT_FALSE(dialog.ok_allowed());
    EXPECT_FALSE(okbtn()->isEnabled());
}

TEST_F(NameEnter, RefusesToCloseWhileTheNameIsEmpty)
{
    ask_for_name_only();
    dialog.show();
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();  // Escape
    EXPECT_TRUE(dialog.isVisible());

    dialog.edit1()->setText(QStringLiteral(" "));
    EXPECT_TRUE(dialog.close());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(NameEnter, RefusesToCloseWhileTheCountryIsEmpty)
{
    dialog.edit1()->setText(QStringLiteral("d"));
    dialog.edit1()->hide();
    dialog.edit2()->setText(QStringLiteral("ann@example.org"));
    dialog.show();
    EXPECT_FALSE(dialog.close());
    dialog.edit3()->setText(QStringLiteral("Wales"));
    EXPECT_TRUE(dialog.close());
}

TEST_F(NameEnter, OkEndsTheDialogWithResultOne)
{
    ask_for_name_only();
    ModalPlayer player;
    player.expect<Tname_enter>([](Tname_enter& shown) {
        shown.edit1()->setText(QStringLiteral("Orla"));
        shown.findChild<QPushButton*>(QStringLiteral("okbtn"))->click();
    });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_TRUE(player.all_answered());
    EXPECT_TRUE(player.unexpected().isEmpty());
    EXPECT_EQ(dialog.edit1()->text(), QStringLiteral("Orla"));
}

struct EnableCase {
    const char* name;
    bool three_edits;
    const char* edit1;
    const char* edit2;
    const char* edit3;
    bool ok_allowed;
};

void PrintTo(const EnableCase& enable, std::ostream* out) { *out << enable.name; }

class EnableRule : public NameEnter, public testing::WithParamInterface<EnableCase> {};

TEST_P(EnableRule, OkOnlyWithEveryRequiredEditFilled)
{
    const EnableCase& c = GetParam();
    if (!c.three_edits)
        ask_for_name_only();
    dialog.show();
    dialog.edit1()->setText(QString::fromUtf8(c.edit1));
    dialog.edit2()->setText(QString::fromUtf8(c.edit2));
    dialog.edit3()->setText(QString::fromUtf8(c.edit3));
    EXPECT_EQ(dialog.ok_allowed(), c.ok_allowed);
    EXPECT_EQ(okbtn()->isEnabled(), c.ok_allowed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnableRule,
    testing::Values(EnableCase{"name_empty", false, "", "", "", false},
                    EnableCase{"name_typed", false, "Vex", "", "", true},
                    EnableCase{"name_of_blanks_counts", false, "   ", "", "", true},
                    EnableCase{"name_in_any_script", false, "山田", "", "", true},
                    EnableCase{"hidden_edits_do_not_count", false, "", "a@b.org", "Wales", false},
                    EnableCase{"address_and_country_missing", true, "d", "", "", false},
                    EnableCase{"country_missing", true, "d", "a@b.org", "", false},
                    EnableCase{"all_three_filled", true, "d", "a@b.org", "Wales", true},
                    EnableCase{"blanks_count_in_all_three", true, " ", " ", " ", true},
                    EnableCase{"name_missing_with_three_edits", true, "", "a@b.org", "Wales", false}),
    [](const testing::TestParamInfo<EnableCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lumbra
