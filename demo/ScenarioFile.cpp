#include "ScenarioFile.h"

#include <QRandomGenerator>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr qint64 storedBlockHeader = 5;
constexpr qint64 storedBlockMax = 65535;

void appendUInt32(QByteArray& bytes, quint32 value)
{
    char little[4];
    qToLittleEndian(value, little);
    bytes.append(little, 4);
}

// A map as the game stores one: rows of terrain and elevation codes in runs, which deflate
// packs well, the way real scenario data does.
QByteArray makeMapBytes(qint64 size, QRandomGenerator& random)
{
    QByteArray map;
    map.reserve(size);
    while (map.size() < size) {
        const char terrain = static_cast<char>(random.bounded(0, 24));
        const char elevation = static_cast<char>(random.bounded(0, 8));
        const int run = random.bounded(1, 40);
        for (int i = 0; i < run && map.size() < size; ++i) {
            map.append(terrain);
            map.append(elevation);
        }
    }
    map.truncate(size);
    return map;
}

// Raw deflate (no zlib wrapper) of `data`, ended by a sync flush so that more blocks may follow.
QByteArray deflateOpen(const QByteArray& data)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflate cannot start");
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, data.size())) + 16, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_SYNC_FLUSH);
    const qsizetype written = out.size() - stream.avail_out;
    deflateEnd(&stream);
    if (result != Z_OK)
        throw std::runtime_error("deflate failed");
    out.truncate(written);
    return out;
}

// `blocks` stored (uncompressed) deflate blocks sharing `length` bytes of noise, so that they
// take exactly `length` plus five bytes per block; the last block is marked final.
QByteArray storedBlocks(qint64 blocks, qint64 length, QRandomGenerator& random)
{
    QByteArray out;
    for (qint64 block = 0; block < blocks; ++block) {
        const qint64 chunk = length / blocks + (block < length % blocks ? 1 : 0);
        const bool final = block == blocks - 1;
        const quint16 len = static_cast<quint16>(chunk);
        out.append(static_cast<char>(final ? 1 : 0));
        out.append(static_cast<char>(len & 0xff));
        out.append(static_cast<char>(len >> 8));
        out.append(static_cast<char>(~len & 0xff));
        out.append(static_cast<char>((~len >> 8) & 0xff));
        for (qint64 i = 0; i < chunk; ++i)
            out.append(static_cast<char>(random.bounded(256)));
    }
    return out;
}

// Blocks for the rest of a file of `budget` bytes: the map compressed, then stored noise that
// makes up the size exactly and ends the stream.
QByteArray deflateBody(qint64 budget, QRandomGenerator& random)
{
    if (budget < storedBlockHeader)
        return QByteArray(budget, '\0'); // too short for any deflate block: padding only

    // Stored blocks cost five bytes per 65535; keep room for them after the map.
    const qint64 roomForStored = storedBlockHeader * (budget / storedBlockMax + 2);
    QByteArray compressed;
    for (qint64 mapSize = budget * 2; mapSize >= 64; mapSize /= 2) {
        compressed = deflateOpen(makeMapBytes(mapSize, random));
        if (compressed.size() + roomForStored <= budget)
            break;
        compressed.clear();
    }

    // What remains goes into as few stored blocks as can hold it, headers included.
    const qint64 rest = budget - compressed.size();
    const qint64 perBlock = storedBlockMax + storedBlockHeader;
    const qint64 blocks = std::max<qint64>(1, (rest + perBlock - 1) / perBlock);
    return compressed + storedBlocks(blocks, rest - blocks * storedBlockHeader, random);
}

} // namespace

QByteArray makeScenarioFile(const QByteArray& descriptionCp1252, qint64 totalSize, quint32 seed)
{
    QRandomGenerator random(seed);
    const quint32 descriptionLength = static_cast<quint32>(descriptionCp1252.size() + 1);
    const quint32 timestamp = 0x33000000u + seed % 94608000u; // 1997 to 1999
    const quint32 playerCount = seed % 8 + 1;

    QByteArray bytes("1.11");
    // The header length counts from byte 8 to the first byte of the compressed data.
    appendUInt32(bytes, 4 + 4 + 4 + descriptionLength + 4 + 4);
    appendUInt32(bytes, 2);
    appendUInt32(bytes, timestamp);
    appendUInt32(bytes, descriptionLength);
    bytes.append(descriptionCp1252);
    bytes.append('\0');
    appendUInt32(bytes, 1);
    appendUInt32(bytes, playerCount);

    if (totalSize > bytes.size())
        bytes.append(deflateBody(totalSize - bytes.size(), random));
    return bytes;
}
