// The floor: a bare Qt main window of the game's size with a menu bar, which
// reports its first painted frame and quits.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>

#include "../first_frame_signal.h"

namespace {

class Board : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!painted_) {
            painted_ = true;
            // After the frame is done, as the game's timed start does.
            QTimer::singleShot(0, qApp, [] {
                std::fputs(first_frame_line, stdout);
                std::fflush(stdout);
                QApplication::quit();
            });
        }
    }

private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    auto* board = new Board;
    board->setFixedSize(361, 411);
    window.setCentralWidget(board);
    window.show();
    return application.exec();
}
