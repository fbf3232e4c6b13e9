#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace lumbra {

// A picture every graphics library holds, at the size the window shows it.
struct LibraryPicture {
    QString name;
    QSize size;
};

// The 128 pictures of a library: "empty", the 114 stone frames, the ten score
// digits, "next", "game_over" and "title".
const QList<LibraryPicture>& library_pictures();

// The three sounds: "plop_up", "plop_away", "error".
const QStringList& library_sounds();

// The size picture `name` must have (letter case ignored); nothing for a
// name that is not a library picture.
std::optional<QSize> expected_picture_size(const QString& name);

}  // namespace lumbra
