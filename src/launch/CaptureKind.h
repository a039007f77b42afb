#pragma once

#include <QString>
#include <QStringList>

namespace qx {

// The five capture runs: MAME started on a set with a recording, playback or capture switch and a file.
enum class CaptureKind { RecordInput = 1, PlaybackInput = 2, Wav = 3, Mng = 4, Avi = 5 };

// What a capture kind fixes: the mame.ini option naming the dialog's folder, the dialog, the default file,
// the switch, and whether MAME gets the chosen file's full path (WAV) or its name alone (MAME then puts
// the file into its own input or snapshot directory).
struct CaptureKindInfo {
    CaptureKind kind;
    QString directoryOption; // input_directory or snapshot_directory
    QString defaultFolder;   // MAME's own default for that option
    bool saveDialog;         // false: an open dialog that accepts only an existing file
    QString titlePrefix;     // the dialog title, followed by the set name when titleNamesSet
    bool titleNamesSet;
    QString filter;    // Qt filter text: description and pattern
    QString extension; // ".inp", ".wav", ".mng", ".avi"
    QString switchName;
    bool passesFullPath;
};

const CaptureKindInfo &CaptureInfo(CaptureKind kind);
const QList<CaptureKind> &AllCaptureKinds();

QString CaptureDialogTitle(CaptureKind kind, const QString &setName);
QString CaptureDefaultFileName(CaptureKind kind, const QString &setName);
// The arguments after the set name: the switch, then the file's name or full path as the kind says.
QStringList CaptureArguments(CaptureKind kind, const QString &fileTitle, const QString &filePath);

} // namespace qx
