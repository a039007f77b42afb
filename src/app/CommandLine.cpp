#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <array>
#include <cstdio>

namespace qx {

namespace {

// Options QGuiApplication and QApplication take out of the arguments themselves. They are known here only to
// be let through; the help text does not list them.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr std::array kQtOptions{
    QtOption{"platform", true},        QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},   QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true}, QtOption{"geometry", true},
    QtOption{"qwindowicon", true},     QtOption{"qwindowtitle", true},
    QtOption{"display", true},         QtOption{"session", true},
    QtOption{"style", true},           QtOption{"stylesheet", true},
    QtOption{"reverse", false},        QtOption{"widgetcount", false},
};

void AddQtOptions(QCommandLineParser &parser) {
    for (const QtOption &qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) {
            option.setValueName(QStringLiteral("value"));
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString HelpText(const QString &programName) {
    // The parser's own help text names the running application's executable, which does not exist yet.
    return QStringLiteral("Usage: %1 [options]\n"
                          "Quorvex, a desktop front-end for MAME, the arcade machine emulator.\n"
                          "Started without arguments, it opens its window.\n\n"
                          "Options:\n"
                          "  -h, --help     Show this help and end.\n"
                          "  -v, --version  Show Quorvex's version and end.\n")
        .arg(programName);
}

} // namespace

CommandLineRequest ReadCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    AddQtOptions(parser);

    const QString programName =
        arguments.isEmpty() ? QStringLiteral("quorvex") : QFileInfo(arguments.first()).fileName();
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.positionalArguments().isEmpty()) {
        if (parser.isSet(help)) {
            return {false, 0, HelpText(programName), false};
        }
        if (parser.isSet(version)) {
            return {false, 0, QStringLiteral("Quorvex %1\n").arg(QStringLiteral(QX_VERSION)), false};
        }
        return {};
    }
    const QString error =
        parsed ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
               : parser.errorText();
    return {false, 2, QStringLiteral("%1: %2\n\n%3").arg(programName, error, HelpText(programName)), true};
}

std::optional<int> AnswerCommandLine(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const CommandLineRequest request = ReadCommandLine(arguments);
    if (request.startWindow) {
        return std::nullopt;
    }
    std::fputs(request.text.toLocal8Bit().constData(), request.toStandardError ? stderr : stdout);
    return request.exitCode;
}

} // namespace qx
