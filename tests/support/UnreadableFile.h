#pragma once

#include <QFile>
#include <QString>

namespace qx::test {

// Takes the read permission of a file away while the object lives, as a user meets a file copied from
// another account. Root reads every file whatever its mode, so when the test runs as root this thread's
// file-system identity becomes "nobody" for the time (its folder is opened to everyone meanwhile, so the
// file is still seen and its folder still written). Declare it after anything that must be set up as root.
class UnreadableFile {
public:
    explicit UnreadableFile(QString path);
    ~UnreadableFile();
    UnreadableFile(const UnreadableFile &) = delete;
    UnreadableFile &operator=(const UnreadableFile &) = delete;

private:
    QString m_path;
    QString m_folder;
    QFile::Permissions m_filePermissions;
    QFile::Permissions m_folderPermissions;
    bool m_identityChanged = false;
};

} // namespace qx::test
