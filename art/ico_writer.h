#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace lumbra::art {

// A Windows icon file holding each image as a PNG (sizes 1..256, square),
// the form every Windows since Vista and Qt's own icon reader accept.
QByteArray ico_file(const std::vector<QImage>& images);

}  // namespace lumbra::art
