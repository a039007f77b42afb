#pragma once

#include "app/UserPrompts.h"

namespace qx {

enum class FileDialogMode { Open, Save };

// The open/save dialog as the program's operations use it: on OK both outputs are set (the file's title
// and its full path); on cancel both are left untouched, so callers detect a cancel by an output that
// stays empty. An open dialog only accepts an existing file; a save dialog accepts a new name.
void FileDialog(UserPrompts &prompts, FileDialogMode mode, const QString &initialFolder,
                const QString &filter, const QString &title, const QString &initialFile, QString &outTitle,
                QString &outPath);

// Opens a file or URL with the desktop's default handler.
class PlatformServices;
bool OpenDocument(PlatformServices &services, const QString &target);

} // namespace qx
