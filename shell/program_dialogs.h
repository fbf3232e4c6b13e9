#pragma once

namespace lumbra {

class TForm1;

// Creates, once and hidden, the dialogs that live for the whole run and
// hands them to the main window, which owns them from then on.
void create_program_dialogs(TForm1& window);

}  // namespace lumbra
