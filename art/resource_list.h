#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumbra::art {

// The files of one Qt resource collection, each at the root under its own
// name, written as the .qrc that rcc packs.
class ResourceList {
public:
    void add(const QString& file) { files_.append(file); }
    QByteArray qrc() const;

private:
    QStringList files_;
};

}  // namespace lumbra::art
