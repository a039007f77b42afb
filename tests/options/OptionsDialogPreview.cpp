// Shows the options dialog as the program would, for looking at it (screenshots under Xvfb):
//   options_dialog_preview <mame.ini> [default|vector|driver|set] [set] [parent] [driver source] [page 1-7]
//                          [dialog font, by default Arial as in a new qx.ini]
// The emulator directory is mame.ini's folder; the dialog stays open until it is closed.
#include "app/QtUserPrompts.h"
#include "launch/DisplayModesFactory.h"
#include "options/OptionFiles.h"
#include "options/OptionsDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

using namespace qx;

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr,
                     "usage: options_dialog_preview <mame.ini> [scope] [set] [parent] [driver] [page]\n");
        return 2;
    }
    const QString scopeName = args.value(1, QStringLiteral("default"));
    const OptionsMenuEntry entry = scopeName == QLatin1String("set")      ? OptionsMenuEntry::SetOptions
                                   : scopeName == QLatin1String("driver") ? OptionsMenuEntry::DriverOptions
                                   : scopeName == QLatin1String("vector") ? OptionsMenuEntry::VectorOptions
                                                                          : OptionsMenuEntry::DefaultOptions;
    QtUserPrompts prompts;
    const std::unique_ptr<DisplayModes> displayModes = CreateDisplayModes();
    OptionsDialogContext context(prompts, *displayModes);
    context.scope = OptionScope::forEntry(entry, {args.value(2), args.value(3), args.value(4)});
    context.emulatorIniPath = QFileInfo(args.at(0)).absoluteFilePath();
    context.emulatorDir = QFileInfo(args.at(0)).absolutePath() + QLatin1Char('/');
    context.monitorNames = MonitorNames();
    context.dialogFontName = args.value(6, QStringLiteral("Arial"));
    const OptionFileResult file =
        OptionFileForScope(context.scope, context.emulatorIniPath, context.emulatorDir);
    if (!file.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(file.error));
        return 1;
    }
    OptionsDialog dialog(context, file.path);
    dialog.showPage(static_cast<OptionPage>(std::clamp(args.value(5, QStringLiteral("1")).toInt(), 1, 7)));
    dialog.move(20, 20);
    return dialog.exec();
}
