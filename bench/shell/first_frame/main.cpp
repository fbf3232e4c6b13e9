// The real program's start, which reports the first painted frame of the
// main window's board and quits.

#include <QEvent>
#include <QTimer>

#include <cstdio>

#include "../first_frame_signal.h"
#include "board_view.h"
#include "lumbra_application.h"
#include "main_window.h"
#include "program_dialogs.h"

namespace {

class FirstFrame : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // After the board's own painting, not before it.
            QTimer::singleShot(0, qApp, [] {
                std::fputs(first_frame_line, stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    lumbra::LumbraApplication application(argc, argv);
    lumbra::StartOptions options;
    options.data_folders = {QStringLiteral(LUMBRA_STAGE_DIR)};
    lumbra::TForm1 window(options);
    if (!window.init()) {
        return 1;
    }
    lumbra::create_program_dialogs(window);
    FirstFrame first_frame;
    window.board().installEventFilter(&first_frame);
    window.show();
    return application.exec();
}
