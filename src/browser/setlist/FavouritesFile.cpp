#include "browser/setlist/FavouritesFile.h"

#include "app/PathHelpers.h"
#include "app/TextFile.h"
#include "browser/setlist/ModSort.h"

#include <QFile>
#include <QMultiHash>
#include <QSet>

namespace qx {

FavouritesFile::FavouritesFile(QString path) : m_path(std::move(path)) {}

bool FavouritesFile::exists() const {
    return FileExists(m_path);
}

bool FavouritesFile::readLines(QList<QByteArray> &lines, QString *error) const {
    const FileContent content = ReadFileContent(m_path);
    if (content.failed()) {
        if (error) {
            *error = content.error;
        }
        return false;
    }
    lines = SplitTextLines(content.bytes).lines;
    lines.removeIf([](const QByteArray &line) { return line.isEmpty(); });
    return true;
}

QStringList FavouritesFile::names() const {
    QList<QByteArray> lines;
    readLines(lines, nullptr);
    QStringList names;
    names.reserve(lines.size());
    for (const QByteArray &line : std::as_const(lines)) {
        names.append(QString::fromUtf8(line));
    }
    return names;
}

bool FavouritesFile::contains(const QString &name) const {
    QList<QByteArray> lines;
    return readLines(lines, nullptr) && lines.contains(name.toUtf8());
}

bool FavouritesFile::add(const QString &name, bool sorted, QString *error) const {
    QList<QByteArray> lines;
    if (!readLines(lines, error)) {
        return false;
    }
    const QByteArray added = name.toUtf8();
    if (name.isEmpty() || lines.contains(added)) {
        return true;
    }
    lines.append(added);
    if (sorted) {
        // Sorted by their texts; each text takes its own line's bytes back, equal texts in their order.
        QStringList texts;
        for (const QByteArray &line : std::as_const(lines)) {
            texts.append(QString::fromUtf8(line));
        }
        QMultiHash<QString, QByteArray> bytesOf; // take() returns the last inserted first
        for (qsizetype i = lines.size() - 1; i >= 0; --i) {
            bytesOf.insert(texts.at(i), lines.at(i));
        }
        ModSort(texts);
        lines.clear();
        for (const QString &text : std::as_const(texts)) {
            lines.append(bytesOf.take(text));
        }
    }
    return rewrite(lines, error);
}

bool FavouritesFile::remove(const QString &name, QString *error) const {
    if (!exists()) {
        return true;
    }
    QList<QByteArray> lines;
    if (!readLines(lines, error)) {
        return false;
    }
    lines.removeAll(name.toUtf8());
    if (lines.isEmpty()) {
        QFile file(m_path);
        if (!file.remove()) {
            if (error) {
                *error = QStringLiteral("%1 could not be removed: %2").arg(m_path, file.errorString());
            }
            return false;
        }
        return true;
    }
    return rewrite(lines, error);
}

bool FavouritesFile::rewrite(const QList<QByteArray> &lines, QString *error) const {
    QByteArray content;
    for (const QByteArray &line : lines) {
        content.append(line).append("\r\n");
    }
    QString reason;
    if (!WriteFileAtomically(m_path, content, &reason)) {
        if (error) {
            *error = QStringLiteral("%1 could not be written: %2").arg(m_path, reason);
        }
        return false;
    }
    return true;
}

QList<TrayFavourite> TrayFavouriteEntries(const SetCatalogue &catalogue, const FavouritesFile &favourites) {
    QList<TrayFavourite> entries;
    QSet<QString> listed;
    for (const QString &name : favourites.names()) {
        const qsizetype index = catalogue.indexOfName(name);
        if (index >= 0 && !listed.contains(name)) {
            listed.insert(name);
            entries.append({catalogue.at(index).description().toString(), name});
        }
    }
    return entries;
}

} // namespace qx
