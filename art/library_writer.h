#pragma once

#include <QString>

namespace lumbra::art {

// How one of the shipped graphics libraries is drawn.
struct LibraryStyle {
    QString name;         // "lrestd", "lreslo", "lresshape"
    bool palette_256;     // pictures reduced to one shared palette of 256 colours
    bool shape_marks;     // every ball colour also marked by a shape
};

// The style named `name`; false when there is none.
bool library_style(const QString& name, LibraryStyle* style);

// Writes NAME.png and NAME@2x.png for every picture, NAME.wav for every
// sound, and STYLE.qrc listing them all at the root, into `folder`.
bool write_library(const LibraryStyle& style, const QString& folder, QString* error);

}  // namespace lumbra::art
