#include "resource_file_check.h"

#include <QtEndian>

#include <optional>
#include <vector>

namespace lumbra {
namespace {

// The layout `rcc -binary` writes, all numbers big-endian:
//   header: "qres", version (1..3), offsets of the tree, the data and the
//           names, and from version 3 on the compression flags of the file;
//   tree:   fixed-size nodes, node 0 the root. Each holds the offset of its
//           name and its flags; a folder then holds its child count and the
//           index of its first child, a file its territory, language and the
//           offset of its data; from version 2 on every node ends with a
//           modification time;
//   names:  a 16-bit length, a 32-bit hash, then the name in UTF-16;
//   data:   a 32-bit size, then the bytes. A compressed file's bytes are a
//           zlib stream behind its unpacked size, or one zstd frame.
constexpr quint16 compressed_zlib = 0x01;
constexpr quint16 folder = 0x02;
constexpr quint16 compressed_zstd = 0x04;

constexpr qsizetype header_size_before_v3 = 20;
constexpr qsizetype header_size_v3 = 24;
constexpr qsizetype node_size_v1 = 14;
constexpr qsizetype node_size_later = 22;

// Generous bounds far above any graphics library, so that a crafted size
// cannot make Qt allocate gigabytes or walk paths of endless depth.
constexpr quint64 max_unpacked_size = 32 * 1024 * 1024;
constexpr int max_folder_depth = 16;

class Bytes {
public:
    explicit Bytes(QByteArrayView bytes) : bytes_(bytes) {}

    bool holds(quint64 offset, quint64 count) const {
        const auto size = static_cast<quint64>(bytes_.size());
        return offset <= size && count <= size - offset;
    }
    quint16 u16(quint64 offset) const { return qFromBigEndian<quint16>(bytes_.data() + offset); }
    quint32 u32(quint64 offset) const { return qFromBigEndian<quint32>(bytes_.data() + offset); }
    QByteArrayView view(quint64 offset, quint64 count) const {
        return bytes_.sliced(static_cast<qsizetype>(offset), static_cast<qsizetype>(count));
    }

private:
    QByteArrayView bytes_;
};

// The content size a zstd frame header announces (RFC 8878, 3.1.1.1), or
// nothing when the frame does not announce one or is no zstd frame.
std::optional<quint64> zstd_content_size(QByteArrayView frame) {
    constexpr quint32 magic = 0xFD2FB528;
    if (frame.size() < 5 || qFromLittleEndian<quint32>(frame.data()) != magic)
        return std::nullopt;
    const auto descriptor = static_cast<quint8>(frame[4]);
    const int size_flag = descriptor >> 6;
    const bool single_segment = descriptor & 0x20;
    constexpr int dictionary_id_sizes[] = {0, 1, 2, 4};
    constexpr int content_size_sizes[] = {0, 2, 4, 8};
    const int content_size_bytes = size_flag == 0 && single_segment ? 1 : content_size_sizes[size_flag];
    const qsizetype at = 5 + (single_segment ? 0 : 1) + dictionary_id_sizes[descriptor & 0x03];
    if (content_size_bytes == 0 || frame.size() < at + content_size_bytes)
        return std::nullopt;
    quint64 size = 0;
    for (int i = content_size_bytes - 1; i >= 0; --i)
        size = size << 8 | static_cast<quint8>(frame[at + i]);
    return content_size_bytes == 2 ? size + 256 : size;
}

class TreeWalk {
public:
    explicit TreeWalk(QByteArrayView bytes) : bytes_(bytes) {}

