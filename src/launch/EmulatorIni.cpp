#include "launch/EmulatorIni.h"

#include "app/CommandRunner.h"
#include "app/PathHelpers.h"
#include "app/ProgramState.h"

namespace qx {

QString EnsureEmulatorIni(const QString &emulatorPath, const QString &emulatorDir) {
    const QString iniPath = WithTrailingSeparator(emulatorDir) + QStringLiteral("mame.ini");
    if (!FileExists(iniPath)) {
        CommandSpec spec;
        spec.program = emulatorPath;
        spec.arguments = {QStringLiteral("-createconfig")};
        spec.workingDirectory = emulatorDir;
        spec.windowStyle = kWindowHidden;
        RunAndWait(spec);
    }
    return iniPath;
}

void EnsureEmulatorIni(ProgramState &state) {
    state.EmulatorIniPath = EnsureEmulatorIni(state.EmulatorPath, state.EmulatorDir);
}

} // namespace qx
