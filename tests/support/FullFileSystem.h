#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace qx::test {

// A small tmpfs mounted on a temporary folder, to see what a full disk does to a write: put the files there,
// then fill() takes the rest. Mounting needs root (as in CI); otherwise skipReason() says why.
class FullFileSystem {
public:
    FullFileSystem() {
        if (geteuid() != 0) {
            m_skipReason = QStringLiteral("mounting a small file system to fill needs root");
        } else if (::mount("qx-full", QFile::encodeName(m_mountPoint.path()), "tmpfs", 0, "size=256k") != 0) {
            m_skipReason =
                QStringLiteral("tmpfs could not be mounted: ") + QString::fromLocal8Bit(strerror(errno));
        }
    }
    ~FullFileSystem() {
        if (m_skipReason.isEmpty()) {
            ::umount2(QFile::encodeName(m_mountPoint.path()), MNT_DETACH);
        }
    }
    QString skipReason() const { return m_skipReason; } // empty when mounted
    QString path() const { return m_mountPoint.path() + QLatin1Char('/'); }
    void fill() {
        QFile filler(path() + QStringLiteral("filler"));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (filler.write(QByteArray(512, 'x')) == 512) {
        }
    }

private:
    QTemporaryDir m_mountPoint;
    QString m_skipReason;
};

} // namespace qx::test
