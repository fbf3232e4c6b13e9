#include "library_acceptance.h"

#include "graphics_library.h"
#include "library_names.h"

#include <QDir>
#include <QStringList>

namespace lumbra {
namespace {

QString library_name(const GraphicsLibrary& library) {
    return QDir::toNativeSeparators(library.file_path());
}

QString size_text(QSize size) {
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

bool refuse(QString* reason, QString why) {
    if (reason)
        *reason = std::move(why);
    return false;
}

// Decodes each picture, as the window will, so a drawing that is present
// but broken fails here and not on the board.
bool pictures_load(const GraphicsLibrary& library, const QStringList& names, QString* reason) {
    for (const QString& name : names) {
        if (!library.has_picture(name))
            return refuse(reason, QStringLiteral("The graphics library \"%1\" lacks the picture \"%2\".")
                                      .arg(library_name(library), name));
        if (library.picture(name).isNull())
            return refuse(reason, QStringLiteral("In the graphics library \"%1\" the picture \"%2\" is damaged.")
                                      .arg(library_name(library), name));
    }
    return pictures_have_their_sizes(library, reason);
}

}  // namespace

bool pictures_have_their_sizes(const GraphicsLibrary& library, QString* reason) {
    const auto wrong_size = [&](const QString& name, QSize size, QSize expected) {
        return refuse(reason, QStringLiteral("In the graphics library \"%1\" the picture \"%2\" is %3 pixels instead of %4.")
                                  .arg(library_name(library), name, size_text(size), size_text(expected)));
    };
    for (const LibraryPicture& picture : library_pictures()) {
        if (!library.has_picture(picture.name))
            continue;
        if (const QSize size = library.picture_size(picture.name); size != picture.size)
            return wrong_size(picture.name, size, picture.size);
        const QString twin = picture.name + QStringLiteral("@2x");
        if (!library.has_picture(twin))
            continue;
        if (const QSize size = library.picture_size(twin); size != 2 * picture.size)
            return wrong_size(twin, size, 2 * picture.size);
    }
    return true;
}

bool usable_at_startup(const GraphicsLibrary& library, QString* reason) {
    return pictures_load(library, {QStringLiteral("red0005")}, reason);
}

bool usable_as_additional(const GraphicsLibrary& library, QString* reason) {
    return pictures_load(library, {QStringLiteral("empty"), QStringLiteral("red0005")}, reason);
}

}  // namespace lumbra
