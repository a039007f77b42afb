#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace qx {

// The executable's fingerprint: the standard reflected CRC-32 (polynomial 0xEDB88320, as in zlib and IEEE
// 802.3), so a rebuilt or replaced emulator is told apart from the one whose catalogue is cached. zlib's
// crc32() does the arithmetic, several times faster than a byte table.

quint32 ByteArrayCrc32(QByteArrayView bytes);

// The CRC of a whole file, read through a memory map; nullopt when the file is missing, is no regular file
// or cannot be read. Runs on the calling thread.
std::optional<quint32> FileCrc32(const QString &path);

// The text stored in the crc32 key: upper-case hexadecimal without leading zeros ("0" for 0).
QString CrcText(quint32 crc);

// The CRC text of a file (FileCrc32 as text). Today's MAME is hundreds of megabytes, so the window thread
// never computes it itself: the work runs on a worker thread while the caller waits in a local event loop,
// and the window keeps painting.
std::optional<QString> FileCrcText(const QString &path);

} // namespace qx
