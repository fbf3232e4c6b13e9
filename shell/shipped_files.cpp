#include "shipped_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lumbra {

QStringList default_data_folders()
{
    const QString program_folder = QCoreApplication::applicationDirPath();
    return {program_folder, QDir::cleanPath(program_folder + QStringLiteral("/../share/lumbra")),
            QStringLiteral(LUMBRA_INSTALLED_DATA_DIR)};
}

QString find_shipped_file(const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return folders.isEmpty() ? name : QDir(folders.first()).filePath(name);
}

}  // namespace lumbra
