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
constexpr qint64 kAnswerOutputBytes = 1 << 20; // MAME's help is a few kilobytes

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
                                  UserPrompts &prompts, const MameRunLimits &limits) {
    // The path goes with every refusal: the user may have picked another file than the one they meant.
    const auto refuse = [&](const QString &message) {
        prompts.inform(message + QStringLiteral("\n\n") + executablePath, kAppTitle, PromptIcon::Information);
        return EmulatorIdentity{};
    };
    if (IsCompanionTool(executablePath)) {
        return refuse(kNotMameMessage);
    }
    const QString helpFile = programDir + kHelpWorkFile;
    const CommandRequest request =
        CommandRequest::hidden(executablePath, {QStringLiteral("-help")}, {}, helpFile);
    // A program that is no MAME may never end, or never stop printing (a game, "yes").
    RunWatch watch;
    watch.timeLimitMs = limits.answerMs;
    watch.outputLimitBytes = kAnswerOutputBytes;
    const RunResult run = RunWatched(request, watch);

    const QString banner = firstLine(ReadWholeFile(helpFile));
    QFile::remove(helpFile);
    if (run.stopped()) {
        return refuse(RunFailureText(run, request, watch) + QStringLiteral(".\n\n") + kNotMameLikeMessage);
    }
    if (!IsMameBanner(banner)) {
        return refuse(kNotMameLikeMessage);
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
