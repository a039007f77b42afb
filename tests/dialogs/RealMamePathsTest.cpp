#include "PathsTestSetup.h"
#include "ScriptedUserPrompts.h"
#include "dialogs/PathsDialog.h"
#include "options/FolderListValue.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace qx;
using namespace qx::test;

class RealMamePathsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Debian's MAME, with the same HOME, reads what start-up and the dialog wrote to ~/.mame/mame.ini.
    void mameReadsTheFolderAddedInTheDialog() {
        if (!QFile::exists(QStringLiteral("/usr/games/mame"))) {
            QSKIP("Debian's MAME is not installed");
        }
        PathsFixture f;
        const QString emulatorDir = f.dir.filePath(QStringLiteral(".mame/"));
        QDir().mkpath(emulatorDir);
        const auto mame = [&](const QString &option) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("HOME"), f.dir.path());
            process.setProcessEnvironment(environment);
            process.setWorkingDirectory(emulatorDir);
            process.start(QStringLiteral("/usr/games/mame"), {option});
            process.waitForFinished(120000);
            return process.readAllStandardOutput();
        };
        mame(QStringLiteral("-createconfig"));
        QVERIFY(NormaliseIniPathOption(emulatorDir + QStringLiteral("mame.ini")).ok);

        ScriptedUserPrompts prompts;
        prompts.queueFolder(QStringLiteral("/srv/My Roms"));
        bool confirmed = true;
        PathsDialog dialog(
            {emulatorDir, emulatorDir + QStringLiteral("mame.ini"), f.settings, prompts, confirmed});
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnInsert")), Qt::LeftButton);

        const QByteArray config = mame(QStringLiteral("-showconfig"));
        QVERIFY2(config.contains(PathsFixture::line("rompath",
                                                    "\"$HOME/mame/roms;/usr/local/share/games/mame/roms;"
                                                    "/usr/share/games/mame/roms;/srv/My Roms\"\n")),
                 config.left(2000).constData());
        QVERIFY(config.contains(PathsFixture::line("inipath", ".;$HOME/.mame;/etc/mame\n")));
    }
};

QTEST_MAIN(RealMamePathsTest)
#include "RealMamePathsTest.moc"
