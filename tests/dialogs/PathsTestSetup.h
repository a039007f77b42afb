#pragma once

#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "dialogs/FrontendPathsSettings.h"

#include <QTemporaryDir>

namespace qx::test {

using OptionLines = QList<std::pair<QByteArray, QString>>;

// An emulator directory with a mame.ini of the given options, laid out as MAME writes them, and a default
// qx.ini.
struct PathsFixture {
    QTemporaryDir dir;
    QString emulatorDir = dir.path() + QStringLiteral("/emu/");
    QString mameIni = emulatorDir + QStringLiteral("mame.ini");
    FrontendSettings frontend{dir.filePath(QStringLiteral("qx.ini"))};
    FrontendPathsSettings settings{frontend};
    bool romChangeConfirmed = false;

    explicit PathsFixture(const OptionLines &options = {}) {
        QByteArray content = "\xEF\xBB\xBF#\n# CORE SEARCH PATH OPTIONS\n";
        for (const auto &[name, value] : options) {
            content += line(name, value) + '\n';
        }
        writeFile(mameIni, content + "readconfig                1\n");
        FrontendSettings::WriteDefaultSettings(frontend.path());
    }
    static QByteArray line(const QByteArray &name, const QString &value) {
        return name.leftJustified(26, ' ') + value.toUtf8();
    }
    QByteArray mameIniContent() const { return readFile(mameIni); }
};

} // namespace qx::test
