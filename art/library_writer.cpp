#include "library_writer.h"

#include "library_pictures.h"
#include "palette_reduction.h"
#include "resource_list.h"
#include "sound_synth.h"

#include <QDir>
#include <QFile>

#include <array>

namespace lumbra::art {

namespace {

const std::array<LibraryStyle, 3> styles{{
    {QStringLiteral("lrestd"), false, false},
    {QStringLiteral("lreslo"), true, false},
    {QStringLiteral("lresshape"), false, true},
}};

struct RenderedPicture {
    QString file;
    QImage image;
};

bool write_file(const QString& path, const QByteArray& data, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

bool library_style(const QString& name, LibraryStyle* style)
{
    for (const LibraryStyle& s : styles) {
        if (s.name == name) {
            *style = s;
            return true;
        }
    }
    return false;
}

bool write_library(const LibraryStyle& style, const QString& folder, QString* error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    std::vector<RenderedPicture> rendered;
    for (const PictureSpec& picture : library_pictures(style.shape_marks)) {
        rendered.push_back({picture.name + QStringLiteral(".png"), render(picture.drawing, picture.size, 1)});
        rendered.push_back({picture.name + QStringLiteral("@2x.png"), render(picture.drawing, picture.size, 2)});
    }
    if (style.palette_256) {
        std::vector<QImage> images;
        for (const RenderedPicture& r : rendered)
            images.push_back(r.image);
        const QList<QRgb> palette = shared_palette(images);
        for (RenderedPicture& r : rendered)
            r.image = reduce_to_palette(r.image, palette);
    }

    ResourceList resources;
    const QDir dir(folder);
    for (const RenderedPicture& r : rendered) {
        const QString path = dir.filePath(r.file);
        if (!r.image.save(path, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        resources.add(r.file);
    }
    for (const NamedSound& sound : game_sounds()) {
        const QString file = sound.name + QStringLiteral(".wav");
        if (!write_file(dir.filePath(file), wav_file(sound.sound), error))
            return false;
        resources.add(file);
    }
    return write_file(dir.filePath(style.name + QStringLiteral(".qrc")), resources.qrc(), error);
}

}  // namespace lumbra::art
