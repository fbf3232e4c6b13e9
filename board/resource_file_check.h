#pragma once

#include <QByteArrayView>

namespace lumbra {

// What is wrong with the bytes of a Qt binary resource file (made by
// `rcc -binary`), judged before Qt is handed them: Qt trusts every offset in
// such a file, so a truncated or crafted one would make it read out of bounds.
enum class ResourceFileFault {
    none,                 // every offset and size lies inside the file
    not_a_resource_file,  // no "qres" header of a version Qt reads
    truncated,            // the header promises bytes beyond the end
    damaged,              // inconsistent: a loop in the tree, unknown flags, ...
};

// Checks the header, then walks the whole tree of folders and files and checks
// every node, name and data entry, including the size a compressed file
// claims to unpack to.
ResourceFileFault check_resource_file(QByteArrayView bytes);

}  // namespace lumbra
