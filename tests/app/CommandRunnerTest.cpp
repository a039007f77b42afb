#include "app/CommandRunner.h"

#include "StandinCalls.h"
#include "TestDirs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <memory>

using namespace qx;
using qx::test::readFile;
using qx::test::writeFile;

namespace {

const QString kAwkwardArgument = QStringLiteral("my \"best\" set; echo $HOME 'x' `id` \\ *");

// A terminal emulator for tests: records its first argument, then runs what follows it with no input, its
// output going to terminal-output.txt.
const QByteArray kFakeTerminal = "#!/bin/sh\n"
                                 "dir=$(dirname \"$0\")\n"
                                 "printf '%s\\n' \"$1\" > \"$dir/terminal-args.txt\"\n"
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
    CommandRequest hiddenRun(const QStringList &arguments, const QString &outputFile = {}) const {
        CommandRequest request;
        request.program = m_mame;
        request.arguments = arguments;
        request.windowStyle = kWindowHidden;
        request.outputFile = outputFile.isEmpty() ? QString() : path(outputFile);
        return request;
    }
    void installFakeTerminal() const {
        const QString terminal = path(QStringLiteral("fake-terminal"));
        writeFile(terminal, kFakeTerminal);
        QFile::setPermissions(terminal, QFile::permissions(terminal) | QFile::ExeOwner);
        qputenv("TERMINAL", terminal.toUtf8());
    }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_mame = qx::test::installStandin(m_dir->path());
        writeFile(path(QStringLiteral("standin-fixtures/verifyroms.txt")), "romset pacman is good\n");
        writeFile(path(QStringLiteral("standin-fixtures/help.txt")), "MAME v0.251 (unknown)\nline two\n");
    }

    void cleanup() {
        for (const char *name :
             {"QX_STANDIN_SLEEP_MS", "QX_STANDIN_EXIT_CODE", "QX_STANDIN_CRASH", "TERMINAL"}) {
            qunsetenv(name);
        }
        m_dir.reset();
    }

    // MAME gets its arguments unchanged in its working directory; the exit code is MAME's (-1 for a crash);
    // the output replaces the output file, with the error output only when it is merged.
    void theExitCodeAndTheOutputFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("environment"); // "NAME=value" for the run
        QTest::addColumn<bool>("merged");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        const QStringList pacman{"-verifyroms", "pacman"}, galaxian{"-verifyroms", "galaxian"};
        const QByteArray good = "romset pacman is good\n", notFound = "romset \"galaxian\" not found!\n";
        QTest::newRow("help") << QStringList{"-help"} << QByteArray() << false << 0
                              << QByteArray("MAME v0.251 (unknown)\nline two\n");
        QTest::newRow("one set") << QStringList{kAwkwardArgument, "-verifyroms", "pacman"} << QByteArray()
                                 << false << 0 << good;
        QTest::newRow("errors merged") << galaxian << QByteArray() << true << 1 << notFound;
        QTest::newRow("errors apart") << galaxian << QByteArray() << false << 1 << QByteArray();
        QTest::newRow("exit code") << pacman << QByteArray("QX_STANDIN_EXIT_CODE=7") << false << 7 << good;
        QTest::newRow("crash") << QStringList{"pacman"} << QByteArray("QX_STANDIN_CRASH=1") << false << -1
                               << QByteArray();
    }
    void theExitCodeAndTheOutputFile() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, environment);
        QFETCH(bool, merged);
        if (!environment.isEmpty()) {
            qputenv(environment.split('=').at(0).constData(), environment.split('=').at(1));
        }
        CommandRequest request = hiddenRun(arguments, QStringLiteral("qx_roms.dat"));
        request.mergeErrorOutput = merged;
        request.workingDirectory = path(QStringLiteral("emulator dir"));
        QDir().mkpath(request.workingDirectory);
        writeFile(request.outputFile, QByteArray(5000, 'o'));
        qint64 reported = -1; // the output's size as last reported, also for a run shorter than a poll
        QTEST(RunUntilExit(request, [&](qint64 size) { reported = size; }), "exitCode");
        QTEST(readFile(request.outputFile), "output");
        QCOMPARE(reported, QFileInfo(request.outputFile).size());
        QCOMPARE(calls().constFirst().args, arguments);
        QCOMPARE(calls().constFirst().cwd, QFileInfo(request.workingDirectory).canonicalFilePath());
    }

    void aMissingProgramOrFolderFailsAtOnce() {
        CommandRequest request = hiddenRun({QStringLiteral("-help")}, QStringLiteral("out.txt"));
        request.program = path(QStringLiteral("no-such-mame"));
        int progressCalls = 0;
        QCOMPARE(RunUntilExit(request, [&](qint64) { ++progressCalls; }), kObjectErrorBase + ENOENT);
        QVERIFY(progressCalls == 0 && kObjectErrorBase + ENOENT < 0);
        request = hiddenRun({QStringLiteral("-help")}); // a missing working directory: no start either
        request.workingDirectory = path(QStringLiteral("gone"));
        QVERIFY(RunUntilExit(request) < 0);
        QVERIFY(calls().isEmpty());
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
        QFETCH(QString, reason);
        qputenv("QX_STANDIN_SLEEP_MS", "20000");
        CommandRequest request = hiddenRun({QStringLiteral("-verifyroms")}, QStringLiteral("out.txt"));
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
        QTEST(result.end, "end");
        QVERIFY(result.stopped());
        const QString text = RunFailureText(result, request, watch);
        QVERIFY2(text.contains(reason) && text.contains(request.program), qPrintable(text));
    }

    // A shown console is a terminal running MAME through sh with the arguments untouched; its exit code
    // and output file are MAME's, and a console kept open waits for Enter.
    void shownConsoleRunsInTheTerminal_data() {
        QTest::addColumn<ConsoleMode>("console");
        QTest::addColumn<QString>("outputFile");
        QTest::newRow("close") << ConsoleMode::Close << QString();
        QTest::newRow("keep") << ConsoleMode::Keep << QString();
        QTest::newRow("output file") << ConsoleMode::Close << QStringLiteral("qx_roms.dat");
    }
    void shownConsoleRunsInTheTerminal() {
        QFETCH(ConsoleMode, console);
        QFETCH(QString, outputFile);
        installFakeTerminal();
        CommandRequest request = hiddenRun(
            {kAwkwardArgument, QStringLiteral("-verifyroms"), QStringLiteral("galaxian")}, outputFile);
        request.windowStyle = outputFile.isEmpty() ? kWindowNormal : kWindowMinimisedNoFocus;
        request.console = console;
        request.mergeErrorOutput = true;
        request.workingDirectory = m_dir->path();
        QCOMPARE(RunUntilExit(request), 1);
        QCOMPARE(readFile(path(QStringLiteral("terminal-args.txt"))), QByteArray("-e\n"));
        QCOMPARE(calls().constFirst().args, request.arguments);
        QCOMPARE(readFile(path(QStringLiteral("terminal-output.txt"))).contains("[Press Enter to close]"),
                 console == ConsoleMode::Keep);
        if (!outputFile.isEmpty()) {
            QCOMPARE(readFile(request.outputFile), QByteArray("romset \"galaxian\" not found!\n"));
        }
    }

    // Without a terminal the run goes ahead hidden; the terminal is $TERMINAL, else the desktop's.
    void withoutATerminalTheRunGoesAheadHidden() {
        qputenv("TERMINAL", path(QStringLiteral("no-terminal-here")).toUtf8());
        CommandRequest request = hiddenRun({QStringLiteral("pacman")});
        request.windowStyle = kWindowNormal;
        QCOMPARE(BuildStartLine(request).program, m_mame);
        QVERIFY(RunUntilExit(request) == 0 && calls().size() == 1);
        request.windowStyle = kWindowHidden; // a hidden run never goes through a terminal
        installFakeTerminal();
        QCOMPARE(BuildStartLine(request).program, m_mame);
        qunsetenv("TERMINAL");
        QCOMPARE(TerminalEmulator(), QStringLiteral("x-terminal-emulator"));
    }
};

QTEST_GUILESS_MAIN(CommandRunnerTest)
#include "CommandRunnerTest.moc"
