// A stand-in for the MAME executable: answers the switches Quorvex uses from fixture files and records
// every call, so tests can check the exact arguments and working directory without a real emulator.
//
// Fixture folder: <folder of argv[0]>/standin-fixtures/ when it exists, else $QX_FIXTURES/standin/. Call
// log: <folder of argv[0]>/standin-calls.log, one compact JSON object {"args":[...],"cwd":"..."} per call.
// The folder of argv[0] is taken as given (a symlink is not followed), so a test that links the stand-in into
// its own folder gets its own fixtures and log.
//
// Behaviour can be bent for failure tests: QX_STANDIN_SLEEP_MS (sleep before answering; only for the switch
// QX_STANDIN_SLEEP_ON names, when set), QX_STANDIN_EXIT_CODE (exit code), QX_STANDIN_CRASH=1 (abort() after
// answering), QX_STANDIN_STDERR (text printed on standard error), QX_STANDIN_ROMPATH=1 (a full -verifyroms
// reports only the sets whose zip lies in a folder of the working directory's mame.ini rompath, as MAME
// does). A fixture cut short with QX_STANDIN_CRASH is a MAME that crashes half-way; a long sleep is a MAME
// that hangs.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QString ownFolder(const char *argv0) {
    const QString program = QString::fromLocal8Bit(argv0);
    if (program.contains(QLatin1Char('/'))) {
        return QFileInfo(program).absolutePath();
    }
    const QString found = QStandardPaths::findExecutable(program);
    return found.isEmpty() ? QDir::currentPath() : QFileInfo(found).absolutePath();
}

QString fixtureFolder(const QString &ownDir) {
    const QString besideProgram = QDir(ownDir).filePath(QStringLiteral("standin-fixtures"));
    return QFileInfo(besideProgram).isDir()
               ? besideProgram
               : QDir(qEnvironmentVariable("QX_FIXTURES")).filePath(QStringLiteral("standin"));
}

