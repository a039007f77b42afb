#include "browser/info/HistoryDatabase.h"

#include "app/PathHelpers.h"

#include <QFile>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstring>
#include <expat.h>
#include <vector>

namespace qx {

namespace {

// Anything bigger is not a history file; reading it whole would only exhaust memory.
constexpr qint64 kMaxFileBytes = 512LL * 1024 * 1024;
constexpr qint64 kXmlChunkBytes = 1024 * 1024;

const QByteArray kInfoTag = QByteArrayLiteral("$info=");
const QByteArray kEndTag = QByteArrayLiteral("$end");

// History files have been Latin-1 for most of their life and UTF-8 lately: UTF-8 when the bytes are
// valid UTF-8, Latin-1 otherwise, so neither shows replacement characters.
QString DecodeLeniently(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return QString::fromLatin1(bytes);
    }
    return text;
}

QString WithLineFeeds(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The first `limit` bytes, cut back to the last line break so no character is split.
QByteArrayView CappedAtLine(QByteArrayView bytes, qsizetype limit) {
    if (bytes.size() <= limit) {
        return bytes;
    }
    const QByteArrayView head = bytes.first(limit);
    const qsizetype lineEnd = head.lastIndexOf('\n');
    return lineEnd > 0 ? head.first(lineEnd + 1) : head;
}

} // namespace

// Collects the systems and the text of each <entry> of history.xml while libexpat streams through it.
class HistoryXmlIndexer {
public:
    explicit HistoryXmlIndexer(HistoryDatabase &database) : m_db(database) {}

    static void start(void *userData, const XML_Char *element, const XML_Char **attributes) {
        auto &self = *static_cast<HistoryXmlIndexer *>(userData);
        const QByteArrayView name(element);
        if (name == "entry") {
            self.m_inEntry = true;
            self.m_names.clear();
            self.m_text.clear();
        } else if (self.m_inEntry && name == "system") {
            for (const XML_Char **attribute = attributes; *attribute; attribute += 2) {
                if (QByteArrayView(attribute[0]) == "name") {
                    self.m_names.append(QString::fromUtf8(attribute[1]));
                }
            }
        } else if (self.m_inEntry && name == "text") {
            self.m_inText = true;
        }
    }

    static void end(void *userData, const XML_Char *element) {
        auto &self = *static_cast<HistoryXmlIndexer *>(userData);
        const QByteArrayView name(element);
        if (name == "text") {
            self.m_inText = false;
        } else if (name == "entry" && self.m_inEntry) {
            self.m_inEntry = false;
            self.storeEntry();
        }
    }

    static void text(void *userData, const XML_Char *data, int length) {
        auto &self = *static_cast<HistoryXmlIndexer *>(userData);
        if (self.m_inText) {
            const qsizetype room = HistoryDatabase::kMaxEntryBytes - self.m_text.size();
            self.m_text.append(data, std::clamp<qsizetype>(length, 0, std::max<qsizetype>(room, 0)));
        }
    }

private:
    void storeEntry() {
        if (m_names.isEmpty()) {
            return;
        }
        const HistoryDatabase::Span span{m_db.m_content.size(), m_text.size()};
        m_db.m_content.append(m_text);
        for (const QString &system : std::as_const(m_names)) {
            if (!m_db.m_primary.contains(system)) {
                m_db.m_primary.insert(system, span);
            }
        }
    }

    HistoryDatabase &m_db;
    bool m_inEntry = false;
    bool m_inText = false;
    QStringList m_names;
    QByteArray m_text;
};

QString HistoryDatabase::datPath(const QString &emulatorDir) {
    return emulatorDir + QStringLiteral("history.dat");
}

QString HistoryDatabase::xmlPath(const QString &emulatorDir) {
    return emulatorDir + QStringLiteral("history.xml");
}

void HistoryDatabase::clear() {
    m_format = Format::None;
    m_content.clear();
    m_content.squeeze();
    m_primary.clear();
    m_secondary.clear();
}

bool HistoryDatabase::load(const QString &emulatorDir) {
    if (FileExists(datPath(emulatorDir))) {
        return loadDat(datPath(emulatorDir));
    }
    if (FileExists(xmlPath(emulatorDir))) {
        return loadXml(xmlPath(emulatorDir));
    }
    clear();
    return false;
}

bool HistoryDatabase::loadDat(const QString &path) {
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) {
        return false;
    }
    m_content = file.readAll();
    m_format = Format::Dat;
    indexDatEntries();
    return true;
}

