#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
inline QList<StandinCall> readStandinCalls(const QString &logPath) {
    QList<StandinCall> calls;
    QFile log(logPath);
    const QByteArray text = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    for (const QByteArray &line : text.split('\n')) {
        if (!line.trimmed().isEmpty()) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            calls.append({object.value(QStringLiteral("args")).toVariant().toStringList(),
                          object.value(QStringLiteral("cwd")).toString()});
        }
    }
    return calls;
}

} // namespace qx::test
