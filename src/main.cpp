// Quorvex: a desktop front-end for the MAME arcade emulator.
#include "app/CommandLine.h"
#include "app/FrontendSettings.h"
#include "app/ProgramDirectory.h"
#include "app/QtPlatformServices.h"
#include "app/QtUserPrompts.h"
#include "browser/MainWindow.h"
#include "catalogue/CataloguePreload.h"

#include <QApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>

namespace {

// The executable's folder, known before the application object exists (which is when the program directory
// is first needed).
QString executableDir(const char *argv0) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists()) {
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    }
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

} // namespace

int main(int argc, char *argv[]) {
    if (const std::optional<int> exitCode = qx::AnswerCommandLine(argc, argv)) {
        return *exitCode;
    }
    const QString programDir = qx::ResolveProgramDirectory(executableDir(argv[0]));

    // One Quorvex per program directory: a second start ends at once, silently.
    QLockFile instanceLock(programDir + QStringLiteral("qx.lock"));
    instanceLock.setStaleLockTime(0);
    if (!instanceLock.tryLock(0)) {
        return 0;
    }

    // The set list is read on a second thread while the window system starts.
    qx::StartCataloguePreload(programDir);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setApplicationVersion(QStringLiteral(QX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quorvex.Quorvex"));

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
