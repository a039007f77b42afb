#include "catalogue/SetListCache.h"

#include "app/TextFile.h"
#include "catalogue/AvailableNames.h"
#include "catalogue/CatalogueExtraction.h"
#include "catalogue/RomFolderScan.h"
#include "catalogue/SetCatalogueBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>
#include <array>

namespace qx {

namespace {

constexpr qsizetype kCacheFields = 9;
constexpr qsizetype kListFields = 7;
constexpr qsizetype kStateField = 6;
constexpr qsizetype kMaxReservedSets = 1000000;

// Calls visit(line) for every line of the text, CR LF or LF, without copying; a last line without a line
// break counts, an empty tail does not.
template <typename Visit>
void forEachLine(QByteArrayView text, Visit visit) {
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0) {
            end = text.size();
        }
        QByteArrayView line = text.sliced(start, end - start);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        visit(line);
        start = next;
    }
}

// Splits on "=" into fields; false when the count is not exactly `count`.
bool splitFields(QByteArrayView line, qsizetype count, QVarLengthArray<QByteArrayView, 9> &fields) {
    fields.clear();
    qsizetype start = 0;
    for (;;) {
        const qsizetype equals = line.indexOf('=', start);
        if (fields.size() == count) {
            return false;
        }
        if (equals < 0) {
            fields.append(line.sliced(start));
            break;
        }
        fields.append(line.sliced(start, equals - start));
        start = equals + 1;
    }
    return fields.size() == count;
}

QString text(QByteArrayView bytes) {
    return QString::fromUtf8(bytes);
}

// qx_clones.tmp: a heading line, then the clone name, spaces, the parent name. A clone named twice takes
// its last parent, as each line overwrote the one before.
QHash<QByteArrayView, QByteArrayView> readParents(QByteArrayView clones) {
    QHash<QByteArrayView, QByteArrayView> parents;
    parents.reserve(clones.size() / 24); // a clone line is about 24 bytes
    bool heading = true;
    forEachLine(clones, [&](QByteArrayView line) {
        if (std::exchange(heading, false)) {
            return;
        }
        const qsizetype space = line.indexOf(' ');
        if (space > 0) {
            parents.insert(line.first(space), line.sliced(space + 1).trimmed());
        }
    });
    return parents;
}

// qx_nofiles.dat: the names of the sets that need no files, one per line (missing file: none).
QSet<QByteArray> readNoFilesSets(const QString &programDir) {
    QSet<QByteArray> names;
    forEachLine(ReadWholeFile(programDir + kNoFilesWorkFile), [&](QByteArrayView line) {
        if (!line.isEmpty()) {
            names.insert(line.toByteArray());
        }
    });
    return names;
}

// The names qx.dat shows as available.
QSet<QByteArray> availableInCache(const QString &cachePath) {
    QSet<QByteArray> names;
    QVarLengthArray<QByteArrayView, 9> fields;
    forEachLine(ReadWholeFile(cachePath), [&](QByteArrayView line) {
        if (splitFields(line, kCacheFields, fields) && fields[kStateField] == QByteArrayView("1")) {
            names.insert(fields[0].toByteArray());
        }
    });
    return names;
}

// Opens qx.dat for reading; the reason when it cannot be a set list or cannot be read. A missing file is
// no fault (there is no catalogue yet).
QString openCache(QFile &file) {
    const QFileInfo info(file.fileName());
    if (!info.exists()) {
        return {};
    }
    // A named pipe would block the start for ever; a file bigger than any real cache is damaged (or sparse).
    if (!info.isFile()) {
        return QStringLiteral("it is not a regular file");
    }
    if (info.size() > kMaxWholeFileBytes) {
        return QStringLiteral("at %1 bytes it is far larger than any set list").arg(info.size());
    }
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}

// qx.dat read whole before it is rewritten; a missing file is an error here too, as there is nothing to
// update.
QByteArray readCacheForUpdate(const QString &cachePath, QString *error) {
    FileContent content = ReadFileContent(cachePath);
    *error = content.exists ? content.error : QStringLiteral("%1 does not exist.").arg(cachePath);
    return std::move(content.bytes);
}

