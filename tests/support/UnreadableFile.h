#pragma once

#include <QFile>

namespace qx::test {

// Takes a file's read permission away while it lives. Root reads any file, so a test run by root becomes
// "nobody" for file access on this thread meanwhile (the folder is opened to everyone, so it is still seen).
class UnreadableFile {
public:
    explicit UnreadableFile(const QString &path);
    ~UnreadableFile();

private:
    QString m_path;
    QString m_folder;
    QFile::Permissions m_folderPermissions;
};

} // namespace qx::test
