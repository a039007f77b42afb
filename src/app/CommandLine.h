#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace qx {

// What Quorvex's command line asks for. Quorvex takes no arguments of its own besides --help and --version;
// the options Qt itself reads (-platform, -style, -session...) pass through to the application object.
struct CommandLineRequest {
    bool startWindow = true;
    int exitCode = 0;
    QString text; // printed before ending, to standard error when toStandardError
    bool toStandardError = false;
};

// arguments include the program name first, as in argv.
CommandLineRequest ReadCommandLine(const QStringList &arguments);

// Answers --help, --version and refused arguments before any window system is touched, so that they work
// from a terminal without a display. Returns the exit code when Quorvex ends here.
std::optional<int> AnswerCommandLine(int argc, char *argv[]);

} // namespace qx
