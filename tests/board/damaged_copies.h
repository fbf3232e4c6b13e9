#pragma once

#include <QByteArray>
#include <QString>

#include <random>

namespace lumbra::fixture {

// Opens damaged copies of one library file, each written to a scratch file
// in `folder`. A copy that fails to open must say why in a sentence; one that
// opens has every look-up the window makes tried on it. Nothing may crash or
// hang. Each run returns how many copies opened.
class DamagedCopies {
public:
    DamagedCopies(QString folder, QByteArray intact);

    // The file cut short at every `step`-th length.
    int open_truncations(qsizetype step = 1);
    // `copies` copies with one to four bytes changed at random.
    int open_flipped_bytes(int copies);
    // The header's offsets and flags, and the 32-bit fields of the tree at
    // every `stride`-th byte, set in turn to values just inside, at and
    // beyond the end of the file.
    int open_corrupted_offsets(quint32 stride = 2);

private:
    bool open_copy(const QByteArray& bytes);

    QString path_;
    QByteArray intact_;
    std::mt19937 random_{20261211};
};

}  // namespace lumbra::fixture
