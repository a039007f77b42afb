#pragma once

#include "launch/SetFileMaintenance.h"

#include <QObject>

class QAction;

namespace qx {

class LaunchHost;

// The per-set files MAME leaves behind, from the main window: deleting a set's NVRAM, configuration,
// difference and INI files (or every set's), renaming and deleting the snapshot the picture panel shows,
// opening the emulator folder and the set's online information page. Every delete asks first (No is the
// default) and never reaches outside its folder.
class SetFilesController : public QObject {
    Q_OBJECT
public:
    explicit SetFilesController(LaunchHost &host, QObject *parent = nullptr);

    void DeleteSetFile(SetFileType type);     // the current set's file
    void DeleteAllSetFiles(SetFileType type); // every set's files of the type
    // "All Above Files": the four types in order, each with its own question.
    void DeleteSetFilesOfAllTypes();
    void DeleteAllSetFilesOfAllTypes();

    // Shows "Delete 0000.png" / "Rename 0000.png" and their separator (the general pop-up's entries) only
    // while a snapshot is shown.
    void PrepareSnapshotEntries(QAction *deleteEntry, QAction *renameEntry, QAction *separator);
    void RenameSnapshot();
    void DeleteSnapshot();

    void OpenEmulatorFolder();
    // Opens the online information page (url followed by the name) of the current set, or of a named one.
    void OpenSetInfoOnline();
    void OpenSetInfoOnline(const QString &name);

private:
    // The names the all-sets deletes go by: every set of the catalogue and of qx.dat.
    QSet<QString> knownSetNames() const;
    QString snapshotFolder() const;

    LaunchHost &m_host;
};

} // namespace qx
