#include "catalogue/Crc32.h"

#include "catalogue/BinaryFileStream.h"

namespace qx {

namespace {

std::array<quint32, 256> buildTable() {
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 value = i;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1u) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        }
        table[i] = value;
    }
    return table;
}

} // namespace

const std::array<quint32, 256> &cCRC32::table() {
    static const std::array<quint32, 256> built = buildTable();
    return built;
}

quint32 cCRC32::update(quint32 running, QByteArrayView bytes) const {
    const std::array<quint32, 256> &lookup = table();
    for (const char c : bytes) {
        running = (running >> 8) ^ lookup[(running ^ static_cast<quint8>(c)) & 0xFFu];
    }
    return running;
}

quint32 cCRC32::GetByteArrayCrc32(QByteArrayView bytes) const {
    return ~update(kInitial, bytes);
}

std::optional<quint32> cCRC32::GetFileCrc32(cBinaryFileStream &stream) const {
    char buffer[8192];
    quint32 running = kInitial;
    for (;;) {
        const qint64 read = stream.Read(buffer, sizeof buffer);
        if (read < 0) {
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        running = update(running, QByteArrayView(buffer, read));
    }
    return ~running;
}

QString CrcText(quint32 crc) {
    return QString::number(crc, 16).toUpper();
}

std::optional<QString> FileCrcText(const QString &path) {
    cBinaryFileStream stream;
    if (!stream.setFile(path)) {
        return std::nullopt;
    }
    const std::optional<quint32> crc = cCRC32().GetFileCrc32(stream);
    if (!crc) {
        return std::nullopt;
    }
    return CrcText(*crc);
}

} // namespace qx
