#pragma once

#include <QFile>
#include <QString>

namespace qx {

// Reads a file as bytes, front to back, in chunks the caller chooses. Opening a file that is missing or
// unreadable fails visibly: setFile returns false and errorString() says why, so a checksum is never
// taken of nothing by accident.
class cBinaryFileStream {
public:
    cBinaryFileStream() = default;
    ~cBinaryFileStream() { Dispose(); }
    cBinaryFileStream(const cBinaryFileStream &) = delete;
    cBinaryFileStream &operator=(const cBinaryFileStream &) = delete;

    // Opens the file for reading (any file open before is closed first); the position starts at 0.
    bool setFile(const QString &path);
    const QString &File() const { return m_fileName; }
    qint64 Length() const { return m_length; }
    qint64 Position() const { return m_position; }
    bool isOpen() const { return m_file.isOpen(); }
    QString errorString() const { return m_error; }

    // Reads up to count bytes (never past the end) into buffer and advances the position. Returns the number
    // of bytes read: 0 at the end of the file, -1 after a read error (see errorString()).
    qint64 Read(char *buffer, qint64 count);

    void Dispose();

private:
    QFile m_file;
    QString m_fileName;
    QString m_error;
    qint64 m_length = 0;
    qint64 m_position = 0;
};

} // namespace qx
