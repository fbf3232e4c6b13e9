#include "shipped_library.h"

#include <QFile>

namespace lumbra::art_tests {

ShippedLibrary::ShippedLibrary(const QString& file_name)
    : file_path_(QStringLiteral(LUMBRA_STAGE_DIR "/") + file_name),
      root_(QStringLiteral("/test_") + QString(file_name).remove(QLatin1Char('.')))
{
    open_ = QResource::registerResource(file_path_, root_);
    root_.prepend(QLatin1Char(':'));
}

ShippedLibrary::~ShippedLibrary()
{
    if (open_)
        QResource::unregisterResource(file_path_, root_.mid(1));
}

QImage ShippedLibrary::picture(const QString& name, bool twice) const
{
    return QImage(path_of(name + (twice ? QStringLiteral("@2x.png") : QStringLiteral(".png"))));
}

QByteArray ShippedLibrary::file(const QString& resource) const
{
    QFile f(path_of(resource));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace lumbra::art_tests
