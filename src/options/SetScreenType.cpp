#include "options/SetScreenType.h"

#include "app/CommandRunner.h"
#include "app/ProgramState.h"
#include "app/TextFile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace qx {

bool FirstScreenIsVector(const QByteArray &listXml, const QString &setName) {
    QXmlStreamReader reader(listXml);
    bool inSet = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("machine")) {
            inSet = reader.attributes().value(QLatin1String("name")) == setName;
        } else if (inSet && reader.isStartElement() && reader.name() == QLatin1String("display")) {
            return reader.attributes().value(QLatin1String("type")) == QLatin1String("vector");
        } else if (inSet && reader.isEndElement() && reader.name() == QLatin1String("machine")) {
            return false;
        }
    }
    return false;
}

bool SetHasVectorScreen(const ProgramState &state, const QString &setName) {
    const QString output = state.workFile(kScreenTypeWorkFile);
    const CommandRequest request = CommandRequest::hidden(
        state.EmulatorPath, {QStringLiteral("-listxml"), setName}, state.EmulatorDir, output);
    RunWatch watch;
    watch.timeLimitMs = state.runLimits.answerMs;
    watch.outputLimitBytes = state.runLimits.outputBytes;
    const RunResult run = RunWatched(request, watch);
    const bool vector = !run.stopped() && FirstScreenIsVector(ReadWholeFile(output), setName);
    QFile::remove(output);
    return vector;
}

} // namespace qx
