#include "catalogue/BinaryFileStream.h"

#include <QFileInfo>
#include <algorithm>

namespace qx {

bool cBinaryFileStream::setFile(const QString &path) {
    Dispose();
    m_fileName = path;
    m_error.clear();
    if (!QFileInfo(path).isFile()) {
        m_error = QStringLiteral("File not found: %1").arg(path);
        return false;
    }
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("Cannot read %1: %2").arg(path, m_file.errorString());
        return false;
    }
    m_length = m_file.size();
    return true;
}

qint64 cBinaryFileStream::Read(char *buffer, qint64 count) {
    if (!m_file.isOpen() || count <= 0) {
        return 0;
    }
    const qint64 wanted = std::min(count, m_length - m_position);
    if (wanted <= 0) {
        return 0;
    }
    const qint64 read = m_file.read(buffer, wanted);
    if (read < 0) {
        m_error = QStringLiteral("Cannot read %1: %2").arg(m_fileName, m_file.errorString());
        return -1;
    }
    m_position += read;
    return read;
}

void cBinaryFileStream::Dispose() {
    if (m_file.isOpen()) {
        m_file.close();
    }
    m_length = 0;
    m_position = 0;
}

} // namespace qx
