#include "dialogs/PathsDialog.h"

#include "EnvironmentScope.h"
#include "PathsTestSetup.h"
#include "ScriptedUserPrompts.h"
#include "options/FolderListValue.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace qx;
using namespace qx::test;

class PathsDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A folder that is not there is greyed and says so; once something is written, Cancel is OK.
    void theListShowsWhatIsThereAndTheButtonsWhatCanBeDone() {
        PathsFixture f(OptionLines{{"rompath", "$HOME/mame/roms;/usr"}, {"snapshot_directory", "snap"}});
        const EnvironmentScope home("HOME", f.dir.path().toUtf8());
        ScriptedUserPrompts prompts;
        PathsDialog dialog({f.emulatorDir, f.mameIni, f.settings, prompts, f.romChangeConfirmed});
        dialog.show();
        const auto button = [&dialog](const char *name) {
            return dialog.findChild<QPushButton *>(name);
        };
        auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("lvFolders"));
        QCOMPARE(list->topLevelItem(0)->toolTip(0) + list->topLevelItem(1)->toolTip(0),
                 QStringLiteral("Folder not found/usr"));
        QVERIFY(list->topLevelItem(0)->foreground(0) != list->topLevelItem(1)->foreground(0));
        QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("lblNote"))->isVisible());
        dialog.findChild<QComboBox *>(QStringLiteral("cboFolders"))
            ->setCurrentIndex(int(PathKind::Snapshots));
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("snap"));
        QCOMPARE(button("btnCancel")->text(), QStringLiteral("Cancel"));
        list->setCurrentItem(list->topLevelItem(0));
        prompts.queueFolder(QStringLiteral("/my snaps"));
        QTest::mouseClick(button("btnBrowse"), Qt::LeftButton);
        QCOMPARE(button("btnCancel")->text(), QStringLiteral("OK"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible() && dialog.result().snapshotFolderChanged);
    }

    // Debian's MAME, with the same HOME, reads what start-up and the dialog wrote to ~/.mame/mame.ini.
    void mameReadsTheFolderAddedInTheDialog() {
        if (!QFile::exists(QStringLiteral("/usr/games/mame"))) {
            QSKIP("Debian's MAME is not installed");
        }
        PathsFixture f;
        const QString emulatorDir = f.dir.filePath(QStringLiteral(".mame/"));
        QDir().mkpath(emulatorDir);
        const EnvironmentScope home("HOME", f.dir.path().toUtf8());
        const auto mame = [&](const QString &option) {
            QProcess process;
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

QTEST_MAIN(PathsDialogTest)
#include "PathsDialogTest.moc"
