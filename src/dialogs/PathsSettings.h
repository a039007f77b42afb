#pragma once

#include <QString>

namespace qx {

// The front-end settings the paths dialog reads and writes.
class PathsSettings {
public:
    virtual ~PathsSettings() = default;

    // The picture folder as stored (picturepath; "flyers" is the emulator directory's flyers folder).
    virtual QString picturePath() const = 0;
    // Stores the picture folder as it is given; false when the settings file could not be written.
    virtual bool setPicturePath(const QString &folder) = 0;
    // Whether a change of ROM folders is confirmed first (ConfirmVerify).
    virtual bool confirmVerify() const = 0;
    // The font family of the dialogs (dialogueFont).
    virtual QString dialogueFont() const = 0;
};

} // namespace qx
