#pragma once

#include <QFile>
#include <QFileInfo>
#include <sys/fsuid.h>
#include <unistd.h>

namespace qx::test {

// Takes a file's read permission away while it lives. Root reads any file, so a test run by root becomes
// "nobody" for file access on this thread meanwhile (the folder is opened to everyone, so it is still seen).
class UnreadableFile {
public:
    explicit UnreadableFile(const QString &path)
        : m_path(path), m_folder(QFileInfo(path).absolutePath()),
          m_folderPermissions(QFile::permissions(m_folder)) {
        QFile::setPermissions(m_path, QFile::WriteOwner);
        if (geteuid() == 0) {
            QFile::setPermissions(m_folder, QFile::Permissions(0x7777)); // rwx for everyone
            setfsuid(65534);
        }
    }
    ~UnreadableFile() {
        if (geteuid() == 0) {
            setfsuid(0);
            QFile::setPermissions(m_folder, m_folderPermissions);
        }
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }

private:
    QString m_path;
    QString m_folder;
    QFile::Permissions m_folderPermissions;
};

} // namespace qx::test