    ResourceFileFault run() {
        if (!bytes_.holds(0, 4) || bytes_.view(0, 4) != "qres")
            return ResourceFileFault::not_a_resource_file;
        if (!bytes_.holds(0, 8))
            return ResourceFileFault::truncated;
        const quint32 version = bytes_.u32(4);
        if (version < 1 || version > 3)
            return ResourceFileFault::not_a_resource_file;
        if (!bytes_.holds(0, version >= 3 ? header_size_v3 : header_size_before_v3))
            return ResourceFileFault::truncated;
        tree_ = bytes_.u32(8);
        data_ = bytes_.u32(12);
        names_ = bytes_.u32(16);
        node_size_ = version == 1 ? node_size_v1 : node_size_later;
        if (version >= 3 && (bytes_.u32(20) & ~quint32{compressed_zlib | compressed_zstd}) != 0)
            return ResourceFileFault::damaged;
        return walk_from_root();
    }

private:
    quint64 node_at(quint64 index) const { return tree_ + index * node_size_; }

    // Visits every node once, depth first, without recursion; a node reached
    // twice means the tree has a loop or shares children.
    ResourceFileFault walk_from_root() {
        struct Pending {
            quint64 index;
            int depth;
        };
        std::vector<Pending> pending{{0, 0}};
        std::vector<bool> seen;
        while (!pending.empty()) {
            const Pending node = pending.back();
            pending.pop_back();
            const quint64 at = node_at(node.index);
            if (!bytes_.holds(at, node_size_))
                return ResourceFileFault::truncated;
            if (node.index != 0) {
                if (const auto fault = check_name(bytes_.u32(at)); fault != ResourceFileFault::none)
                    return fault;
            }
            const quint16 flags = bytes_.u16(at + 4);
            if (flags != folder) {
                if (const auto fault = check_file(flags, bytes_.u32(at + 10)); fault != ResourceFileFault::none)
                    return fault;
                continue;
            }
            const quint64 count = bytes_.u32(at + 6);
            const quint64 first = bytes_.u32(at + 10);
            if (count == 0)
                continue;
            if (node.depth == max_folder_depth || first == 0)
                return ResourceFileFault::damaged;
            if (!bytes_.holds(node_at(first), count * node_size_))
                return ResourceFileFault::truncated;
            if (seen.size() < first + count)
                seen.resize(first + count);
            for (quint64 child = first; child < first + count; ++child) {
                if (seen[child])
                    return ResourceFileFault::damaged;
                seen[child] = true;
                pending.push_back({child, node.depth + 1});
            }
        }
        return ResourceFileFault::none;
    }

    ResourceFileFault check_name(quint32 offset) const {
        const quint64 at = names_ + offset;
        if (!bytes_.holds(at, 6))
            return ResourceFileFault::truncated;
        const quint64 length = bytes_.u16(at);
        if (length == 0)
            return ResourceFileFault::damaged;
        return bytes_.holds(at + 6, 2 * length) ? ResourceFileFault::none : ResourceFileFault::truncated;
    }

    ResourceFileFault check_file(quint16 flags, quint32 offset) const {
        if (flags != 0 && flags != compressed_zlib && flags != compressed_zstd)
            return ResourceFileFault::damaged;
        const quint64 at = data_ + offset;
        if (!bytes_.holds(at, 4))
            return ResourceFileFault::truncated;
        const quint64 size = bytes_.u32(at);
        if (!bytes_.holds(at + 4, size))
            return ResourceFileFault::truncated;
        const QByteArrayView content = bytes_.view(at + 4, size);
        if (flags == compressed_zlib) {
            if (content.size() < 4 || qFromBigEndian<quint32>(content.data()) > max_unpacked_size)
                return ResourceFileFault::damaged;
        } else if (flags == compressed_zstd) {
            const auto unpacked = zstd_content_size(content);
            if (!unpacked || *unpacked > max_unpacked_size)
                return ResourceFileFault::damaged;
        }
        return ResourceFileFault::none;
    }

    Bytes bytes_;
    quint64 tree_ = 0;
    quint64 data_ = 0;
    quint64 names_ = 0;
    quint64 node_size_ = 0;
};

}  // namespace

ResourceFileFault check_resource_file(QByteArrayView bytes) {
    return TreeWalk(bytes).run();
}

}  // namespace lumbra
