#pragma once

#include "colour_vision.h"

#include <QImage>
#include <QString>

namespace lumbra::art {

// Every picture of a library folder on one sheet, each named below it, one
// row per stone: NAME.png at scale 1, NAME@2x.png at scale 2. Under a
// deficient `vision` the whole sheet is shown as such a player would see it.
// A null image when the folder holds no pictures.
QImage contact_sheet(const QString& folder, int scale, Vision vision);

}  // namespace lumbra::art
