#include "options/OptionLinks.h"

#include "app/PathHelpers.h"
#include "options/OptionFileSnapshot.h"

#include <QDir>
#include <QFileInfo>

namespace qx {

QString EffectStartFolder(const QString &lastEffectFolder, const QString &emulatorDir) {
    if (!lastEffectFolder.trimmed().isEmpty()) {
        return lastEffectFolder;
    }
    const QString artwork = WithTrailingSeparator(emulatorDir) + QStringLiteral("artwork");
    return FolderExists(artwork) ? artwork : emulatorDir;
}

QString InputLayoutStartFolder(const QString &emulatorIniPath, const QString &emulatorDir) {
    const QString value = OptionFileSnapshot::read(emulatorIniPath).value(QStringLiteral("ctrlrpath"));
    const QString first = StripQuotes(value).section(QLatin1Char(';'), 0, 0).trimmed();
    return first.isEmpty() ? emulatorDir : ResolveMameFolder(first, emulatorDir);
}

QString PickedFileTitle(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString PickedFileFolder(const QString &path) {
    return WithTrailingSeparator(QFileInfo(path).absolutePath());
}

bool IsSecondsToRunText(const QString &text) {
    bool ok = false;
    QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return text.isEmpty() || ok;
}

} // namespace qx
