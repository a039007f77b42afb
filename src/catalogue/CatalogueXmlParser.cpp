#include "catalogue/CatalogueXmlParser.h"

#include <QHash>
#include <algorithm>
#include <cstring>
#include <expat.h>

namespace qx {

namespace {

enum class Field { None, Description, Manufacturer, Year };

bool isSetElement(const char *name) {
    return std::strcmp(name, "machine") == 0 || std::strcmp(name, "game") == 0;
}

const char *attribute(const char **attributes, const char *name) {
    for (const char **a = attributes; *a; a += 2) {
        if (std::strcmp(a[0], name) == 0) {
            return a[1];
        }
    }
    return nullptr;
}

// Real descriptions are under 200 characters; a value that goes on and on is cut rather than kept whole.
constexpr qsizetype kFieldLimit = 4096;

// A rom or disk entry that MAME must find a file for: a dump exists (status not "nodump") and the entry is
// not optional.
bool isRequiredDump(const char **attributes) {
    const char *status = attribute(attributes, "status");
    const char *optional = attribute(attributes, "optional");
    return !(status && std::strcmp(status, "nodump") == 0) &&
           !(optional && std::strcmp(optional, "yes") == 0);
}

void assign(QByteArray &target, const char *value) {
    if (value) {
        target = value;
    } else {
        target.clear();
    }
}

} // namespace

// The set being read. The depth tells the set's own children (description, year, manufacturer, driver)
// apart from elements further down (a slot option, a device instance...).
struct CatalogueXmlParser::Impl {
    XML_Parser parser = nullptr;
    int depth = 0;
    int setDepth = -1; // depth of the open set element, -1 when outside a set
    Field field = Field::None;
    bool runnable = true;
    QByteArray name, description, manufacturer, year, status, sourceFile, bios;

    // Whether a set needs files is only known at the end of the document: the devices it references may
    // come later. A machine with a required dump of its own needs files whatever its devices are; the others
    // keep their device references until then.
    struct FileNeeds {
        bool ownDump = false;
        QList<QByteArray> deviceRefs;
    };
    FileNeeds needs;                      // of the open machine
    QHash<QByteArray, FileNeeds> devices; // runnable="no" machines
    QList<std::pair<QByteArray, FileNeeds>> setsWithoutOwnDump;

    void noteFileNeeds(const char *element, const char **attributes) {
        if (needs.ownDump) {
            return;
        }
        if (std::strcmp(element, "rom") == 0 || std::strcmp(element, "disk") == 0) {
            if (isRequiredDump(attributes)) {
                needs.ownDump = true;
                needs.deviceRefs.clear();
            }
        } else if (std::strcmp(element, "device_ref") == 0) {
            if (const char *device = attribute(attributes, "name")) {
                needs.deviceRefs.append(QByteArray(device));
            }
        }
    }

    void endFileNeeds() {
        if (!runnable) {
            devices.insert(name, std::move(needs));
        } else if (!needs.ownDump) {
            setsWithoutOwnDump.append({name, std::move(needs)});
        }
        needs = {};
    }

    // A device needs files when it or a device it references (at any depth) has a required dump. A device
    // the listing does not hold counts as needing files: a set is only called playable without files when
    // that is certain. A reference cycle adds nothing.
    bool deviceNeedsFiles(const QByteArray &device, QHash<QByteArray, bool> &known) const {
        if (const auto found = known.constFind(device); found != known.constEnd()) {
            return found.value();
        }
        const auto entry = devices.constFind(device);
        if (entry == devices.constEnd()) {
            return true;
        }
        known.insert(device, false);
        bool result = entry->ownDump;
        for (qsizetype i = 0; !result && i < entry->deviceRefs.size(); ++i) {
            result = deviceNeedsFiles(entry->deviceRefs.at(i), known);
        }
        known.insert(device, result);
        return result;
    }
};

struct CatalogueXmlParser::Handlers {
    static void start(void *userData, const XML_Char *element, const XML_Char **attributes) {
        auto *self = static_cast<CatalogueXmlParser *>(userData);
        Impl &s = *self->m_impl;
        ++s.depth;
        if (s.setDepth < 0) {
            if (isSetElement(element)) {
                beginSet(s, attributes);
            }
            return;
        }
        if (s.depth != s.setDepth + 1) {
            return;
        }
        s.noteFileNeeds(element, attributes);
        if (std::strcmp(element, "description") == 0) {
            s.field = Field::Description;
            s.description.clear();
        } else if (std::strcmp(element, "manufacturer") == 0) {
            s.field = Field::Manufacturer;
            s.manufacturer.clear();
        } else if (std::strcmp(element, "year") == 0) {
            s.field = Field::Year;
            s.year.clear();
        } else if (std::strcmp(element, "driver") == 0) {
            assign(s.status, attribute(attributes, "status"));
        }
        // Text is only wanted inside these three; everywhere else (the whitespace between the hundreds of
        // thousands of rom and chip elements) expat need not call back at all.
        if (s.field != Field::None) {
            XML_SetCharacterDataHandler(s.parser, &Handlers::text);
        }
    }

