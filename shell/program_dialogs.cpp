#include "program_dialogs.h"

#include "help_box_layout.h"
#include "highscores.h"
#include "internet_settings.h"
#include "main_window.h"
#include "name_enter.h"
#include "tconfirm1.h"
#include "thelp_box.h"
#include "tload_libraries.h"

namespace lumbra {

void create_program_dialogs(TForm1& window)
{
    // In this order: the high-score dialog loads the hall of fame as it is made.
    TForm1::ProgramDialogs dialogs;
    dialogs.highscores = new THighscores(&window);
    dialogs.name_enter = new Tname_enter(&window);
    dialogs.confirm = new TConfirm1(&window);
    dialogs.help_box = new Thelp_box(&window, window.version_text(),
                                     window.shipped_file(QString::fromLatin1(help_box_layout::manual_file)));
    dialogs.load_libraries = new Tload_libraries(&window, [&window] { return window.color_depth(); });

    // A posted score reports the program's version and the player's screen.
    InternetSettings internet = InternetSettings::built_in();
    internet.version_text = window.version_text();
    internet.color_depth = [&window] { return window.color_depth(); };
    dialogs.highscores->set_internet_settings(internet);
    dialogs.highscores->use_name_dialog(dialogs.name_enter);

    window.use_program_dialogs(dialogs);
}

}  // namespace lumbra
