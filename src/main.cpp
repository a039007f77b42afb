// Quorvex: a desktop front-end for the MAME arcade emulator.
#include "app/FrontendSettings.h"
#include "app/ProgramDirectory.h"
#include "app/QtPlatformServices.h"
#include "app/QtUserPrompts.h"
#include "browser/MainWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setApplicationVersion(QStringLiteral(QX_VERSION));

    const QString programDir = qx::ResolveProgramDirectory(QApplication::applicationDirPath());

    // One Quorvex per program directory: a second start ends at once, silently.
    QLockFile instanceLock(programDir + QStringLiteral("qx.lock"));
    instanceLock.setStaleLockTime(0);
    if (!instanceLock.tryLock(0)) {
        return 0;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString iniPath = programDir + QStringLiteral("qx.ini");
    if (!QFileInfo::exists(iniPath) && !qx::FrontendSettings::WriteDefaultSettings(iniPath)) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(nullptr, QStringLiteral("Quorvex"),
                             QStringLiteral("Quorvex could not write its settings file %1.\n"
                                            "Settings will not be kept after this run.")
                                 .arg(iniPath));
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }

    qx::QtUserPrompts prompts;
    qx::QtPlatformServices services;
    qx::MainWindow window(programDir, prompts, services);
    prompts.setOwner(&window);
    if (!window.load()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
