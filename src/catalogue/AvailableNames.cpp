#include "catalogue/AvailableNames.h"

#include "app/TextFile.h"

namespace qx {

QByteArrayView AvailableNames::NameOfUsableLine(QByteArrayView line) {
    if (!line.contains(QByteArrayView("is good")) && !line.contains(QByteArrayView("is best available"))) {
        return {};
    }
    constexpr qsizetype kNameStart = 7; // after "romset "
    if (line.size() <= kNameStart) {
        return {};
    }
    const QByteArrayView rest = line.sliced(kNameStart);
    const qsizetype space = rest.indexOf(' ');
    return space < 0 ? rest : rest.first(space);
}

AvailableNames AvailableNames::FromVerifyOutput(QByteArrayView output) {
    AvailableNames names;
    qsizetype start = 0;
    while (start < output.size()) {
        qsizetype end = output.indexOf('\n', start);
        if (end < 0) {
            end = output.size();
        }
        QByteArrayView line = output.sliced(start, end - start);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        const QByteArrayView name = NameOfUsableLine(line);
        if (!name.isEmpty()) {
            names.m_names.insert(name.toByteArray());
        }
        start = end + 1;
    }
    return names;
}

AvailableNames AvailableNames::ReadVerifyFile(const QString &path) {
    return FromVerifyOutput(ReadWholeFile(path));
}

} // namespace qx
