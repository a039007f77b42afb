#pragma once

#include <QString>
#include <optional>

namespace qx {

// The snapshots MAME writes for a set: <snapshot folder>/<set>/0000.png and onward.

// The folder of a set's snapshots; empty when the set name could lead outside the snapshot folder.
QString SetSnapshotFolder(const QString &snapshotDirectory, const QString &setName);

// A snapshot file name that stays inside its folder ("0000.png", no separator, no "..").
bool IsPlainSnapshotName(const QString &fileName);

// The new name an answer to "Enter new name:" gives: ".png" appended unless the answer holds it already;
// only a name of exactly 8 characters (four and ".png", like MAME's own numbering) that stays inside the
// folder counts. nullopt for an empty answer or any other name.
std::optional<QString> SnapshotNameFromAnswer(const QString &answer);

enum class SnapshotRename { Renamed, Unchanged, NameTaken, Missing, Failed };

// Renames folder/oldName to folder/newName unless it is the same name, the file is missing, or a file of
// the new name exists already (which is then left as it was).
SnapshotRename RenameSnapshotFile(const QString &folder, const QString &oldName, const QString &newName);

// Deletes folder/fileName; false when it was not there or could not be deleted.
bool DeleteSnapshotFile(const QString &folder, const QString &fileName);

// The caption line after a snapshot is gone: "0000.png not found".
QString MissingSnapshotCaption(const QString &fileName);

} // namespace qx
