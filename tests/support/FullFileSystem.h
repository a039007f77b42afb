#pragma once

#include <QTemporaryDir>

namespace qx::test {

// A small tmpfs mounted on a temporary folder, to see what a full disk does to a write: put the files there,
// then fill() takes the rest. Mounting needs root (as in CI); otherwise skipReason() says why.
class FullFileSystem {
public:
    FullFileSystem();
    ~FullFileSystem();
    QString skipReason() const { return m_skipReason; } // empty when mounted
    QString path() const { return m_mountPoint.path() + QLatin1Char('/'); }
    void fill();

private:
    QTemporaryDir m_mountPoint;
    QString m_skipReason;
};

} // namespace qx::test
