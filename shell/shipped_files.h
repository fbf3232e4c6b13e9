#pragma once

#include <QString>
#include <QStringList>

namespace lumbra {

// The folders searched for the files that come with the program (graphics
// libraries, icon, manual), in order: beside the executable, then
// ../share/lumbra relative to it, then the installed data folder.
QStringList default_data_folders();

// The first existing `name` in `folders`; when there is none, the name as it
// would lie in the first folder, so that a message can show where it was
// looked for.
QString find_shipped_file(const QString& name, const QStringList& folders);

}  // namespace lumbra
