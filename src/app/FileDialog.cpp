#include "app/FileDialog.h"

#include "app/PlatformServices.h"

namespace qx {

void FileDialog(UserPrompts &prompts, FileDialogMode mode, const QString &initialFolder,
                const QString &filter, const QString &title, const QString &initialFile, QString &outTitle,
                QString &outPath) {
    FileDialogRequest request;
    request.save = mode == FileDialogMode::Save;
    request.initialFolder = initialFolder;
    request.filter = filter;
    request.title = title;
    request.initialFile = initialFile;
    const FileDialogResult result = prompts.chooseFile(request);
    if (result.cancelled()) {
        return;
    }
    outTitle = result.fileTitle;
    outPath = result.filePath;
}

bool OpenDocument(PlatformServices &services, const QString &target) {
    return services.openUrl(target);
}

} // namespace qx
