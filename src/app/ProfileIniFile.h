#pragma once

#include "app/TextFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

namespace qx {

// A profile-INI file ("[SECTION]" lines, then "key=value" lines) held in memory: read once, looked up through
// an index, and written back whole once per change, or once per batch of changes. Before each use the file's
// size and modification time are compared with those of the copy in memory and a changed file is read
// again, so a hand edit made while the program runs is still seen; a stat costs microseconds, where reading
// the file for every key cost seconds once it had grown to megabytes.
//
// A file in UTF-16 or UTF-32 (a byte order mark says so) is read as such and written back in UTF-8. A file
// that is there but cannot be read (no permission, not a regular file) reads as empty and is never written:
// what was made without it would replace the user's settings.
class ProfileIniFile {
public:
    explicit ProfileIniFile(QString path);

    const QString &path() const { return m_path; }

    // The value, cut to kMaxSettingLength characters; kMissingSetting when the key is absent.
    QString read(const QString &section, const QString &key);
    // Replaces the key's line in its section's first occurrence, or adds the key there (and the section at
    // the end when there is none), keeping every other line. Unless a batch is open the file is written at
    // once; false when it could not be written or was not read, with the reason in error, and the change is
    // then dropped: later reads give what the file holds.
    bool write(const QString &section, const QString &key, const QString &value, QString *error = nullptr);

    // Writes made until the matching endBatch reach the file once, when it ends. Batches nest.
    void beginBatch();
    bool endBatch(QString *error = nullptr);

    // Why the file could not be read; empty when it was read or is missing.
    QString readError();

private:
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp &) const = default;
    };
    // A section's first occurrence: its header line, one past its last non-blank line, the next header.
    struct SectionLines {
        qsizetype header = 0;
        qsizetype end = 0;
        qsizetype limit = 0;
    };

    Stamp currentStamp() const;
    void refresh();
    void load();
    void buildIndex();
    void insertLine(qsizetype at, const QByteArray &line);
    bool save(QString *error);

    QString m_path;
    QByteArray m_bytes; // the file as read: the unchanged lines of m_text are views of it
    TextLines m_text;
    QString m_readError;
    Stamp m_stamp;
    bool m_loaded = false;
    // "section\nkey" in lower case -> the key's first line in any occurrence of the section.
    QHash<QByteArray, qsizetype> m_keys;
    QHash<QByteArray, SectionLines> m_sections; // lower-case name -> its first occurrence
    int m_batchDepth = 0;
    bool m_unsaved = false;
};

} // namespace qx
