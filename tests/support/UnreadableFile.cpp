#include "UnreadableFile.h"

#include <QFileInfo>
#include <sys/fsuid.h>
#include <unistd.h>

namespace qx::test {

namespace {

constexpr uid_t kNobody = 65534;
constexpr QFile::Permissions kEveryone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                         QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

} // namespace

UnreadableFile::UnreadableFile(QString path)
    : m_path(std::move(path)), m_folder(QFileInfo(m_path).absolutePath()),
      m_filePermissions(QFile::permissions(m_path)), m_folderPermissions(QFile::permissions(m_folder)) {
    QFile::setPermissions(m_path, QFile::Permissions());
    if (geteuid() == 0) {
        QFile::setPermissions(m_folder, kEveryone);
        setfsuid(kNobody);
        setfsgid(kNobody);
        m_identityChanged = true;
    }
}

UnreadableFile::~UnreadableFile() {
    if (m_identityChanged) {
        setfsuid(0);
        setfsgid(0);
        QFile::setPermissions(m_folder, m_folderPermissions);
    }
    QFile::setPermissions(m_path, m_filePermissions);
}

} // namespace qx::test
