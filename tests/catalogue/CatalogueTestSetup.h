#pragma once

#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "app/ProgramState.h"

#include <QDir>
#include <QTemporaryDir>

namespace qx::test {

// A program directory with a default qx.ini and an emulator directory holding the stand-in as "mame", for
// the tests of the refresh and the first-run set-up.
struct CatalogueTestSetup {
    QTemporaryDir root;
    ProgramState state;
    QString exe;

    CatalogueTestSetup() {
        state.programDir = WithTrailingSeparator(root.filePath(QStringLiteral("prog")));
        QDir().mkpath(state.programDir);
        const QString emulatorDir = root.filePath(QStringLiteral("emu"));
        QDir().mkpath(emulatorDir);
        exe = installStandin(emulatorDir);
        FrontendSettings::WriteDefaultSettings(state.settingsPath());
    }

    FrontendSettings settings() const { return FrontendSettings(state.settingsPath()); }
    QString emulatorDir() const { return WithTrailingSeparator(root.filePath(QStringLiteral("emu"))); }
    // Replaces one of the stand-in's answers for this test only.
    void useFixture(const QString &name, const QByteArray &content) const {
        writeFile(emulatorDir() + QStringLiteral("standin-fixtures/") + name, content);
    }
    void useSharedFixtures() const {
        const QDir shared(QDir(fixturesDir()).filePath(QStringLiteral("standin")));
        for (const QString &name : shared.entryList(QDir::Files)) {
            useFixture(name, readFile(shared.filePath(name)));
        }
    }
    QList<StandinCall> calls() const {
        return readStandinCalls(emulatorDir() + QStringLiteral("standin-calls.log"));
    }
    QStringList switches() const {
        QStringList result;
        for (const StandinCall &call : calls()) {
            result += call.args.join(QLatin1Char(' '));
        }
        return result;
    }
    void clearCalls() const { QFile::remove(emulatorDir() + QStringLiteral("standin-calls.log")); }
    QStringList workFilesLeft() const {
        return QDir(state.programDir).entryList({QStringLiteral("qx_*")}, QDir::Files);
    }
};

} // namespace qx::test
