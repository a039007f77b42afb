#include "catalogue/EmulatorIdentity.h"

#include "app/CommandRunner.h"
#include "app/PathHelpers.h"
#include "app/TextFile.h"
#include "app/UserPrompts.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qx {

namespace {

const QString kHelpWorkFile = QStringLiteral("qx_mamever.dat");

QString firstLine(const QByteArray &content) {
    const TextLines text = SplitTextLines(content);
    return text.lines.isEmpty() ? QString() : QString::fromUtf8(text.lines.first());
}

} // namespace

bool IsCompanionTool(const QString &executablePath) {
    static const QStringList tools{QStringLiteral("chdman"), QStringLiteral("romcmp"),
                                   QStringLiteral("jedutil"), QStringLiteral("ledutil")};
    QString name = QFileInfo(executablePath).fileName();
    if (name.endsWith(QLatin1String(".exe"))) {
        name.chop(4);
    }
    return tools.contains(name);
}

bool IsMameBanner(const QString &firstHelpLine) {
    return firstHelpLine.contains(QLatin1String("Multiple Arcade Machine Emulator")) ||
           firstHelpLine.startsWith(QLatin1String("MAME v"));
}

QString VersionFromBanner(const QString &firstHelpLine) {
    const qsizetype close = firstHelpLine.indexOf(QLatin1Char(')'));
    return close < 0 ? QString() : firstHelpLine.left(close + 1);
}

EmulatorIdentity IdentifyEmulator(const QString &executablePath, const QString &programDir,
                                  UserPrompts &prompts) {
    if (IsCompanionTool(executablePath)) {
        prompts.inform(kNotMameMessage, kAppTitle, PromptIcon::Information);
        return {};
    }
    const QString helpFile = programDir + kHelpWorkFile;
    CommandSpec spec;
    spec.program = executablePath;
    spec.arguments = {QStringLiteral("-help")};
    spec.outputFile = helpFile;
    spec.windowStyle = kWindowHidden;
    RunAndWait(spec);

    const QString banner = firstLine(ReadWholeFile(helpFile));
    QFile::remove(helpFile);
    if (!IsMameBanner(banner)) {
        prompts.inform(kNotMameLikeMessage, kAppTitle, PromptIcon::Information);
        return {};
    }
    return {true, VersionFromBanner(banner)};
}

QString SuggestEmulatorPath() {
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("mame"));
    if (!onPath.isEmpty()) {
        return onPath;
    }
    const QString debian = QStringLiteral("/usr/games/mame");
    return FileExists(debian) ? debian : QString();
}

} // namespace qx
