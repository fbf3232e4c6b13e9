#include "program_dialogs.h"

#include "main_window.h"
#include "tload_libraries.h"

namespace lumbra {

void create_program_dialogs(TForm1& window)
{
    window.use_load_libraries_dialog(new Tload_libraries(&window, [&window] { return window.color_depth(); }));
}

}  // namespace lumbra
