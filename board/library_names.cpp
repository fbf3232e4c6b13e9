#include "library_names.h"

#include <QHash>

namespace lumbra {
namespace {

constexpr QSize board_square{40, 40};
constexpr QSize score_digit{30, 45};

QString frame_name(const QString& stone, int frame) {
    return stone + QStringLiteral("%1").arg(frame, 4, 10, QLatin1Char('0'));
}

QList<LibraryPicture> make_pictures() {
    QList<LibraryPicture> pictures{{QStringLiteral("empty"), board_square}};
    const QStringList ball_kinds{"red", "green", "blue", "yellow", "lblue", "black", "purple", "joker", "quest", "dynamit"};
    for (const QString& kind : ball_kinds) {
        for (int frame = 0; frame <= 10; ++frame)
            pictures.append({frame_name(kind, frame), board_square});
    }
    for (int blast_frame = 12; blast_frame <= 15; ++blast_frame)
        pictures.append({frame_name(QStringLiteral("dynamit"), blast_frame), board_square});
    for (int digit = 0; digit <= 9; ++digit)
        pictures.append({QStringLiteral("lcd%1").arg(digit), score_digit});
    pictures.append({QStringLiteral("next"), {97, 33}});
    pictures.append({QStringLiteral("game_over"), {265, 103}});
    pictures.append({QStringLiteral("title"), {193, 145}});
    return pictures;
}

}  // namespace

const QList<LibraryPicture>& library_pictures() {
    static const QList<LibraryPicture> pictures = make_pictures();
    return pictures;
}

const QStringList& library_sounds() {
    static const QStringList sounds{"plop_up", "plop_away", "error"};
    return sounds;
}

std::optional<QSize> expected_picture_size(const QString& name) {
    static const QHash<QString, QSize> sizes = [] {
        QHash<QString, QSize> by_name;
        for (const LibraryPicture& picture : library_pictures())
            by_name.insert(picture.name, picture.size);
        return by_name;
    }();
    const auto found = sizes.constFind(name.toLower());
    if (found == sizes.constEnd())
        return std::nullopt;
    return *found;
}

}  // namespace lumbra
