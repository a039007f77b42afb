// Quorvex: a desktop front-end for the MAME arcade emulator.
#include "app/CommandLine.h"
#include "app/FrontendSettings.h"
#include "app/InstanceLock.h"
#include "app/ProgramDirectory.h"
#include "app/QtPlatformServices.h"
#include "app/QtUserPrompts.h"
#include "browser/window/MainWindow.h"
#include "catalogue/CataloguePreload.h"

#include <QApplication>
#include <QFileInfo>
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
    qx::InstanceLock instanceLock(programDir);
    const qx::InstanceLock::Outcome lock = instanceLock.acquire();
    if (lock == qx::InstanceLock::Outcome::HeldByAnotherInstance) {
        return 0;
    }
    const bool readOnly = lock == qx::InstanceLock::Outcome::FolderNotWritable;
    const bool runs = !readOnly || qx::CanRunReadOnly(programDir);

    // The set list is read on a second thread while the window system starts.
    if (runs) {
        qx::StartCataloguePreload(programDir);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setApplicationVersion(QStringLiteral(QX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quorvex.Quorvex"));
    if (readOnly) {
        QMessageBox::warning(nullptr, QStringLiteral("Quorvex"), qx::ReadOnlyFolderMessage(programDir, runs));
        if (!runs) {
            return 1;
        }
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Written when missing; should that fail, the window reports the first setting it cannot save, once.
    const QString iniPath = programDir + QStringLiteral("qx.ini");
    if (!QFileInfo::exists(iniPath)) {
        qx::FrontendSettings::WriteDefaultSettings(iniPath);
    }

    qx::QtUserPrompts prompts;
    qx::QtPlatformServices services;
    qx::MainWindow window(programDir, prompts, services);
    prompts.setOwner(&window);
    if (readOnly) {
        window.setReadOnly();
    }
    if (!window.load()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
