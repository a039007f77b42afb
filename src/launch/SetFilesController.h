#pragma once

#include "launch/LaunchHooks.h"
#include "launch/SetFileMaintenance.h"

#include <QObject>

class QLabel;

namespace qx {

class MainWindow;

// The per-set files MAME leaves behind, from the main window: deleting a set's NVRAM, configuration,
// difference and INI files (or every set's), renaming and deleting the snapshot the picture panel shows,
// opening the emulator folder and the set's online information page. Every delete asks first (No is the
// default) and never reaches outside its folder.
class SetFilesController : public QObject {
    Q_OBJECT
public:
    SetFilesController(MainWindow &window, LaunchHooks hooks);

    // Connects the item pop-up's Delete entries, Tools ▸ Delete, the snapshot entries of the general pop-up
    // (prepared each time it opens), Tools ▸ "&Open MAME Folder" and "Open Info. Online...".
    void connectActions();

    void DeleteSetFile(SetFileType type);     // the current set's file
    void DeleteAllSetFiles(SetFileType type); // every set's files of the type
    // "All Above Files": the four types in order, each with its own question.
    void DeleteSetFilesOfAllTypes();
    void DeleteAllSetFilesOfAllTypes();

    // Shows "Delete 0000.png" / "Rename 0000.png" and their separator only while a snapshot is shown.
    void PrepareSnapshotEntries();
    void RenameSnapshot();
    void DeleteSnapshot();

    void OpenEmulatorFolder();
    void OpenSetInfoOnline();

private:
    QLabel *caption() const;
    // The names the all-sets deletes go by: every set of the catalogue and of qx.dat.
    QSet<QString> knownSetNames() const;
    QString snapshotFolder() const;
    bool snapshotShown() const;

    MainWindow &m_window;
    LaunchHooks m_hooks;
};

} // namespace qx
