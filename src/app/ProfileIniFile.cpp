#include "app/ProfileIniFile.h"

#include "app/ProfileIni.h"

#include <QFileInfo>
#include <QStringConverter>
#include <QStringDecoder>

namespace qx {

namespace {

// A text editor may have put a UTF-8 byte order mark before the first section line.
QByteArrayView trimmedLine(QByteArrayView line) {
    const QByteArrayView t = line.trimmed();
    return t.startsWith("\xEF\xBB\xBF") ? t.sliced(3).trimmed() : t;
}

// The lower-case name of a "[name]" line; a null array for any other line.
QByteArray sectionName(QByteArrayView line) {
    const QByteArrayView t = trimmedLine(line);
    const qsizetype close = t.startsWith('[') ? t.indexOf(']') : -1;
    if (close < 0) {
        return {};
    }
    QByteArray name = t.sliced(1, close - 1).trimmed().toByteArray().toLower();
    return name.isNull() ? QByteArray("") : name;
}

// The index's key of a key in a section: one allocation, as a large file has a million of them.
QByteArray keyId(const QByteArray &lowerSection, QByteArrayView key) {
    key = key.trimmed();
    QByteArray id;
    id.reserve(lowerSection.size() + 1 + key.size());
    id.append(lowerSection).append('\n');
    for (const char c : key) {
        id.append(c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c);
    }
    return id;
}

bool isBlank(QByteArrayView line) {
    return line.trimmed().isEmpty();
}

// The file's lines as views of its bytes (which the caller keeps): a large file is not copied line by line.
TextLines splitWithoutCopies(const QByteArray &content) {
    TextLines text;
    qsizetype start = 0;
    const qsizetype size = content.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && content.at(end) != '\n' && content.at(end) != '\r') {
            ++end;
        }
        text.lines.append(QByteArray::fromRawData(content.constData() + start, end - start));
        if (end < size && content.at(end) == '\r' && end + 1 < size && content.at(end + 1) == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return text;
}

// Text in UTF-16 or UTF-32 becomes UTF-8; anything else is kept byte for byte.
QByteArray asUtf8(const QByteArray &bytes) {
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
    if (!encoding || *encoding == QStringConverter::Utf8) {
        return bytes;
    }
    QStringDecoder decoder(*encoding);
    const QString text = decoder.decode(bytes);
    return text.toUtf8();
}

} // namespace

ProfileIniFile::ProfileIniFile(QString path) : m_path(std::move(path)) {}

ProfileIniFile::Stamp ProfileIniFile::currentStamp() const {
    const QFileInfo info(m_path);
    if (!info.exists()) {
        return {};
    }
    return {true, info.size(), info.lastModified()};
}

void ProfileIniFile::refresh() {
    // An unreadable file is tried again each time: its permissions may have been put right.
    if (m_loaded && m_readError.isEmpty() && (m_batchDepth > 0 || currentStamp() == m_stamp)) {
        return;
    }
    load();
}

void ProfileIniFile::load() {
    m_stamp = currentStamp();
    FileContent content = ReadFileContent(m_path);
    m_readError = content.error;
    const QByteArray bytes = asUtf8(content.bytes);
    m_text = splitWithoutCopies(bytes);
    m_bytes = bytes; // the lines' storage
    m_loaded = true;
    m_unsaved = false;
    buildIndex();
}

void ProfileIniFile::buildIndex() {
    m_keys.clear();
    m_sections.clear();
    const qsizetype count = m_text.lines.size();
    m_keys.reserve(count);
    QByteArray section;
    bool inSection = false;
    // The section being read, when this is its first occurrence; used only until the next insertion, which
    // may move the hash's values.
    SectionLines *first = nullptr;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray &line = m_text.lines.at(i);
        const QByteArray name = sectionName(line);
        if (!name.isNull()) {
            if (first) {
                first->limit = i;
            }
            section = name;
            inSection = true;
            first = m_sections.contains(name) ? nullptr : &m_sections.insert(name, {i, i + 1, count}).value();
            continue;
        }
        if (!inSection) {
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals >= 0) {
            // One look-up per line: a new entry holds 0, which no key line can be (a section line comes
            // first).
            qsizetype &firstLine = m_keys[keyId(section, QByteArrayView(line).first(equals))];
            if (firstLine == 0) {
                firstLine = i;
            }
        }
        if (first && !isBlank(line)) {
            first->end = i + 1;
        }
    }
}

