#pragma once

#include <QByteArrayView>
#include <array>

namespace qx::test {

// The byte-at-a-time table CRC-32 that Quorvex used before zlib: the reference the zlib results must equal,
// and the speed the benchmark compares against. Like zlib's crc32(), it continues from the CRC of the bytes
// before (0 for none).
inline quint32 TableCrc32(QByteArrayView bytes, quint32 crcBefore = 0) {
    static const auto table = [] {
        std::array<quint32, 256> values{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 value = i;
            for (int bit = 0; bit < 8; ++bit) {
                value = (value & 1u) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
            }
            values[i] = value;
        }
        return values;
    }();
    quint32 running = ~crcBefore;
    for (const char c : bytes) {
        running = (running >> 8) ^ table[(running ^ static_cast<quint8>(c)) & 0xFFu];
    }
    return ~running;
}

} // namespace qx::test
