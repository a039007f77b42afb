#pragma once

#include "launch/CaptureKind.h"

#include <QString>

namespace qx {

// The folder a capture dialog opens in, made sure of: the kind's directory option from mame.ini with its
// quotes removed and $HOME and other variables expanded, a relative folder taken in the emulator directory,
// MAME's default ("inp" or "snap") when the option is missing or empty. A missing folder is created.
struct CaptureFolder {
    QString folder; // with a trailing separator; empty when it could not be made
    QString error;  // why not, in words for the user
    bool ok() const { return error.isEmpty(); }
};

CaptureFolder PrepareCaptureFolder(CaptureKind kind, const QString &emulatorIniPath,
                                   const QString &emulatorDir);

// Creates the folder (and missing folders above it); on failure returns the reason, else "".
QString CreateFolderOrExplain(const QString &folder);

} // namespace qx