QString ProfileIniFile::read(const QString &section, const QString &key) {
    refresh();
    const auto found = m_keys.constFind(keyId(section.toUtf8().toLower(), key.toUtf8()));
    if (found == m_keys.cend()) {
        return kMissingSetting;
    }
    const QByteArray &line = m_text.lines.at(*found);
    return QString::fromUtf8(QByteArrayView(line).sliced(line.indexOf('=') + 1).trimmed())
        .left(kMaxSettingLength);
}

void ProfileIniFile::insertLine(qsizetype at, const QByteArray &line) {
    m_text.lines.insert(at, line);
    for (qsizetype &index : m_keys) {
        index += index >= at ? 1 : 0;
    }
    for (SectionLines &lines : m_sections) {
        for (qsizetype *index : {&lines.header, &lines.end, &lines.limit}) {
            *index += *index >= at ? 1 : 0;
        }
    }
}

bool ProfileIniFile::write(const QString &section, const QString &key, const QString &value, QString *error) {
    refresh();
    const QByteArray sectionBytes = section.toUtf8();
    const QByteArray lowerSection = sectionBytes.toLower();
    const QByteArray keyBytes = key.toUtf8();
    const QByteArray id = keyId(lowerSection, keyBytes);
    // A value is one line: a line break in it would turn the rest into lines of their own.
    QByteArray valueBytes = value.toUtf8();
    valueBytes.replace('\r', ' ').replace('\n', ' ');
    const QByteArray newLine = keyBytes + '=' + valueBytes;

    const auto sectionLines = m_sections.constFind(lowerSection);
    if (sectionLines == m_sections.cend()) {
        const qsizetype header = m_text.lines.size();
        m_text.lines.append('[' + sectionBytes + ']');
        m_text.lines.append(newLine);
        m_sections.insert(lowerSection, {header, header + 2, header + 2});
        m_keys.insert(id, header + 1);
    } else if (const auto found = m_keys.constFind(id);
               found != m_keys.cend() && *found < sectionLines->limit) {
        m_text.lines[*found] = newLine;
    } else {
        // Not in the first occurrence (a later one may have it): added after its last line.
        const qsizetype at = sectionLines->end;
        insertLine(at, newLine);
        m_keys.insert(id, at);
    }
    if (m_batchDepth > 0) {
        m_unsaved = true;
        return true;
    }
    return save(error);
}

void ProfileIniFile::beginBatch() {
    if (m_batchDepth == 0) {
        refresh();
    }
    ++m_batchDepth;
}

bool ProfileIniFile::endBatch(QString *error) {
    if (m_batchDepth == 0 || --m_batchDepth > 0 || !m_unsaved) {
        return true;
    }
    return save(error);
}

QString ProfileIniFile::readError() {
    refresh();
    return m_readError;
}

bool ProfileIniFile::save(QString *error) {
    m_unsaved = false;
    if (!m_readError.isEmpty()) {
        if (error) {
            *error = m_readError + QStringLiteral(" It was not rewritten, so nothing in it is lost.");
        }
        return false;
    }
    // Settings files are always written with CR LF, whatever line ends a hand edit left behind.
    m_text.lineEnd = "\r\n";
    m_text.endsWithLineBreak = true;
    if (!WriteFileAtomically(m_path, JoinTextLines(m_text), error)) {
        // What could not be saved is forgotten: the next read answers with what the file holds, so a
        // setting never seems to have changed when it will not be there at the next start.
        m_loaded = false;
        return false;
    }
    m_stamp = currentStamp();
    return true;
}

} // namespace qx