void print(FILE *stream, const QByteArray &bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

void logCall(const QString &ownDir, const QStringList &arguments) {
    const QString logPath = QDir(ownDir).filePath(QStringLiteral("standin-calls.log"));
    const QJsonObject call{{QStringLiteral("args"), QJsonArray::fromStringList(arguments)},
                           {QStringLiteral("cwd"), QDir::currentPath()}};
    // One write per call in append mode, so runs that overlap do not interleave their lines.
    if (FILE *log = std::fopen(QFile::encodeName(logPath).constData(), "ab")) {
        print(log, QJsonDocument(call).toJson(QJsonDocument::Compact) + '\n');
        std::fclose(log);
    }
}

QByteArray fixture(const QString &folder, const QString &name) {
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The switch that names the request, and the word after it when that is no switch.
struct Request {
    QString command;
    QString name;
};

Request findRequest(const QStringList &arguments) {
    static const QStringList commands{QStringLiteral("-help"),          QStringLiteral("-listclones"),
                                      QStringLiteral("-listxml"),       QStringLiteral("-verifyroms"),
                                      QStringLiteral("-verifysamples"), QStringLiteral("-createconfig")};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (commands.contains(arguments.at(i))) {
            const QString next = arguments.value(i + 1);
            return {arguments.at(i), next.startsWith(QLatin1Char('-')) ? QString() : next};
        }
    }
    return {};
}

// MAME 0.251 prints the lines of the named set only, and complains on standard error when it knows no files.
int verifyOneSet(const QString &folder, const QString &name) {
    const QByteArray prefix = "romset " + name.toUtf8() + ' ';
    QByteArray found;
    for (const QByteArray &line : fixture(folder, QStringLiteral("verifyroms.txt")).split('\n')) {
        if (line.startsWith(prefix)) {
            found += line + '\n';
        }
    }
    if (found.isEmpty()) {
        print(stderr, "romset \"" + name.toUtf8() + "\" not found!\n");
        return 1;
    }
    print(stdout, found);
    return 0;
}

// The verify lines of the sets whose zip lies in a folder of ./mame.ini's rompath ($HOME expanded), and the
// summary line.
QByteArray verifyInRomFolders(const QByteArray &lines) {
    QFile ini(QStringLiteral("mame.ini"));
    const QByteArray options = ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
    QStringList folders;
    for (const QByteArray &line : options.split('\n')) {
        if (line.startsWith("rompath ")) {
            QString value = QString::fromUtf8(line.mid(8)).trimmed().remove(QLatin1Char('"'));
            folders = value.replace(QStringLiteral("$HOME"), QDir::homePath()).split(QLatin1Char(';'));
        }
    }
    const auto hasZip = [&folders](const QByteArray &line) {
        const QString zip = QString::fromUtf8(line.split(' ').value(1)) + QStringLiteral(".zip");
        return std::any_of(folders.begin(), folders.end(), [&zip](const QString &folder) {
            return QFileInfo::exists(QDir(folder).filePath(zip));
        });
    };
    QByteArray found;
    for (const QByteArray &line : lines.split('\n')) {
        if (!line.isEmpty() && (!line.startsWith("romset ") || hasZip(line))) {
            found += line + '\n';
        }
    }
    return found;
}

void createConfig(const QString &folder) {
    const QString source = QDir(folder).filePath(QStringLiteral("mame.ini"));
    const QString target = QDir::current().filePath(QStringLiteral("mame.ini"));
    if (QFileInfo::exists(source)) {
        QFile::remove(target);
        QFile::copy(source, target);
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
}

int answer(const Request &request, const QString &folder) {
    if (request.command == QLatin1String("-verifyroms") && !request.name.isEmpty()) {
        return verifyOneSet(folder, request.name);
    }
    if (request.command == QLatin1String("-createconfig")) {
        createConfig(folder);
        return 0;
    }
    // Each listing prints its fixture; anything else is the launch of a set (with or without a recording or
    // capture file): it just ends.
    static const QHash<QString, QString> listings{
        {QStringLiteral("-help"), QStringLiteral("help.txt")},
        {QStringLiteral("-listclones"), QStringLiteral("listclones.txt")},
        {QStringLiteral("-listxml"), QStringLiteral("listxml.xml")},
        {QStringLiteral("-verifyroms"), QStringLiteral("verifyroms.txt")},
        {QStringLiteral("-verifysamples"), QStringLiteral("verifysamples-%1.txt").arg(request.name)}};
    if (listings.contains(request.command)) {
        const QByteArray lines = fixture(folder, listings.value(request.command));
        const bool romFoldersOnly = request.command == QLatin1String("-verifyroms") &&
                                    qEnvironmentVariableIntValue("QX_STANDIN_ROMPATH") == 1;
        print(stdout, romFoldersOnly ? verifyInRomFolders(lines) : lines);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const QString ownDir = ownFolder(argv[0]);
    logCall(ownDir, arguments);

    const Request request = findRequest(arguments);
    const int sleepMs = qEnvironmentVariableIntValue("QX_STANDIN_SLEEP_MS");
    const QString sleepOn = qEnvironmentVariable("QX_STANDIN_SLEEP_ON");
    if (sleepMs > 0 && (sleepOn.isEmpty() || sleepOn == request.command)) {
        QThread::msleep(static_cast<unsigned long>(sleepMs));
    }
    print(stderr, qgetenv("QX_STANDIN_STDERR"));
    const int exitCode = answer(request, fixtureFolder(ownDir));
    if (qEnvironmentVariableIntValue("QX_STANDIN_CRASH") == 1) {
        std::abort();
    }
    bool forced = false;
    const int forcedExitCode = qEnvironmentVariableIntValue("QX_STANDIN_EXIT_CODE", &forced);
    return forced ? forcedExitCode : exitCode;
}
