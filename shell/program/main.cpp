// The program entry: the application, the main window with its game, the
// dialogs that live for the whole run, and the message loop.

#include <cstdlib>

#include "lumbra_application.h"
#include "main_window.h"
#include "program_dialogs.h"

int main(int argc, char** argv)
{
    lumbra::LumbraApplication application(argc, argv);
    lumbra::TForm1 window;
    if (!window.init()) {
        return EXIT_FAILURE;
    }
    lumbra::create_program_dialogs(window);
    window.show();
    return application.exec();
}
