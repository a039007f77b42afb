#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>

namespace qx {

class cBinaryFileStream;

// The standard reflected CRC-32 (polynomial 0xEDB88320, as in zlib and IEEE 802.3). It fingerprints the MAME
// executable, so a rebuilt or replaced emulator is told apart from the one whose catalogue is cached.
class cCRC32 {
public:
    cCRC32() = default;

    // Reads the stream from its current position to the end in 8 KB chunks. nullopt when a read fails.
    std::optional<quint32> GetFileCrc32(cBinaryFileStream &stream) const;
    quint32 GetByteArrayCrc32(QByteArrayView bytes) const;

    // Continues a running value (start with kInitial, finish by inverting); lets callers feed chunks.
    static constexpr quint32 kInitial = 0xFFFFFFFFu;
    quint32 update(quint32 running, QByteArrayView bytes) const;

private:
    // Built once for the whole program; every instance shares it.
    static const std::array<quint32, 256> &table();
};

// The text stored in the crc32 key: upper-case hexadecimal without leading zeros ("0" for 0).
QString CrcText(quint32 crc);

// The CRC text of a file; nullopt when the file is missing or cannot be read.
std::optional<QString> FileCrcText(const QString &path);

} // namespace qx
