#include "app/CommandRunner.h"

#include "StandinCalls.h"
#include "TestDirs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <memory>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

namespace {

const QString kAwkwardArgument = QStringLiteral("my \"best\" set; echo $HOME 'x' `id` \\ *");

const QByteArray kVerifyRoms = "romset pacman is good\n"
                               "romset puckman [pacman] is bad\n"
                               "romset pacmanf [pacman] is good\n";

// A terminal emulator for tests: records its arguments (one per line), then runs what follows "-e" with
// no input, its output going to terminal-output.txt.
const QByteArray kFakeTerminal =
    "#!/bin/sh\n"
    "dir=$(dirname \"$0\")\n"
    ": > \"$dir/terminal-args.txt\"\n"
    "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$dir/terminal-args.txt\"; done\n"
    "shift\n"
    "exec \"$@\" < /dev/null > \"$dir/terminal-output.txt\" 2>&1\n";

} // namespace

class CommandRunnerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_mame;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QList<qx::test::StandinCall> calls() const {
        return qx::test::readStandinCalls(path(QStringLiteral("standin-calls.log")));
    }
    CommandRequest hiddenRun(const QStringList &arguments) const {
        CommandRequest request;
        request.program = m_mame;
        request.arguments = arguments;
        request.windowStyle = kWindowHidden;
        return request;
    }
    QString installFakeTerminal() const {
        const QString terminal = path(QStringLiteral("fake-terminal"));
        writeFile(terminal, kFakeTerminal);
        QFile::setPermissions(terminal, QFile::permissions(terminal) | QFile::ExeOwner);
        qputenv("TERMINAL", terminal.toUtf8());
        return terminal;
    }
    QStringList recordedTerminalArguments() const {
        QString text = QString::fromUtf8(readFile(path(QStringLiteral("terminal-args.txt"))));
        text.chop(1);
        return text.split(QLatin1Char('\n'));
    }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_mame = qx::test::installStandin(m_dir->path());
        writeFile(path(QStringLiteral("standin-fixtures/verifyroms.txt")), kVerifyRoms);
        writeFile(path(QStringLiteral("standin-fixtures/help.txt")), "MAME v0.251 (unknown)\nline two\n");
    }

    void cleanup() {
        for (const char *name : {"QX_STANDIN_SLEEP_MS", "QX_STANDIN_EXIT_CODE", "QX_STANDIN_CRASH",
                                 "QX_STANDIN_STDERR", "TERMINAL"}) {
            qunsetenv(name);
        }
        m_dir.reset();
    }

    void argumentsArriveUnchangedInTheWorkingDirectory() {
        CommandRequest request =
            hiddenRun({kAwkwardArgument, QStringLiteral("-record"), QStringLiteral("a b.inp")});
        request.workingDirectory = path(QStringLiteral("emulator dir"));
        QDir().mkpath(request.workingDirectory);
        QCOMPARE(RunUntilExit(request), 0);
        const auto recorded = calls();
        QCOMPARE(recorded.size(), 1);
        QCOMPARE(recorded.at(0).args, request.arguments);
        QCOMPARE(recorded.at(0).cwd, QFileInfo(request.workingDirectory).canonicalFilePath());
    }

    void outputReplacesTheOutputFile() {
        CommandRequest request = hiddenRun({QStringLiteral("-help")});
        request.outputFile = path(QStringLiteral("qx_mamever.dat"));
        writeFile(request.outputFile, QByteArray(5000, 'o'));
        QCOMPARE(RunUntilExit(request), 0);
        QCOMPARE(readFile(request.outputFile), QByteArray("MAME v0.251 (unknown)\nline two\n"));
    }

    void errorOutputGoesToTheFileOnlyWhenMerged_data() {
        QTest::addColumn<bool>("merged");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("merged") << true << QByteArray("romset \"galaxian\" not found!\n");
        QTest::newRow("separate") << false << QByteArray();
    }
    void errorOutputGoesToTheFileOnlyWhenMerged() {
        QFETCH(bool, merged);
        QFETCH(QByteArray, expected);
        CommandRequest request = hiddenRun({QStringLiteral("-verifyroms"), QStringLiteral("galaxian")});
        request.outputFile = path(QStringLiteral("qx_roms.dat"));
        request.mergeErrorOutput = merged;
        QCOMPARE(RunUntilExit(request), 1);
        QCOMPARE(readFile(request.outputFile), expected);
    }

    void runUntilExitReturnsTheExitCode() {
        CommandRequest request = hiddenRun({QStringLiteral("-verifyroms"), QStringLiteral("pacman")});
        request.outputFile = path(QStringLiteral("qx_roms.dat"));
        QCOMPARE(RunUntilExit(request), 0);
        QCOMPARE(readFile(request.outputFile), QByteArray("romset pacman is good\n"));

        qputenv("QX_STANDIN_EXIT_CODE", "7");
        QCOMPARE(RunUntilExit(request), 7);
        qputenv("QX_STANDIN_CRASH", "1"); // a crash is a non-zero exit code
        QCOMPARE(RunUntilExit(hiddenRun({QStringLiteral("pacman")})), -1);
    }

    void aMissingProgramOrFolderFailsAtOnce() {
        CommandRequest request = hiddenRun({QStringLiteral("-help")});
        request.program = path(QStringLiteral("no-such-mame"));
        request.outputFile = path(QStringLiteral("out.txt"));
        int progressCalls = 0;
        QCOMPARE(RunUntilExit(request, [&](qint64) { ++progressCalls; }), kObjectErrorBase + ENOENT);
        QCOMPARE(progressCalls, 0);
        QVERIFY(kObjectErrorBase + ENOENT < 0);
        request = hiddenRun({QStringLiteral("-help")}); // a missing working directory: no start either
        request.workingDirectory = path(QStringLiteral("gone"));
        QVERIFY(RunUntilExit(request) < 0);
        QVERIFY(calls().isEmpty());
    }

    void runUntilExitKeepsServingEvents() {
        qputenv("QX_STANDIN_SLEEP_MS", "500");
        bool timerFired = false;
        QTimer::singleShot(0, this, [&] { timerFired = true; });
        CommandRequest request = hiddenRun({QStringLiteral("-verifyroms")});
        request.outputFile = path(QStringLiteral("qx_verifyroms.dat"));
        qint64 lastReported = -1;
        QCOMPARE(RunUntilExit(request, [&](qint64 size) { lastReported = size; }), 0);
        QVERIFY(timerFired);
        QCOMPARE(lastReported, qint64(kVerifyRoms.size()));
    }

    // Each limit ends a run that would otherwise go on for seconds (or for ever), and says why.
    void aRunBreakingALimitIsEnded_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<RunEnd>("end");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cancelled") << 0 << RunEnd::Cancelled << "cancelled";
        QTest::newRow("silent") << 1 << RunEnd::Silent << "printed nothing for 1 second";
        QTest::newRow("too slow") << 2 << RunEnd::TimedOut << "did not finish within 1 second";
        QTest::newRow("endless output") << 3 << RunEnd::OutputTooLarge << "printed more than 1 MB";
    }
    void aRunBreakingALimitIsEnded() {
        QFETCH(int, limit);
        QFETCH(RunEnd, end);
        QFETCH(QString, reason);
        qputenv("QX_STANDIN_SLEEP_MS", "20000");
        CommandRequest request = hiddenRun({QStringLiteral("-verifyroms")});
        request.outputFile = path(QStringLiteral("out.txt"));
        RunWatch watch;
        int polls = 0;
        watch.cancelled = [&] {
            return limit == 0 && ++polls > 2;
        };
        watch.silenceMs = limit == 1 ? 300 : 0;
        watch.timeLimitMs = limit == 2 ? 300 : 0;
        if (limit == 3) {
            request.program = QStringLiteral("/usr/bin/yes");
            request.arguments = QStringList{QStringLiteral("romset pong is good")};
            watch.outputLimitBytes = 1 << 20;
        }
        const RunResult result = RunWatched(request, watch);
        QCOMPARE(result.end, end);
        QVERIFY(result.stopped());
        const QString text = RunFailureText(result, request, watch);
        QVERIFY2(text.contains(reason) && text.contains(request.program), qPrintable(text));
    }

    void shownConsoleRunsInTheTerminal_data() {
        QTest::addColumn<bool>("keptOpen");
        QTest::newRow("close") << false;
        QTest::newRow("keep") << true;
    }
    void shownConsoleRunsInTheTerminal() {
        QFETCH(bool, keptOpen);
        const QString terminal = installFakeTerminal();
        CommandRequest request =
            hiddenRun({kAwkwardArgument, QStringLiteral("-playback"), QStringLiteral("x.inp")});
        request.windowStyle = kWindowNormal;
        request.console = keptOpen ? ConsoleMode::Keep : ConsoleMode::Close;
        request.workingDirectory = m_dir->path();

        const StartLine line = BuildStartLine(request);
        QCOMPARE(line.program, terminal);
        QCOMPARE(line.arguments.mid(0, 3), (QStringList{"-e", "sh", "-c"}));
        QCOMPARE(line.arguments.mid(4), QStringList({QStringLiteral("sh"), m_mame}) + request.arguments);

        qputenv("QX_STANDIN_EXIT_CODE", "3");
        QCOMPARE(RunUntilExit(request), 3);
        QCOMPARE(recordedTerminalArguments(), line.arguments);
        const auto recorded = calls();
        QCOMPARE(recorded.size(), 1);
        QCOMPARE(recorded.at(0).args, request.arguments);
        QCOMPARE(readFile(path(QStringLiteral("terminal-output.txt"))).contains("[Press Enter to close]"),
                 keptOpen);
    }

    void shownConsoleStillFillsTheOutputFile() {
        installFakeTerminal();
        CommandRequest request = hiddenRun({QStringLiteral("-verifyroms"), QStringLiteral("nosuchset")});
        request.windowStyle = kWindowMinimisedNoFocus;
        request.outputFile = path(QStringLiteral("qx_roms.dat"));
        request.mergeErrorOutput = true;
        QCOMPARE(RunUntilExit(request), 1);
        QCOMPARE(readFile(request.outputFile), QByteArray("romset \"nosuchset\" not found!\n"));
        QCOMPARE(BuildStartLine(request).arguments.mid(5, 2), (QStringList{request.outputFile, m_mame}));
    }

    // Without a terminal the run goes ahead hidden; the terminal is $TERMINAL, else the desktop's.
    void withoutATerminalTheRunGoesAheadHidden() {
        qputenv("TERMINAL", path(QStringLiteral("no-terminal-here")).toUtf8());
        CommandRequest request = hiddenRun({QStringLiteral("pacman")});
        request.windowStyle = kWindowNormal;
        const StartLine line = BuildStartLine(request);
        QCOMPARE(line.program, m_mame);
        QCOMPARE(line.arguments, request.arguments);
        QCOMPARE(RunUntilExit(request), 0);
        QCOMPARE(calls().size(), 1);
        request.windowStyle = kWindowHidden; // a hidden run never goes through a terminal
        installFakeTerminal();
        QCOMPARE(BuildStartLine(request).program, m_mame);
        qputenv("TERMINAL", "my-term");
        QCOMPARE(TerminalEmulator(), QStringLiteral("my-term"));
        qunsetenv("TERMINAL");
        QCOMPARE(TerminalEmulator(), QStringLiteral("x-terminal-emulator"));
    }
};

QTEST_GUILESS_MAIN(CommandRunnerTest)
#include "CommandRunnerTest.moc"
