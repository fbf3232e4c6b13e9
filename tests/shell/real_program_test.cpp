// Starts the real program on a private X server, plays a few clicks with
// xdotool and quits through the menu, as a player would.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// A display number no X server uses yet.
int free_display()
{
    for (int n = 90; n < 190; ++n) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
            !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
            return n;
        }
    }
    return -1;
}

class RealProgram : public testing::Test {
protected:
    void SetUp() override
    {
        if (tool("Xvfb").isEmpty() || tool("xdotool").isEmpty()) {
            GTEST_SKIP() << "Xvfb or xdotool is not installed";
        }
        const int number = free_display();
        ASSERT_GE(number, 0);
        display_ = QStringLiteral(":%1").arg(number);
        xvfb_.setProgram(tool("Xvfb"));
        xvfb_.setArguments({display_, QStringLiteral("-screen"), QStringLiteral("0"),
                            QStringLiteral("800x600x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        xvfb_.start();
        ASSERT_TRUE(xvfb_.waitForStarted());
        for (int i = 0; i < 100 && !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)); ++i) {
            QThread::msleep(50);
        }
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert(QStringLiteral("DISPLAY"), display_);
        environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
        environment_.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));
        environment_.insert(QStringLiteral("HOME"), home_.path());
    }

    void TearDown() override
    {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
        if (xvfb_.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(xvfb_.processId()), SIGTERM);
            xvfb_.waitForFinished();
        }
    }

    // Runs xdotool with `arguments` and returns what it printed.
    QString xdotool(const QStringList& arguments)
    {
        QProcess run;
        run.setProcessEnvironment(environment_);
        run.start(tool("xdotool"), arguments);
        run.waitForFinished(20000);
        return QString::fromLocal8Bit(run.readAllStandardOutput()).trimmed();
    }

    QTemporaryDir home_;
    QString display_;
    QProcessEnvironment environment_;
    QProcess xvfb_;
    QProcess program_;
};

TEST_F(RealProgram, PlaysAndQuitsThroughTheMenu)
{
    program_.setProcessEnvironment(environment_);
    program_.start(QStringLiteral(LUMBRA_PROGRAM), {});
    ASSERT_TRUE(program_.waitForStarted());

    // The window appears with its caption.
    QString window;
    for (int i = 0; i < 100 && window.isEmpty(); ++i) {
        window = xdotool({"search", "--onlyvisible", "--name", "Lumbra 2.51"}).section(QLatin1Char('\n'), 0, 0);
        if (window.isEmpty()) {
            QThread::msleep(100);
        }
    }
    ASSERT_FALSE(window.isEmpty()) << "no window; program said: "
                                   << program_.readAllStandardError().toStdString();

    // A few clicks across the board: picking balls, sending them, missing.
    for (const char* square : {"20 120", "180 250", "100 300", "300 100", "60 400"}) {
        const QStringList xy = QString::fromLatin1(square).split(QLatin1Char(' '));
        xdotool({"mousemove", "--window", window, xy[0], xy[1], "click", "1"});
        QThread::msleep(150);
    }
    EXPECT_EQ(program_.state(), QProcess::Running);

    // No window manager runs here, so the test gives the window the focus.
    xdotool({"windowfocus", "--sync", window});
    xdotool({"key", "alt+g"});
    QThread::msleep(300);
    xdotool({"key", "q"});
    ASSERT_TRUE(program_.waitForFinished(20000)) << "the program did not quit";
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
    EXPECT_TRUE(QFileInfo::exists(home_.filePath(QStringLiteral("config/Hollowick/lumbra.conf"))));
}

}  // namespace
