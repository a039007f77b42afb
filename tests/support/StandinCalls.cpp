#include "StandinCalls.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qx::test {

QList<StandinCall> readStandinCalls(const QString &logPath) {
    QList<StandinCall> calls;
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly)) {
        return calls;
    }
    for (const QByteArray &line : log.readAll().split('\n')) {
        if (line.trimmed().isEmpty()) {
            continue;
        }
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        StandinCall call;
        for (const QJsonValue &argument : object.value(QStringLiteral("args")).toArray()) {
            call.args.append(argument.toString());
        }
        call.cwd = object.value(QStringLiteral("cwd")).toString();
        calls.append(call);
    }
    return calls;
}

} // namespace qx::test
