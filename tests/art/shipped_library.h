#pragma once

#include <QImage>
#include <QResource>
#include <QString>

#include <memory>

namespace lumbra::art_tests {

// One of the graphics libraries the build put into the stage folder,
// registered under a root of its own for as long as the object lives.
class ShippedLibrary {
public:
    explicit ShippedLibrary(const QString& file_name);
    ~ShippedLibrary();
    ShippedLibrary(const ShippedLibrary&) = delete;
    ShippedLibrary& operator=(const ShippedLibrary&) = delete;

    bool is_open() const { return open_; }
    QString path_of(const QString& resource) const { return root_ + QLatin1Char('/') + resource; }
    QImage picture(const QString& name, bool twice = false) const;
    QByteArray file(const QString& resource) const;

private:
    QString file_path_;
    QString root_;
    bool open_ = false;
};

}  // namespace lumbra::art_tests
