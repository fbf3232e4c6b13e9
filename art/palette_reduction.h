#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <vector>

namespace lumbra::art {

// One palette of at most `max_colours` for all of `images`, by median cut
// over their pixels: a screen of 256 colours shows one palette at a time,
// so every picture of a library shares it.
QList<QRgb> shared_palette(const std::vector<QImage>& images, int max_colours = 256);

// `image` as an 8-bit picture with `palette` as its colour table, each pixel
// the nearest palette colour once the error of its neighbours is spread.
QImage reduce_to_palette(const QImage& image, const QList<QRgb>& palette);

}  // namespace lumbra::art
