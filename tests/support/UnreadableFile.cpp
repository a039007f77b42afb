#include "UnreadableFile.h"

#include <QFileInfo>
#include <sys/fsuid.h>
#include <unistd.h>

namespace qx::test {

UnreadableFile::UnreadableFile(const QString &path)
    : m_path(path), m_folder(QFileInfo(path).absolutePath()),
      m_folderPermissions(QFile::permissions(m_folder)) {
    QFile::setPermissions(m_path, QFile::WriteOwner);
    if (geteuid() == 0) {
        QFile::setPermissions(m_folder, QFile::Permissions(0x7777)); // rwx for everyone
        setfsuid(65534);
    }
}

UnreadableFile::~UnreadableFile() {
    if (geteuid() == 0) {
        setfsuid(0);
        QFile::setPermissions(m_folder, m_folderPermissions);
    }
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace qx::test
