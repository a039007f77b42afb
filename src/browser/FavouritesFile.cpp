#include "browser/FavouritesFile.h"

#include "app/PathHelpers.h"
#include "app/TextFile.h"
#include "browser/ModSort.h"

#include <QFile>

namespace qx {

FavouritesFile::FavouritesFile(QString path) : m_path(std::move(path)) {}

bool FavouritesFile::exists() const {
    return FileExists(m_path);
}

QStringList FavouritesFile::names() const {
    QStringList names;
    if (!exists()) {
        return names;
    }
    const TextLines text = SplitTextLines(ReadWholeFile(m_path));
    names.reserve(text.lines.size());
    for (const QByteArray &line : text.lines) {
        if (!line.isEmpty()) {
            names.append(QString::fromUtf8(line));
        }
    }
    return names;
}

bool FavouritesFile::contains(const QString &name) const {
    return names().contains(name);
}

bool FavouritesFile::add(const QString &name, bool sorted, QString *error) const {
    QStringList list = names();
    if (name.isEmpty() || list.contains(name)) {
        return true;
    }
    list.append(name);
    if (sorted) {
        ModSort(list);
    }
    return rewrite(list, error);
}

bool FavouritesFile::remove(const QString &name, QString *error) const {
    if (!exists()) {
        return true;
    }
    QStringList list = names();
    list.removeAll(name);
    if (list.isEmpty()) {
        QFile file(m_path);
        if (!file.remove()) {
            if (error) {
                *error = file.errorString();
            }
            return false;
        }
        return true;
    }
    return rewrite(list, error);
}

bool FavouritesFile::rewrite(const QStringList &names, QString *error) const {
    QByteArray content;
    for (const QString &name : names) {
        content.append(name.toUtf8()).append("\r\n");
    }
    return WriteFileAtomically(m_path, content, error);
}

QList<TrayFavourite> TrayFavouriteEntries(const SetCatalogue &catalogue, const FavouritesFile &favourites) {
    QList<TrayFavourite> entries;
    for (const QString &name : favourites.names()) {
        const qsizetype index = catalogue.indexOfName(name);
        if (index >= 0) {
            entries.append({catalogue.at(index).description().toString(), name});
        }
    }
    return entries;
}

} // namespace qx
