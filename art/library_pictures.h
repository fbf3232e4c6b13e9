#pragma once

#include "canvas.h"

#include <QSize>
#include <QString>

#include <vector>

namespace lumbra::art {

struct PictureSpec {
    QString name;  // the resource name, without ".png"
    QSize size;    // at 1x
    Drawing drawing;
};

// The 128 pictures every graphics library holds: "empty", eleven frames of
// each colour, of "joker" and of "quest", the dynamite frames and its blast,
// "lcd0".."lcd9", "next", "game_over" and "title". With `shape_marks` each
// colour also carries its shape.
std::vector<PictureSpec> library_pictures(bool shape_marks);

// "red" and 5 give "red0005".
QString frame_name(const QString& word, int frame);

}  // namespace lumbra::art
