#include "app/ProgramDirectory.h"

#include "app/PathHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace qx {

bool IsWritableFolder(const QString &folder) {
    if (!QFileInfo(folder).isDir()) {
        return false;
    }
    // The permission bits do not tell the whole story (read-only mounts, ACLs): try it.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("qx_probe_XXXXXX")));
    return probe.open();
}

bool CanRunReadOnly(const QString &programDir) {
    for (const char *name : {"qx.ini", "qx.dat"}) {
        QFile file(programDir + QLatin1String(name));
        if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
            return false;
        }
    }
    return true;
}

QString ReadOnlyFolderMessage(const QString &programDir, bool runsReadOnly) {
    const QString folder = QDir::toNativeSeparators(QDir::cleanPath(programDir));
    if (runsReadOnly) {
        return QStringLiteral(
                   "Quorvex cannot write to its folder %1: it is read-only, or its disk is full.\n\n"
                   "It runs read-only: the settings and "
                   "the set list there are used, but nothing you change is saved.")
            .arg(folder);
    }
    return QStringLiteral("Quorvex cannot write to its folder %1: it is read-only, or its disk is full. It "
                          "finds no settings and set list there to run from.\n\nMake the folder writable, or "
                          "name another one in the QUORVEX_HOME environment variable.")
        .arg(folder);
}

namespace {

// Folders of the system's own programs: even where they are writable (root), MAME's files do not belong
// there.
bool isSystemFolder(const QString &folder) {
    for (const char *root : {"/usr", "/bin", "/sbin", "/lib", "/opt", "/snap"}) {
        const QLatin1String prefix(root);
        if (folder == prefix || folder.startsWith(prefix + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

} // namespace

QString ResolveProgramDirectory(const QString &executableDir) {
    QString dir = qEnvironmentVariable("QUORVEX_HOME");
    if (dir.isEmpty()) {
        // An executable in a system folder (/usr/games, writable only to root) is an installed program, never
        // a portable one: its files go to the user's configuration folder.
        if (IsWritableFolder(executableDir) && !isSystemFolder(executableDir)) {
            dir = executableDir;
        } else {
            QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
            if (config.isEmpty()) {
                config = QDir::homePath() + QStringLiteral("/.config");
            }
            dir = config + QStringLiteral("/quorvex");
        }
    }
    QDir().mkpath(dir);
    return WithTrailingSeparator(QDir::cleanPath(QDir(dir).absolutePath()));
}

QString ResolveEmulatorDirectory(const QString &emulatorPath) {
    const QString folder = QFileInfo(emulatorPath).absolutePath();
    if (!isSystemFolder(folder) && IsWritableFolder(folder)) {
        return WithTrailingSeparator(folder);
    }
    const QString mameHome = QDir::homePath() + QStringLiteral("/.mame");
    QDir().mkpath(mameHome);
    return WithTrailingSeparator(mameHome);
}

} // namespace qx
