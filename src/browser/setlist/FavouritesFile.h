#pragma once

#include "catalogue/SetCatalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace qx {

// qx_fav.dat: one set Name per line, CR LF written, CR LF or LF read, blank lines ignored, a last line
// without a line break kept. The file exists only while there is at least one favourite. Every operation
// reads the file afresh: the user may edit it while the program runs. A rewrite keeps the bytes of every
// line it does not change (a name that is not UTF-8 stays as it was), and a file that is there but cannot
// be read is never rewritten.
class FavouritesFile {
public:
    explicit FavouritesFile(QString path);

    const QString &path() const { return m_path; }
    bool exists() const;
    // The names in file order, blank lines left out; empty when the file is missing.
    QStringList names() const;
    // IsFavourite: a line equals the name exactly (case-sensitive).
    bool contains(const QString &name) const;

    // AddFavourite: appends the name (unless it is already a favourite) and rewrites the file, sorted with
    // ModSort when `sorted`. Returns false when the file could not be read or written; error says why.
    bool add(const QString &name, bool sorted, QString *error = nullptr) const;
    // RemoveFavourite: rewrites the file without the name; deletes it when no favourite remains.
    bool remove(const QString &name, QString *error = nullptr) const;

private:
    // The non-blank lines as bytes; false (with the reason) when the file is there but unreadable.
    bool readLines(QList<QByteArray> &lines, QString *error) const;
    bool rewrite(const QList<QByteArray> &lines, QString *error) const;

    QString m_path;
};

// One entry of the tray's Favourites submenu; choosing it plays `name`.
struct TrayFavourite {
    QString description;
    QString name;
};

// BuildTrayMenu's entries: the favourites the catalogue holds, in file order (a name listed twice once),
// captioned by Description.
// None means the submenu shows its disabled "no favourites" entry.
QList<TrayFavourite> TrayFavouriteEntries(const SetCatalogue &catalogue, const FavouritesFile &favourites);

inline const QString kFavouritesFileName = QStringLiteral("qx_fav.dat");

} // namespace qx