// Reads the lines of qx.dat that `keep` accepts (given the nine fields) into a catalogue; see LoadSetList.
template <typename Keep>
SetCatalogue loadCacheLines(const QString &cachePath, QString *error, Keep keep) {
    QFile file(cachePath);
    const QString fault = openCache(file);
    if (!fault.isEmpty() && error) {
        *error = kDamagedCacheMessage.arg(cachePath, fault);
    }
    if (!file.isOpen()) {
        return {};
    }
    // Mapped rather than read: the cache's pages come straight from the file system cache, with no copy.
    const qint64 size = file.size();
    uchar *mapped = size > 0 ? file.map(0, size) : nullptr;
    const QByteArray copy = mapped ? QByteArray() : file.readAll();
    const QByteArrayView content = mapped ? QByteArrayView(mapped, size) : QByteArrayView(copy);
    // Room for every line (a cache line is rarely under 40 bytes), up to twenty times today's catalogue;
    // room never used costs no memory, and a bigger list grows as it is read.
    SetCatalogueBuilder builder(std::min<qsizetype>(content.size() / 40, kMaxReservedSets),
                                std::min<qsizetype>(content.size(), kMaxReservedSets * 100));
    QVarLengthArray<QByteArrayView, 9> fields;
    forEachLine(content, [&](QByteArrayView line) {
        if (!splitFields(line, kCacheFields, fields) || !keep(fields)) {
            return;
        }
        const std::span<const QByteArrayView, 9> line9(fields.constData(), 9);
        builder.add(line9,
                    fields[kStateField] == QByteArrayView("1") ? SetState::Available : SetState::Unavailable);
    });
    return builder.take();
}

} // namespace

bool ParseCacheLine(QByteArrayView line, SetRecord &record) {
    QVarLengthArray<QByteArrayView, 9> fields;
    if (!splitFields(line, kCacheFields, fields)) {
        return false;
    }
    record.Name = text(fields[0]);
    record.Description = text(fields[1]);
    record.Parent = text(fields[2]);
    record.Manufacturer = text(fields[3]);
    record.Year = text(fields[4]);
    record.Status = text(fields[5]);
    record.State = fields[6] == QByteArrayView("1") ? SetState::Available : SetState::Unavailable;
    record.Driver = text(fields[7]);
    record.Bios = text(fields[8]);
    return true;
}

SetListBuildResult BuildCache(const QString &programDir,
                              const std::function<bool(QByteArrayView)> &isAvailable) {
    const QByteArray listed = ReadWholeFile(programDir + kListXmlDatWorkFile);
    const QByteArray clones = ReadWholeFile(programDir + kClonesWorkFile);
    // The work is done on the bytes of the two files in one pass; nothing is turned into text.
    QHash<QByteArrayView, QByteArrayView> parents = readParents(clones);

    SetListBuildResult result;
    QByteArray out;
    out.reserve(listed.size() + listed.size() / 8 + clones.size());
    QVarLengthArray<QByteArrayView, 9> f;
    forEachLine(listed, [&](QByteArrayView line) {
        if (!splitFields(line, kListFields, f)) {
            return;
        }
        // Only the first set of a name gets the parent.
        const QByteArrayView parent = parents.take(f[0]);
        // qx_listxml.dat: name, description, manufacturer, year, status, driver, bios.
        // qx.dat:         Name=Description=Parent=Manufacturer=Year=Status=State=Driver=Bios
        out.append(f[0]).append('=').append(f[1]).append('=').append(parent).append('=');
        out.append(f[2]).append('=').append(f[3]).append('=').append(f[4]).append('=');
        out.append(isAvailable(f[0]) ? '1' : '2')
            .append('=')
            .append(f[5])
            .append('=')
            .append(f[6])
            .append("\r\n");
        ++result.written;
        if (f[6] == QByteArrayView("yes")) {
            ++result.biosCount;
        }
    });
    result.ok = WriteFileAtomically(programDir + kCacheFile, out, &result.error);
    return result;
}

SetListBuildResult BuildSetList(const QString &programDir) {
    const AvailableNames names = AvailableNames::ReadVerifyFile(programDir + kVerifyRomsWorkFile);
    const QSet<QByteArray> noFiles = readNoFilesSets(programDir);
    return BuildCache(programDir, [&](QByteArrayView name) {
        return names.contains(name) || noFiles.contains(QByteArray::fromRawData(name.data(), name.size()));
    });
}

