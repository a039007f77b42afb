#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qx::test {

// One call of the stand-in emulator as it recorded it: the arguments after the program and the working
// directory (absolute).
struct StandinCall {
    QStringList args;
    QString cwd;
};

// The calls recorded in a stand-in call log, oldest first; a missing log gives no calls.
QList<StandinCall> readStandinCalls(const QString &logPath);

} // namespace qx::test
