#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

namespace qx::test {

// Makes a folder read-only while the object lives. Permission bits do not stop root, so when they are not
// enough the folder is also made immutable (chattr +i). isReadOnly() tells whether it worked; a test that
// needs it should skip otherwise. Declare it after the QTemporaryDir that holds the folder, so the folder is
// writable again before the temporary directory is removed.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString path) : m_path(std::move(path)) {
        QFile::setPermissions(m_path, kReadAndEnter);
        if (canCreateFile()) {
            m_immutable = chattr(QStringLiteral("+i"));
        }
        m_readOnly = !canCreateFile();
    }
    ~ReadOnlyFolder() {
        if (m_immutable) {
            chattr(QStringLiteral("-i"));
        }
        QFile::setPermissions(m_path, kReadAndEnter | QFile::WriteOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool isReadOnly() const { return m_readOnly; }

private:
    static constexpr QFile::Permissions kReadAndEnter = QFile::ReadOwner | QFile::ExeOwner |
                                                        QFile::ReadGroup | QFile::ExeGroup |
                                                        QFile::ReadOther | QFile::ExeOther;

    bool canCreateFile() const {
        QTemporaryFile probe(QDir(m_path).filePath(QStringLiteral("probe_XXXXXX")));
        return probe.open();
    }
    bool chattr(const QString &flag) const {
        QProcess chattr;
        chattr.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        chattr.start(QStringLiteral("chattr"), {flag, m_path});
        return chattr.waitForFinished(-1) && chattr.exitStatus() == QProcess::NormalExit &&
               chattr.exitCode() == 0;
    }

    QString m_path;
    bool m_immutable = false;
    bool m_readOnly = false;
};

} // namespace qx::test
