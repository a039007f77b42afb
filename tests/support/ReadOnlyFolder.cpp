#include "ReadOnlyFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

namespace qx::test {

namespace {

bool canCreateFileIn(const QString &folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe_XXXXXX")));
    return probe.open();
}

bool runChattr(const QString &flag, const QString &path) {
    QProcess chattr;
    chattr.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    chattr.start(QStringLiteral("chattr"), {flag, path});
    return chattr.waitForFinished(-1) && chattr.exitStatus() == QProcess::NormalExit &&
           chattr.exitCode() == 0;
}

constexpr QFile::Permissions kReadAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

} // namespace

ReadOnlyFolder::ReadOnlyFolder(QString path) : m_path(std::move(path)) {
    QFile::setPermissions(m_path, kReadAndEnter);
    if (canCreateFileIn(m_path)) {
        m_immutable = runChattr(QStringLiteral("+i"), m_path);
    }
    m_readOnly = !canCreateFileIn(m_path);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (m_immutable) {
        runChattr(QStringLiteral("-i"), m_path);
    }
    QFile::setPermissions(m_path, kReadAndEnter | QFile::WriteOwner);
}

} // namespace qx::test
