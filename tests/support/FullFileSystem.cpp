#include "FullFileSystem.h"

#include <QFile>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace qx::test {

FullFileSystem::FullFileSystem() {
    if (geteuid() != 0) {
        m_skipReason = QStringLiteral("mounting a small file system to fill needs root");
    } else if (::mount("qx-full", QFile::encodeName(m_mountPoint.path()), "tmpfs", 0, "size=256k") != 0) {
        m_skipReason =
            QStringLiteral("tmpfs could not be mounted: ") + QString::fromLocal8Bit(strerror(errno));
    }
}

FullFileSystem::~FullFileSystem() {
    if (m_skipReason.isEmpty()) {
        ::umount2(QFile::encodeName(m_mountPoint.path()), MNT_DETACH);
    }
}

void FullFileSystem::fill() {
    QFile filler(path() + QStringLiteral("filler"));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    while (filler.write(QByteArray(512, 'x')) == 512) {
    }
}

} // namespace qx::test
