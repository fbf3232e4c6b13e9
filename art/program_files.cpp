#include "program_files.h"

#include "canvas.h"
#include "cursor_painter.h"
#include "ico_writer.h"
#include "icon_painter.h"
#include "program_art.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <vector>

namespace lumbra::art {

namespace {

// The icon file also holds 24 pixels, which Windows asks for in lists.
constexpr int ico_sizes[] = {16, 24, 32, 48, 64, 128, 256};

bool save_file(const QString& path, const QByteArray& data, QString* error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
}

bool save_image(const QImage& image, const QString& path, QString* error)
{
    if (image.save(path, "PNG"))
        return true;
    *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

QImage icon_image(int size)
{
    return render([size](QPainter& p) { paint_icon(p, size); }, QSize(size, size), 1);
}

}  // namespace

bool write_program_files(const QString& folder, QString* error)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("cursors")) || !dir.mkpath(QStringLiteral("icon"))) {
        *error = QStringLiteral("cannot create the folders in %1").arg(folder);
        return false;
    }
    const QSize cursor_size(program_cursor_size, program_cursor_size);
    for (const ProgramCursor& cursor : program_cursors) {
        const QString name = QString::fromLatin1(cursor.name.data(), qsizetype(cursor.name.size()));
        auto drawing = [&cursor](QPainter& p) { paint_cursor(p, cursor.name); };
        if (!save_image(render(drawing, cursor_size, 1), dir.filePath(QStringLiteral("cursors/%1.png").arg(name)), error) ||
            !save_image(render(drawing, cursor_size, 2), dir.filePath(QStringLiteral("cursors/%1@2x.png").arg(name)), error))
            return false;
    }
    for (int size : program_icon_sizes) {
        if (!save_image(icon_image(size), dir.filePath(QStringLiteral("icon/lumbra-%1.png").arg(size)), error))
            return false;
    }
    std::vector<QImage> ico_images;
    for (int size : ico_sizes)
        ico_images.push_back(icon_image(size));
    return save_file(dir.filePath(QStringLiteral("icon/lumbra.svg")), icon_svg(), error) &&
           save_file(dir.filePath(QStringLiteral("lumbra.ico")), ico_file(ico_images), error);
}

}  // namespace lumbra::art