void HistoryDatabase::indexDatEntries() {
    // One pass finds every "$info=" and "$end"; "$" is rare in history text, so memchr does most of it.
    std::vector<qsizetype> infos;
    std::vector<qsizetype> ends; // an entry runs to the first "$end" at or after its start, wherever it is
    const qsizetype size = m_content.size();
    const char *bytes = m_content.constData();
    auto tagAt = [&](const char *at, const QByteArray &tag) {
        return bytes + size - at >= tag.size() && std::memcmp(at, tag.constData(), size_t(tag.size())) == 0;
    };
    for (const char *at = bytes;
         (at = static_cast<const char *>(std::memchr(at, '$', size_t(bytes + size - at)))); ++at) {
        if (tagAt(at, kInfoTag)) {
            infos.push_back(at - bytes);
        } else if (tagAt(at, kEndTag)) {
            ends.push_back(at - bytes);
        }
    }
    auto spanFrom = [&](qsizetype start) {
        const auto end = std::lower_bound(ends.cbegin(), ends.cend(), start);
        return Span{start, (end == ends.cend() ? size : *end) - start};
    };

    m_primary.reserve(qsizetype(infos.size()));
    for (std::size_t k = 0; k < infos.size(); ++k) {
        const qsizetype info = infos[k];
        // Every name on the line is followed by a comma; what follows the last comma is no name. The next
        // "$info=" ends the names too, so a line crowded with tags is read once, not once per tag.
        const qsizetype limit = k + 1 < infos.size() ? infos[k + 1] : size;
        qsizetype tokenStart = info + kInfoTag.size();
        bool first = true;
        for (qsizetype i = tokenStart; i < limit && bytes[i] != '\n' && bytes[i] != '\r'; ++i) {
            if (bytes[i] != ',') {
                continue;
            }
            if (i > tokenStart) {
                const QString name = QString::fromLatin1(bytes + tokenStart, i - tokenStart);
                if (first && !m_primary.contains(name)) {
                    m_primary.insert(name, spanFrom(info));
                } else if (!first && !m_secondary.contains(name)) {
                    // Found by its comma + Name + comma, so the entry starts at the comma before it.
                    m_secondary.insert(name, spanFrom(tokenStart - 1));
                }
            }
            first = false;
            tokenStart = i + 1;
        }
    }
}

bool HistoryDatabase::loadXml(const QString &path) {
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    m_format = Format::Xml;
    HistoryXmlIndexer indexer(*this);
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &indexer);
    XML_SetElementHandler(parser, &HistoryXmlIndexer::start, &HistoryXmlIndexer::end);
    XML_SetCharacterDataHandler(parser, &HistoryXmlIndexer::text);
    // A damaged file keeps the entries read before the damage.
    bool parsing = true;
    while (parsing && !file.atEnd()) {
        const QByteArray chunk = file.read(kXmlChunkBytes);
        parsing = !chunk.isEmpty() &&
                  XML_Parse(parser, chunk.constData(), int(chunk.size()), XML_FALSE) == XML_STATUS_OK;
    }
    if (parsing) {
        XML_Parse(parser, nullptr, 0, XML_TRUE);
    }
    XML_ParserFree(parser);
    m_content.squeeze();
    return true;
}

QString HistoryDatabase::entryText(const QString &name) const {
    auto found = m_primary.constFind(name);
    if (found == m_primary.cend()) {
        found = m_secondary.constFind(name);
        if (found == m_secondary.cend()) {
            return {};
        }
    }
    const QByteArrayView entry = QByteArrayView(m_content).sliced(found->start, found->length);
    if (m_format == Format::Xml) {
        return xmlEntryText(entry.toByteArray());
    }
    return datEntryText(CappedAtLine(entry, kMaxEntryBytes).toByteArray());
}

QString HistoryDatabase::datEntryText(const QByteArray &entry) {
    QString text = WithLineFeeds(DecodeLeniently(entry));
    // The "$info" line and the header lines end at the first empty line.
    const qsizetype emptyLine = text.indexOf(QLatin1String("\n\n"));
    text.remove(0, emptyLine >= 0 ? emptyLine + 2 : 3);
    text.replace(QLatin1String("\n\n"), QLatin1String("\n"));
    return text;
}

QString HistoryDatabase::xmlEntryText(const QByteArray &entryText) {
    QString text = WithLineFeeds(QString::fromUtf8(entryText));
    // The element's own indentation is no part of the text.
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char('\n')) {
        ++first;
    }
    qsizetype last = text.size();
    while (last > first && text.at(last - 1).isSpace()) {
        --last;
    }
    text = text.mid(first, last - first);
    text.replace(QLatin1String("\n\n"), QLatin1String("\n"));
    return text;
}

QString HistoryDatabase::HistoryRevision(const QString &emulatorDir) {
    const QString prefix = QStringLiteral("History revision: ");
    if (FileExists(datPath(emulatorDir))) {
        QFile file(datPath(emulatorDir));
        if (!file.open(QIODevice::ReadOnly)) {
            return prefix;
        }
        // The revision line, or the last line when none holds one.
        QByteArray line;
        while (!file.atEnd()) {
            line = file.readLine();
            if (line.contains("## Revision:")) {
                break;
            }
        }
        while (line.endsWith('\n') || line.endsWith('\r')) {
            line.chop(1);
        }
        return prefix + DecodeLeniently(line).mid(13);
    }
    if (FileExists(xmlPath(emulatorDir))) {
        QFile file(xmlPath(emulatorDir));
        if (!file.open(QIODevice::ReadOnly)) {
            return prefix;
        }
        QXmlStreamReader reader(&file);
        if (reader.readNextStartElement() && reader.name() == QLatin1String("history")) {
            return prefix + reader.attributes().value(QLatin1String("version")).toString();
        }
        return prefix;
    }
    return QStringLiteral("history.dat not found");
}

} // namespace qx