SetListBuildResult FastScan(const QString &programDir, const QString &romPaths, const QString &emulatorDir) {
    const RomFolderScan scan = RomFolderScan::Scan(romPaths, emulatorDir);
    const QSet<QByteArray> noFiles = readNoFilesSets(programDir);
    return BuildCache(programDir, [&](QByteArrayView name) {
        return scan.isAvailable(name) || noFiles.contains(QByteArray::fromRawData(name.data(), name.size()));
    });
}

bool RomFoldersHoldAnySet(const QString &programDir, const QString &romPaths, const QString &emulatorDir) {
    const RomFolderScan scan = RomFolderScan::Scan(romPaths, emulatorDir);
    bool found = false;
    QVarLengthArray<QByteArrayView, 9> fields;
    forEachLine(ReadWholeFile(programDir + kListXmlDatWorkFile), [&](QByteArrayView line) {
        found = found || (splitFields(line, kListFields, fields) && scan.isAvailable(fields[0]));
    });
    return found;
}

SetListBuildResult BuildFromPreviousStates(const QString &programDir) {
    QSet<QByteArray> available = availableInCache(programDir + kCacheFile);
    available.unite(readNoFilesSets(programDir));
    return BuildCache(programDir, [&](QByteArrayView name) {
        return available.contains(QByteArray::fromRawData(name.data(), name.size()));
    });
}

SetCatalogue LoadSetList(const QString &cachePath, bool includeClones, QString *error) {
    return loadCacheLines(
        cachePath, error, [includeClones](const QVarLengthArray<QByteArrayView, 9> &fields) {
            // BIOS sets never reach the browser; clones only while the Clones entry is checked.
            return fields[8] == QByteArrayView("no") && (includeClones || fields[2].isEmpty());
        });
}

SetCatalogue LoadBiosSets(const QString &cachePath, QString *error) {
    return loadCacheLines(cachePath, error, [](const QVarLengthArray<QByteArrayView, 9> &fields) {
        return fields[8] == QByteArrayView("yes");
    });
}

QSet<QString> CachedSetNames(const QString &cachePath) {
    QSet<QString> names;
    QVarLengthArray<QByteArrayView, 9> fields;
    forEachLine(ReadWholeFile(cachePath), [&](QByteArrayView line) {
        if (splitFields(line, kCacheFields, fields)) {
            names.insert(QString::fromUtf8(fields[0]));
        }
    });
    return names;
}

AvailabilityUpdateResult UpdateAvailability(const QString &cachePath, const AvailableNames &names) {
    AvailabilityUpdateResult result;
    const QByteArray content = readCacheForUpdate(cachePath, &result.error);
    if (!result.error.isEmpty()) {
        return result;
    }
    QByteArray out;
    out.reserve(content.size() + content.size() / 64);
    QVarLengthArray<QByteArrayView, 9> fields;
    forEachLine(content, [&](QByteArrayView line) {
        if (!splitFields(line, kCacheFields, fields)) {
            out += line;
            out += "\r\n";
            return;
        }
        const bool available = names.contains(fields[0]);
        // Everything up to State and everything after it is copied as it was.
        const qsizetype stateStart = fields[kStateField].data() - line.data();
        out += line.first(stateStart);
        out += available ? '1' : '2';
        out += line.sliced(stateStart + fields[kStateField].size());
        out += "\r\n";
        ++result.lines;
        result.available += available ? 1 : 0;
    });
    result.ok = WriteFileAtomically(cachePath, out, &result.error);
    return result;
}

bool UpdateSetEntry(SetCatalogue &catalogue, const QString &cachePath, const QString &name, SetState state,
                    QString *error) {
    catalogue.setState(name, state);
    QString readError;
    const QByteArray content = readCacheForUpdate(cachePath, &readError);
    if (!readError.isEmpty()) {
        if (error) {
            *error = readError;
        }
        return false;
    }
    const QByteArray wanted = name.toUtf8();
    const char stateText = state == SetState::Available ? '1' : '2';
    QByteArray out;
    out.reserve(content.size());
    QVarLengthArray<QByteArrayView, 9> fields;
    forEachLine(content, [&](QByteArrayView line) {
        if (splitFields(line, kCacheFields, fields) && fields[0] == wanted) {
            const qsizetype stateStart = fields[kStateField].data() - line.data();
            out += line.first(stateStart);
            out += stateText;
            out += line.sliced(stateStart + fields[kStateField].size());
        } else {
            out += line;
        }
        out += "\r\n";
    });
    return WriteFileAtomically(cachePath, out, error);
}

} // namespace qx
