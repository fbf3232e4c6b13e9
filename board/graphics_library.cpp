#include "graphics_library.h"

#include "resource_file_check.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QResource>

namespace lumbra {
namespace {

// Far above any real library (a few megabytes); a larger file is not read.
constexpr qint64 max_library_file_size = 64 * 1024 * 1024;

// A picture larger than this on either side is refused before decoding.
constexpr int max_picture_side = 2048;

QString sentence(const char* text, const QString& path) {
    return QString::fromUtf8(text).arg(QDir::toNativeSeparators(path));
}

QString fault_sentence(ResourceFileFault fault, const QString& path) {
    switch (fault) {
    case ResourceFileFault::none:
        break;
    case ResourceFileFault::not_a_resource_file:
        return sentence("The file \"%1\" is not a Lumbra graphics library.", path);
    case ResourceFileFault::truncated:
        return sentence("The graphics library \"%1\" is damaged (truncated).", path);
    case ResourceFileFault::damaged:
        return sentence("The graphics library \"%1\" is damaged.", path);
    }
    return {};
}

// Every library gets a map root of its own, never reused while the program
// runs, so neither two open libraries nor a library and one opened after it
// share a resource path (QSoundEffect caches samples by URL).
QString next_map_root() {
    static int opened = 0;
    return QStringLiteral("/lumbra-library-%1").arg(++opened);
}

}  // namespace

struct GraphicsLibrary::Impl {
    Impl(QString path, QByteArray bytes, QString map_root)
        : path(std::move(path)), bytes(std::move(bytes)), map_root(std::move(map_root)) {}
    ~Impl() { QResource::unregisterResource(data(), map_root); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    const uchar* data() const { return reinterpret_cast<const uchar*>(bytes.constData()); }

    // Lists what Qt can open under the map root, by lower-case file name.
    void index_files() {
        QDirIterator it(QLatin1Char(':') + map_root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString resource_path = it.next();
            const QString key = it.fileName().toLower();
            if (!files.contains(key) && QFileInfo::exists(resource_path))
                files.insert(key, resource_path);
        }
    }

    QString resource_path(const QString& file_name) const { return files.value(file_name.toLower()); }

    static QPixmap decode(const QString& resource_path) {
        QImageReader reader(resource_path, "png");
        const QSize size = reader.size();
        if (size.width() > max_picture_side || size.height() > max_picture_side)
            return {};
        return QPixmap::fromImage(reader.read());
    }

    QString path;
    QByteArray bytes;  // registered with Qt, so it lives until unregistered
    QString map_root;
    QHash<QString, QString> files;
    // Decoded pictures by lower-case name, for ratio 1 and for dense screens.
    // A picture that is missing or fails to decode is remembered as a null
    // pixmap, so it is not tried again.
    mutable QHash<QString, QPixmap> plain_pictures;
    mutable QHash<QString, QPixmap> dense_pictures;
};

std::unique_ptr<GraphicsLibrary> GraphicsLibrary::open(const QString& path, QString* error) {
    const auto fail = [&](QString why) -> std::unique_ptr<GraphicsLibrary> {
        if (error)
            *error = std::move(why);
        return nullptr;
    };
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return fail(sentence("The graphics library \"%1\" cannot be read.", path));
    if (file.size() > max_library_file_size)
        return fail(fault_sentence(ResourceFileFault::not_a_resource_file, path));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size())
        return fail(sentence("The graphics library \"%1\" cannot be read.", path));
    if (const auto fault = check_resource_file(bytes); fault != ResourceFileFault::none)
        return fail(fault_sentence(fault, path));

    QString map_root = next_map_root();
    if (!QResource::registerResource(reinterpret_cast<const uchar*>(bytes.constData()), map_root))
        return fail(fault_sentence(ResourceFileFault::not_a_resource_file, path));
    std::unique_ptr<GraphicsLibrary> library(new GraphicsLibrary);
    library->impl_ = std::make_unique<Impl>(QFileInfo(path).absoluteFilePath(), std::move(bytes), std::move(map_root));
    library->impl_->index_files();
    return library;
}

GraphicsLibrary::~GraphicsLibrary() = default;

QString GraphicsLibrary::file_path() const {
    return impl_->path;
}

bool GraphicsLibrary::has_picture(const QString& name) const {
    return !impl_->resource_path(name + QStringLiteral(".png")).isEmpty();
}

bool GraphicsLibrary::has_sound(const QString& name) const {
    return !impl_->resource_path(name + QStringLiteral(".wav")).isEmpty();
}

QPixmap GraphicsLibrary::picture(const QString& name, qreal device_pixel_ratio) const {
    const bool twice = device_pixel_ratio > 1.0;
    QHash<QString, QPixmap>& cache = twice ? impl_->dense_pictures : impl_->plain_pictures;
    const QString key = name.toLower();
    if (const auto cached = cache.constFind(key); cached != cache.constEnd())
        return *cached;
    QPixmap pixmap;
    if (!twice) {
        if (const QString plain = impl_->resource_path(name + QStringLiteral(".png")); !plain.isEmpty())
            pixmap = Impl::decode(plain);
    } else if (has_picture(name)) {
        if (const QString twin = impl_->resource_path(name + QStringLiteral("@2x.png")); !twin.isEmpty()) {
            pixmap = Impl::decode(twin);
            if (!pixmap.isNull())
                pixmap.setDevicePixelRatio(2.0);
        }
        // Without a twin that decodes, the dense screen shares the plain
        // drawing and its cache entry.
        if (pixmap.isNull())
            pixmap = picture(name, 1.0);
    }
    cache.insert(key, pixmap);
    return pixmap;
}

QSize GraphicsLibrary::picture_size(const QString& name) const {
    const QString path = impl_->resource_path(name + QStringLiteral(".png"));
    return path.isEmpty() ? QSize() : QImageReader(path, "png").size();
}

QUrl GraphicsLibrary::sound(const QString& name) const {
    const QString path = impl_->resource_path(name + QStringLiteral(".wav"));
    if (path.isEmpty())
        return {};
    // ":/root/name.wav" becomes "qrc:/root/name.wav", which QSoundEffect reads.
    return QUrl(QStringLiteral("qrc") + path);
}

}  // namespace lumbra