    static void end(void *userData, const XML_Char *) {
        auto *self = static_cast<CatalogueXmlParser *>(userData);
        Impl &s = *self->m_impl;
        if (s.depth == s.setDepth) {
            if (s.runnable) {
                self->m_output += s.name + '=' + s.description + '=' + s.manufacturer + '=' + s.year + '=' +
                                  s.status + '=' + s.sourceFile + '=' + s.bios + "\r\n";
                self->m_setCount.fetch_add(1, std::memory_order_relaxed);
            }
            s.endFileNeeds();
            s.setDepth = -1;
        }
        if (s.field != Field::None) {
            s.field = Field::None;
            XML_SetCharacterDataHandler(s.parser, nullptr);
        }
        --s.depth;
    }

    static void text(void *userData, const XML_Char *data, int length) {
        Impl &s = *static_cast<CatalogueXmlParser *>(userData)->m_impl;
        QByteArray *target = nullptr;
        switch (s.field) {
        case Field::None:
            return;
        case Field::Description:
            target = &s.description;
            break;
        case Field::Manufacturer:
            target = &s.manufacturer;
            break;
        case Field::Year:
            target = &s.year;
            break;
        }
        const qsizetype from = target->size();
        target->append(data, std::min<qsizetype>(length, std::max<qsizetype>(0, kFieldLimit - from)));
        for (qsizetype i = from; i < target->size(); ++i) {
            char &c = (*target)[i];
            if (c == '\n' || c == '\r') {
                c = ' ';
            }
        }
    }

    // Every field starts empty for each set, so a set without a year never inherits the previous one's.
    static void beginSet(Impl &s, const XML_Char **attributes) {
        s.setDepth = s.depth;
        s.field = Field::None;
        assign(s.name, attribute(attributes, "name"));
        assign(s.sourceFile, attribute(attributes, "sourcefile"));
        const char *bios = attribute(attributes, "isbios");
        s.bios = bios ? QByteArray(bios) : QByteArrayLiteral("no");
        const char *runnable = attribute(attributes, "runnable");
        s.runnable = !(runnable && std::strcmp(runnable, "no") == 0);
        s.description.clear();
        s.manufacturer.clear();
        s.year.clear();
        s.status.clear();
        s.needs = {};
    }
};

CatalogueXmlParser::CatalogueXmlParser() : m_impl(std::make_unique<Impl>()) {
    m_impl->parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(m_impl->parser, this);
    XML_SetElementHandler(m_impl->parser, &Handlers::start, &Handlers::end);
}

CatalogueXmlParser::~CatalogueXmlParser() {
    XML_ParserFree(m_impl->parser);
}

bool CatalogueXmlParser::feed(QByteArrayView chunk) {
    if (failed()) {
        return false;
    }
    // Expat takes an int length; a huge chunk is handed over in pieces.
    constexpr qsizetype kPiece = 1 << 30;
    for (qsizetype offset = 0; offset < chunk.size(); offset += kPiece) {
        const QByteArrayView piece = chunk.sliced(offset, std::min(kPiece, chunk.size() - offset));
        if (XML_Parse(m_impl->parser, piece.data(), static_cast<int>(piece.size()), XML_FALSE) !=
            XML_STATUS_OK) {
            recordError();
            return false;
        }
    }
    return true;
}

bool CatalogueXmlParser::finish() {
    if (failed()) {
        return false;
    }
    if (XML_Parse(m_impl->parser, nullptr, 0, XML_TRUE) != XML_STATUS_OK) {
        recordError();
        return false;
    }
    return true;
}

QList<QByteArray> CatalogueXmlParser::setsNeedingNoFiles() const {
    QList<QByteArray> names;
    QHash<QByteArray, bool> known;
    for (const auto &[name, needs] : m_impl->setsWithoutOwnDump) {
        const bool viaDevice =
            std::any_of(needs.deviceRefs.cbegin(), needs.deviceRefs.cend(),
                        [&](const QByteArray &device) { return m_impl->deviceNeedsFiles(device, known); });
        if (!viaDevice) {
            names.append(name);
        }
    }
    return names;
}

QByteArray CatalogueXmlParser::takeOutput() {
    return std::exchange(m_output, QByteArray());
}

void CatalogueXmlParser::recordError() {
    const XML_Parser parser = m_impl->parser;
    m_error =
        QStringLiteral("The set list from MAME is damaged or incomplete (%1 at line %2, column %3); %4 sets "
                       "were read before that point.")
            .arg(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(parser))))
            .arg(XML_GetCurrentLineNumber(parser))
            .arg(XML_GetCurrentColumnNumber(parser) + 1)
            .arg(setCount());
}

} // namespace qx
