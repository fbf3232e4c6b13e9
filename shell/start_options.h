#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace lumbra {

// What the main window asks of its surroundings. The program uses the
// defaults; tests hand in their own folders, screen depth and file choice.
struct StartOptions {
    // Folders searched for the shipped files (see shipped_files.h); empty
    // means the default ones.
    QStringList data_folders;

    // Bits per pixel of the window's screen; unset means the real screen's.
    std::function<int()> color_depth;

    // Asks the player for a graphics library file. Gets the file chosen last
    // time (empty before the first choice) and returns the dialog's current
    // file name, which is that same name when the player cancels. Unset means
    // the standard open-file dialog.
    std::function<QString(QWidget* parent, const QString& last_choice)> choose_library_file;
};

}  // namespace lumbra
