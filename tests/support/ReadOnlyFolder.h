#pragma once

#include <QString>

namespace qx::test {

// Makes a folder read-only while the object lives. Permission bits do not stop root, so when they are not
// enough the folder is also made immutable (chattr +i). isReadOnly() tells whether it worked; a test that
// needs it should skip otherwise. Declare it after the QTemporaryDir that holds the folder, so the folder is
// writable again before the temporary directory is removed.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool isReadOnly() const { return m_readOnly; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_readOnly = false;
};

} // namespace qx::test
