#pragma once

#include <QByteArrayView>
#include <QFile>
#include <array>
#include <optional>

namespace qx::test {

// The byte-at-a-time table CRC-32 that Quorvex used before zlib: the reference the zlib results must equal,
// and the speed the benchmark compares against.
class TableCrc32 {
public:
    TableCrc32() {
        for (quint32 i = 0; i < 256; ++i) {
            quint32 value = i;
            for (int bit = 0; bit < 8; ++bit) {
                value = (value & 1u) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
            }
            m_table[i] = value;
        }
    }

    quint32 update(quint32 running, QByteArrayView bytes) const {
        for (const char c : bytes) {
            running = (running >> 8) ^ m_table[(running ^ static_cast<quint8>(c)) & 0xFFu];
        }
        return running;
    }
    quint32 ofBytes(QByteArrayView bytes) const { return ~update(0xFFFFFFFFu, bytes); }

    std::optional<quint32> ofFile(const QString &path) const {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        quint32 running = 0xFFFFFFFFu;
        for (QByteArray chunk; !(chunk = file.read(1 << 20)).isEmpty();) {
            running = update(running, chunk);
        }
        return ~running;
    }

private:
    std::array<quint32, 256> m_table{};
};

} // namespace qx::test
