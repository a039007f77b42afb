#include "app/UserPrompts.h"
#include "options/OptionFiles.h"
#include "options/OptionsDialog.h"
#include "options/OptionsDialogContext.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace qx {

QStringList MonitorNames() {
    QStringList names;
    for (const QScreen *screen : QGuiApplication::screens()) {
        names.append(screen->name());
    }
    return names;
}

int OpenOptionsDialog(const OptionsDialogContext &context) {
    const OptionFileResult file =
        OptionFileForScope(context.scope, context.emulatorIniPath, context.emulatorDir);
    if (!file.ok()) {
        context.prompts.inform(file.error, kAppTitle, PromptIcon::Error);
        return QDialog::Rejected;
    }
    if (!QFileInfo(file.path).isReadable()) {
        // Every control would be disabled as if MAME lacked its option: say what is wrong instead.
        context.prompts.inform(
            QStringLiteral("Quorvex could not read %1, so its options cannot be shown.").arg(file.path),
            kAppTitle, PromptIcon::Error);
        return QDialog::Rejected;
    }
    if (!file.notice.isEmpty()) {
        context.prompts.inform(file.notice, kAppTitle, PromptIcon::Information);
    }
    OptionsDialog dialog(context, file.path, context.parent);
    return context.run ? context.run(dialog) : dialog.exec();
}

} // namespace qx
