#pragma once

#include <QString>
#include <QTemporaryDir>

namespace qx::test {

// A small tmpfs mounted on a temporary folder, to see what a full disk does to a write: put the files a
// test needs there, then fill() takes the rest of the space. Mounting needs root (the tests run as root in
// CI and in the development containers); otherwise isMounted() is false and skipReason() says why.
class FullFileSystem {
public:
    FullFileSystem();
    ~FullFileSystem();
    FullFileSystem(const FullFileSystem &) = delete;
    FullFileSystem &operator=(const FullFileSystem &) = delete;

    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    // The mounted folder, with a trailing separator.
    QString path() const;
    // Writes a filler file until the file system has not one byte left.
    void fill();

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    QString m_skipReason;
};

} // namespace qx::test
