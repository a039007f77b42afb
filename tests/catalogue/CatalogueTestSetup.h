#pragma once

#include "StandinCalls.h"
#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"
#include "app/ProgramState.h"
#include "catalogue/CatalogueExtraction.h"

#include <QDir>
#include <QTemporaryDir>

namespace qx::test {

// A program directory with a default qx.ini, and an emulator directory holding the stand-in (as "mame"
// unless named otherwise; its calls land in standin-calls.log there).
struct CatalogueTestSetup {
    QTemporaryDir root;
    ProgramState state;
    QString exe;

    explicit CatalogueTestSetup(const QString &standinName = QStringLiteral("mame")) {
        state.programDir = WithTrailingSeparator(root.filePath(QStringLiteral("prog")));
        QDir().mkpath(state.programDir);
        QDir().mkpath(emulatorDir());
        exe = installStandin(emulatorDir(), standinName);
        FrontendSettings::WriteDefaultSettings(state.settingsPath());
    }

    FrontendSettings settings() const { return FrontendSettings(state.settingsPath()); }
    QString emulatorDir() const { return WithTrailingSeparator(root.filePath(QStringLiteral("emu"))); }
    ExtractionRequest request() const { return {exe, emulatorDir(), state.programDir, {}}; }
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
    // "name:State" for each line of qx.dat.
    QStringList cachedStates() const {
        QStringList result;
        for (const QByteArray &line : readFile(state.cachePath()).split('\n')) {
            const QList<QByteArray> fields = line.trimmed().split('=');
            if (fields.size() == 9) {
                result += QString::fromUtf8(fields[0] + ':' + fields[6]);
            }
        }
        return result;
    }
};

} // namespace qx::test
