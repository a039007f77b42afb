#include "dialogs/PathsDialog.h"

#include "PathsTestSetup.h"
#include "ScriptedUserPrompts.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace qx;
using namespace qx::test;

class PathsDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Debian's first ROM folder is under $HOME: adding a folder with a blank and changing another keep it.
    void foldersAreEditedAsWritten() {
        PathsFixture f(OptionLines{{"rompath", "$HOME/mame/roms;/x"}, {"snapshot_directory", "snap"}});
        qputenv("HOME", f.dir.path().toUtf8());
        ScriptedUserPrompts prompts;
        PathsDialog dialog({f.emulatorDir, f.mameIni, f.settings, prompts, f.romChangeConfirmed});
        dialog.show();
        const auto button = [&dialog](const char *name) {
            return dialog.findChild<QPushButton *>(name);
        };
        auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("lvFolders"));
        QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("lblNote"))->isVisible());

        const QString myRoms = f.dir.filePath(QStringLiteral("My Roms"));
        QDir().mkpath(myRoms);
        prompts.queueAnswer(PromptAnswer::Yes);
        prompts.queueFolder(myRoms);
        QTest::mouseClick(button("btnInsert"), Qt::LeftButton);
        QVERIFY(f.mameIniContent().contains(
            PathsFixture::line("rompath", "\"$HOME/mame/roms;/x;" + myRoms + "\"\n")));
        QCOMPARE(prompts.shownTexts().first(), QStringLiteral("Choose a folder"));
        QCOMPARE(button("btnCancel")->text(), QStringLiteral("OK"));
        QCOMPARE(list->topLevelItem(0)->toolTip(0), QStringLiteral("Folder not found"));
        QCOMPARE(list->topLevelItem(2)->toolTip(0), myRoms);
        QVERIFY(list->topLevelItem(0)->foreground(0) != list->topLevelItem(2)->foreground(0));

        list->setCurrentItem(list->topLevelItem(1));
        prompts.queueFolder(QStringLiteral("/y"));
        QTest::mouseClick(button("btnBrowse"), Qt::LeftButton);
        QVERIFY(f.mameIniContent().contains(
            PathsFixture::line("rompath", "\"$HOME/mame/roms;/y;" + myRoms + "\"\n")));
        QCOMPARE(prompts.shown().size(), 3); // the question was asked once

        dialog.findChild<QComboBox *>(QStringLiteral("cboFolders"))
            ->setCurrentIndex(int(PathKind::Snapshots));
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("snap"));
        QVERIFY(!button("btnInsert")->isEnabled() && !button("btnDelete")->isEnabled());
        QVERIFY(button("btnBrowse")->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible() && dialog.result().romPathsChanged);
    }
};

QTEST_MAIN(PathsDialogTest)
#include "PathsDialogTest.moc"
