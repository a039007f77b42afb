#include "launch/CaptureKind.h"

namespace qx {

namespace {

const QString kInputOption = QStringLiteral("input_directory");
const QString kSnapshotOption = QStringLiteral("snapshot_directory");

const QList<CaptureKindInfo> &captureTable() {
    static const QList<CaptureKindInfo> table{
        {CaptureKind::RecordInput, kInputOption, QStringLiteral("inp"), true,
         QStringLiteral("Save Input file for set : "), true, QStringLiteral("MAME Input Files (*.inp)"),
         QStringLiteral(".inp"), QStringLiteral("-record"), false},
        {CaptureKind::PlaybackInput, kInputOption, QStringLiteral("inp"), false,
         QStringLiteral("Open Input file for set : "), true, QStringLiteral("MAME Input Files (*.inp)"),
         QStringLiteral(".inp"), QStringLiteral("-playback"), false},
        {CaptureKind::Wav, kSnapshotOption, QStringLiteral("snap"), true, QStringLiteral("Save WAV audio"),
         false, QStringLiteral("Windows Audio (*.wav)"), QStringLiteral(".wav"), QStringLiteral("-wavwrite"),
         true},
        {CaptureKind::Mng, kSnapshotOption, QStringLiteral("snap"), true, QStringLiteral("Save MNG video"),
         false, QStringLiteral("Multiple Network Graphics (*.mng)"), QStringLiteral(".mng"),
         QStringLiteral("-mngwrite"), false},
        {CaptureKind::Avi, kSnapshotOption, QStringLiteral("snap"), true,
         QStringLiteral("Save AVI file for set : "), true, QStringLiteral("Windows Video (*.avi)"),
         QStringLiteral(".avi"), QStringLiteral("-aviwrite"), false},
    };
    return table;
}

} // namespace

const CaptureKindInfo &CaptureInfo(CaptureKind kind) {
    return captureTable().at(static_cast<int>(kind) - 1);
}

const QList<CaptureKind> &AllCaptureKinds() {
    static const QList<CaptureKind> kinds{CaptureKind::RecordInput, CaptureKind::PlaybackInput,
                                          CaptureKind::Wav, CaptureKind::Mng, CaptureKind::Avi};
    return kinds;
}

QString CaptureDialogTitle(CaptureKind kind, const QString &setName) {
    const CaptureKindInfo &info = CaptureInfo(kind);
    return info.titleNamesSet ? info.titlePrefix + setName : info.titlePrefix;
}

QString CaptureDefaultFileName(CaptureKind kind, const QString &setName) {
    return setName + CaptureInfo(kind).extension;
}

QStringList CaptureArguments(CaptureKind kind, const QString &fileTitle, const QString &filePath) {
    const CaptureKindInfo &info = CaptureInfo(kind);
    return {info.switchName, info.passesFullPath ? filePath : fileTitle};
}

} // namespace qx
