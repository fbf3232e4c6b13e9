#include "damaged_copies.h"

#include "graphics_library.h"
#include "library_acceptance.h"
#include "library_names.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>

namespace lumbra::fixture {
namespace {

// Everything the window may do with an open library.
void use_everything(const GraphicsLibrary& library) {
    for (const LibraryPicture& picture : library_pictures()) {
        (void)library.picture_size(picture.name);
        (void)library.picture(picture.name, 1.0);
        (void)library.picture(picture.name, 2.0);
    }
    for (const QString& name : library_sounds()) {
        if (const QUrl sound = library.sound(name); !sound.isEmpty()) {
            QFile file(':' + sound.path());
            if (file.open(QIODevice::ReadOnly))
                (void)file.readAll();
        }
    }
    (void)usable_at_startup(library);
    (void)usable_as_additional(library);
}

}  // namespace

DamagedCopies::DamagedCopies(QString folder, QByteArray intact)
    : path_(QDir(folder).filePath("damaged.lgr")), intact_(std::move(intact)) {}

bool DamagedCopies::open_copy(const QByteArray& bytes) {
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        ADD_FAILURE() << "cannot write " << path_.toStdString();
        return false;
    }
    file.close();
    QString error;
    const auto library = GraphicsLibrary::open(path_, &error);
    if (!library) {
        EXPECT_FALSE(error.isEmpty());
        return false;
    }
    use_everything(*library);
    return true;
}

int DamagedCopies::open_truncations(qsizetype step) {
    int opened = 0;
    for (qsizetype size = 0; size < intact_.size(); size += step)
        opened += open_copy(intact_.first(size));
    return opened;
}

int DamagedCopies::open_flipped_bytes(int copies) {
    std::uniform_int_distribution<qsizetype> position(0, intact_.size() - 1);
    std::uniform_int_distribution<int> flips(1, 4);
    std::uniform_int_distribution<int> mask(1, 255);
    int opened = 0;
    for (int copy = 0; copy < copies; ++copy) {
        QByteArray damaged = intact_;
        for (int flip = flips(random_); flip > 0; --flip)
            damaged[position(random_)] ^= static_cast<char>(mask(random_));
        opened += open_copy(damaged);
    }
    return opened;
}

int DamagedCopies::open_corrupted_offsets(quint32 stride) {
    const auto size = static_cast<quint32>(intact_.size());
    const quint32 tree = qFromBigEndian<quint32>(intact_.constData() + 8);
    std::uniform_int_distribution<quint32> any;
    QList<quint32> fields{8, 12, 16, 20};
    for (quint32 at = tree; at + 4 <= size; at += stride)
        fields.append(at);
    int opened = 0;
    for (const quint32 field : fields) {
        for (const quint32 value : {0u, 1u, 2u, size - 4, size, 0x7FFFFFFFu, 0xFFFFFFFFu, any(random_), any(random_) % size}) {
            QByteArray damaged = intact_;
            qToBigEndian(value, damaged.data() + field);
            opened += open_copy(damaged);
        }
    }
    return opened;
}

}  // namespace lumbra::fixture
