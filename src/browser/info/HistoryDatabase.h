#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace qx {

// The history database of the emulator directory: history.dat (entries "$info=name,clone,..." up to "$end"),
// or, when there is none, today's history.xml (<history version><entry><systems><system name/>...<text>).
// The file is indexed once when it loads, so showing a set's history is a hash look-up and the decoding of
// one entry, whatever the size of the file.
class HistoryDatabase {
public:
    enum class Format { None, Dat, Xml };

    // LoadHistory: reads history.dat of the folder, else history.xml. False when neither could be read.
    bool load(const QString &emulatorDir);
    bool loadDat(const QString &path);
    bool loadXml(const QString &path);
    void clear();

    bool isAvailable() const { return m_format != Format::None; }
    Format format() const { return m_format; }
    // The number of set names the index knows.
    qsizetype indexedNames() const { return m_primary.size() + m_secondary.size(); }

    // ShowSetHistory's text: the entry of the set (case-sensitive), its header cut off and its double line
    // breaks made single, with "\n" line breaks. Empty when the set has no entry.
    QString entryText(const QString &name) const;

    // HistoryRevision: "History revision: " and the revision of the folder's history file, read afresh;
    // "history.dat not found" when the folder has neither file.
    static QString HistoryRevision(const QString &emulatorDir);

    static QString datPath(const QString &emulatorDir);
    static QString xmlPath(const QString &emulatorDir);

    // An entry longer than this is cut: real entries are a few kilobytes, and a file that lost its "$end"
    // lines must not pour megabytes into the text box.
    static constexpr qsizetype kMaxEntryBytes = 256 * 1024;

private:
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    friend class HistoryXmlIndexer;

    void indexDatEntries();
    static QString datEntryText(const QByteArray &entry);
    static QString xmlEntryText(const QByteArray &text);

    Format m_format = Format::None;
    // history.dat: the file's bytes; history.xml: the decoded texts of the entries, one after the other.
    QByteArray m_content;
    // Names first on an "$info=" line (and every name of a history.xml entry), and names listed after
    // another name, which are found only when no entry lists them first.
    QHash<QString, Span> m_primary;
    QHash<QString, Span> m_secondary;
};

} // namespace qx
