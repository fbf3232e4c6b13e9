#pragma once

#include <QString>

namespace lumbra::art {

// Writes the program's own pictures into `folder`: cursors/NAME.png (and
// @2x), icon/lumbra-SIZE.png, icon/lumbra.svg and lumbra.ico (16 to 256).
bool write_program_files(const QString& folder, QString* error);

}  // namespace lumbra::art
