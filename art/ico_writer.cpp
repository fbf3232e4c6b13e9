#include "ico_writer.h"

#include "little_endian.h"

#include <QBuffer>

#include <cassert>
#include <cstdint>

namespace lumbra::art {

namespace {

QByteArray png_of(const QImage& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return data;
}

}  // namespace

QByteArray ico_file(const std::vector<QImage>& images)
{
    constexpr std::uint32_t header_size = 6;
    constexpr std::uint32_t entry_size = 16;
    QByteArray header;
    append_little_endian<std::uint16_t>(header, 0);  // reserved
    append_little_endian<std::uint16_t>(header, 1);  // an icon, not a cursor
    append_little_endian<std::uint16_t>(header, std::uint16_t(images.size()));

    QByteArray directory, data;
    std::uint32_t offset = header_size + entry_size * std::uint32_t(images.size());
    for (const QImage& image : images) {
        assert(image.width() == image.height() && image.width() >= 1 && image.width() <= 256);
        const QByteArray png = png_of(image);
        directory.append(char(image.width() & 0xff));   // 256 is written as 0
        directory.append(char(image.height() & 0xff));
        directory.append(char(0));  // no colour table
        directory.append(char(0));  // reserved
        append_little_endian<std::uint16_t>(directory, 1);   // colour planes
        append_little_endian<std::uint16_t>(directory, 32);  // bits per pixel
        append_little_endian<std::uint32_t>(directory, std::uint32_t(png.size()));
        append_little_endian<std::uint32_t>(directory, offset);
        offset += std::uint32_t(png.size());
        data += png;
    }
    return header + directory + data;
}

}  // namespace lumbra::art
