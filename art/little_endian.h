#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

namespace lumbra::art {

// Appends `value` to `out` least significant byte first, as the RIFF and ICO
// containers store their numbers.
template <typename Unsigned>
void append_little_endian(QByteArray& out, Unsigned value)
{
    char bytes[sizeof(Unsigned)];
    qToLittleEndian(value, bytes);
    out.append(bytes, qsizetype(sizeof(Unsigned)));
}

}  // namespace lumbra::art
