#include "lumbra_config.h"
#include "tabout_box.h"
#include "tautosave_notify1.h"
#include "tconfirm1.h"
#include "thelp_box.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>

#include <gtest/gtest.h>

namespace lumbra {
namespace {

template <class Control>
Control* control(const QWidget& dialog, const char* name)
{
    auto* found = dialog.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class SmallDialogs : public testing::Test {
protected:
    SmallDialogs() { main_window.move(300, 200); }

    QWidget main_window;
};

TEST_F(SmallDialogs, EachOpensWhereItBelongsNextToTheMainWindow)
{
    TConfirm1 confirm(&main_window);
    Thelp_box help(&main_window, QStringLiteral("2.51"), QString());
    Tabout_box about(&main_window, QStringLiteral("2.51"), [] { return QPixmap(); });
    Tautosave_notify1 notice(&main_window);
    const struct {
        QDialog* dialog;
        QPoint expected;
    } cases[] = {{&confirm, {310, 275}}, {&help, {280, 210}}, {&about, {300, 200}}, {&notice, {265, 160}}};
    for (const auto& c : cases) {
        c.dialog->show();
        EXPECT_EQ(c.dialog->pos(), c.expected) << c.dialog->objectName().toStdString();
        c.dialog->hide();
    }
}

TEST_F(SmallDialogs, AMovedMainWindowTakesItsDialogsAlong)
{
    TConfirm1 confirm(&main_window);
    confirm.show();
    confirm.hide();
    main_window.move(40, 30);
    confirm.show();
    EXPECT_EQ(confirm.pos(), QPoint(50, 105));
}

TEST_F(SmallDialogs, ConfirmationAnswersTwoForYesAndOneForNo)
{
    TConfirm1 confirm(&main_window);
    EXPECT_EQ(confirm.windowTitle(), QStringLiteral("Are you sure?"));
    EXPECT_EQ(control<QLabel>(confirm, "Label1")->text(),
              QStringLiteral("In order to change the game mode, you have to restart the game."));
    EXPECT_EQ(control<QLabel>(confirm, "Label2")->text(), QStringLiteral("Do you really want to do this?"));

    confirm.show();
    control<QPushButton>(confirm, "Button1")->click();
    EXPECT_EQ(confirm.result(), 2);
    confirm.show();
    control<QPushButton>(confirm, "Button2")->click();
    EXPECT_EQ(confirm.result(), 1);
}

TEST_F(SmallDialogs, ConfirmationClosedByItsCloseBoxGivesNeitherAnswer)
{
    TConfirm1 confirm(&main_window);
    confirm.show();
    confirm.close();
    EXPECT_FALSE(confirm.isVisible());
    EXPECT_EQ(confirm.result(), 0);
}

TEST_F(SmallDialogs, EscapeDoesNotAnswerTheConfirmation)
{
    TConfirm1 confirm(&main_window);
    confirm.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&confirm, &escape);
    EXPECT_TRUE(confirm.isVisible());
}

TEST_F(SmallDialogs, RulesBeginWithTheProductLineAndEndWithWebSiteAndContact)
{
    const Thelp_box help(&main_window, QStringLiteral("2.51"), QString());
    const QStringList lines = help.text_lines();
    ASSERT_EQ(lines.size(), 2 + 38 + 6);
    EXPECT_EQ(lines.mid(0, 3),
              (QStringList{QStringLiteral(" "), QStringLiteral("Lumbra 2.51 by Hollowick"),
                           QStringLiteral("This is just a short manual to get you started. For a "
                                          "more comprehensive")}));
    EXPECT_EQ(lines[9], QStringLiteral("Windows NT 4.0 or higher. "));
    EXPECT_EQ(lines.mid(39),
              (QStringList{QStringLiteral("strategy  hints, please read the HTML-manual that came "
                                          "with the game."),
                           QStringLiteral(" "),
                           QStringLiteral("Lumbra Website: ") + QString::fromUtf8(config::web_site),
                           QStringLiteral(" "), QStringLiteral("Lumbra by Hollowick"),
                           QStringLiteral("e-mail: ") + QString::fromUtf8(config::contact_address),
                           QStringLiteral(" ")}));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("How to play Lumbra"));
}

// Takes the place of the desktop's program for local files.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

TEST_F(SmallDialogs, TheManualButtonOpensTheManualAndKeepsTheRulesOpen)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    Thelp_box help(&main_window, QStringLiteral("2.51"), QStringLiteral("/opt/lumbra/Manual.htm"));
    help.show();
    control<QPushButton>(help, "Button1")->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    EXPECT_EQ(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/opt/lumbra/Manual.htm"))});
    EXPECT_TRUE(help.isVisible());
    control<QPushButton>(help, "okbutton")->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.result(), 1);
}

TEST_F(SmallDialogs, AboutShowsTheLibrarysTitleAndKeepsItWhenANewLibraryHasNone)
{
    QPixmap title(193, 145);
    title.fill(Qt::darkCyan);
    QPixmap offered = title;
    Tabout_box about(&main_window, QStringLiteral("2.51"), [&offered] { return offered; });
    about.show();
    about.hide();
    offered = QPixmap();
    about.show();
    EXPECT_EQ(about.picture().toImage(), title.toImage());
    EXPECT_EQ(control<QLabel>(about, "Label2")->text(), QStringLiteral("Lumbra 2.51 by Hollowick"));
    EXPECT_EQ(control<QLabel>(about, "Label3")->text(),
              QStringLiteral("e-mail: ") + QString::fromUtf8(config::contact_address));
    EXPECT_EQ(control<QLabel>(about, "Label4")->text(),
              QStringLiteral("Lumbra Website: ") + QString::fromUtf8(config::web_site));
    control<QPushButton>(about, "BitBtn1")->click();
    EXPECT_EQ(about.result(), 1);
}

TEST_F(SmallDialogs, NoticeReportsEachClickOnItsCheckBox)
{
    Tautosave_notify1 notice(&main_window);
    QSignalSpy switched(&notice, &Tautosave_notify1::notice_switched);
    notice.show();
    auto* box = control<QCheckBox>(notice, "CheckBox1");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(box->text(), QStringLiteral("don't tell me again"));
    box->click();
    box->click();
    ASSERT_EQ(switched.size(), 2);
    EXPECT_EQ(switched[0][0].toBool(), false);
    EXPECT_EQ(switched[1][0].toBool(), true);
    EXPECT_EQ(control<QLabel>(notice, "Label2")->text(),
              QStringLiteral("feature by clicking on \"Settings\" and \"Autosave Game\""));
    control<QPushButton>(notice, "Button1")->click();
    EXPECT_EQ(notice.result(), 1);
}

}  // namespace
}  // namespace lumbra

#include "small_dialogs_test.moc"
