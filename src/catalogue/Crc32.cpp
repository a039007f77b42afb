#include "catalogue/Crc32.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <memory>
#include <zlib.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace qx {

namespace {

// zlib takes an unsigned int length: a large buffer goes in pieces.
quint32 crcOf(const uchar *data, qint64 size) {
    uLong crc = crc32(0L, Z_NULL, 0);
    constexpr qint64 kPiece = 1 << 30;
    for (qint64 offset = 0; offset < size; offset += kPiece) {
        crc = crc32(crc, data + offset, static_cast<uInt>(std::min(kPiece, size - offset)));
    }
    return static_cast<quint32>(crc);
}

#if defined(Q_OS_UNIX) && defined(MAP_POPULATE)

// Linux: the pages are mapped in one go (MAP_POPULATE) rather than one fault at a time, which halves the
// time for an executable that sits in the page cache.
std::optional<quint32> mappedFileCrc(const QString &path, qint64 size) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    void *mapped = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    ::close(fd);
    if (mapped == MAP_FAILED) {
        return std::nullopt;
    }
    const quint32 crc = crcOf(static_cast<const uchar *>(mapped), size);
    ::munmap(mapped, static_cast<size_t>(size));
    return crc;
}

#else

std::optional<quint32> mappedFileCrc(const QString &path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const uchar *mapped = file.map(0, size);
    if (!mapped) {
        return std::nullopt;
    }
    return crcOf(mapped, size);
}

#endif

} // namespace

quint32 ByteArrayCrc32(QByteArrayView bytes) {
    return crcOf(reinterpret_cast<const uchar *>(bytes.data()), bytes.size());
}

std::optional<quint32> FileCrc32(const QString &path) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        return std::nullopt;
    }
    if (info.size() == 0) {
        // Nothing to map; still, only a file that can be opened has a CRC.
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? std::optional<quint32>(ByteArrayCrc32({})) : std::nullopt;
    }
    return mappedFileCrc(path, info.size());
}

QString CrcText(quint32 crc) {
    return QString::number(crc, 16).toUpper();
}

std::optional<QString> FileCrcText(const QString &path) {
    std::optional<quint32> crc;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&crc, path] { crc = FileCrc32(path); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    if (!crc) {
        return std::nullopt;
    }
    return CrcText(*crc);
}

} // namespace qx
