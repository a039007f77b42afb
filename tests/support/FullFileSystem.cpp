#include "FullFileSystem.h"

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace qx::test {

FullFileSystem::FullFileSystem() {
    if (geteuid() != 0) {
        m_skipReason = QStringLiteral("mounting a small file system to fill needs root");
        return;
    }
    const QByteArray target = QFile::encodeName(m_mountPoint.path());
    m_mounted = ::mount("qx-full", target.constData(), "tmpfs", 0, "size=256k,mode=0777") == 0;
    if (!m_mounted) {
        m_skipReason =
            QStringLiteral("tmpfs could not be mounted: %1").arg(QString::fromLocal8Bit(strerror(errno)));
    }
}

FullFileSystem::~FullFileSystem() {
    if (m_mounted) {
        ::umount2(QFile::encodeName(m_mountPoint.path()).constData(), MNT_DETACH);
    }
}

QString FullFileSystem::path() const {
    return m_mountPoint.path() + QLatin1Char('/');
}

void FullFileSystem::fill() {
    QFile filler(path() + QStringLiteral("filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qFatal("cannot create the filler file in %s", qPrintable(path()));
    }
    // Large blocks first, then single bytes for the last partial page.
    for (qsizetype block : {qsizetype(4096), qsizetype(1)}) {
        const QByteArray bytes(block, 'x');
        while (filler.write(bytes) == block) {
        }
        filler.unsetError();
    }
}

} // namespace qx::test
