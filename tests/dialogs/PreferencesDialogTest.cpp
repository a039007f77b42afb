#include "dialogs/PreferencesDialog.h"

#include "FakeDisplayModes.h"
#include "ReadOnlyFolder.h"
#include "ScriptedUserPrompts.h"
#include "TestDirs.h"
#include "app/ProfileIni.h"
#include "browser/window/Joystick.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

namespace {

struct TwoJoysticks : Joystick {
    int deviceCount() override { return 2; }
    std::optional<quint32> buttonMask(int) override { return 0u; }
};

QCheckBox *box(QWidget &dialog, int index) {
    return dialog.findChild<QCheckBox *>(QStringLiteral("chkInterface%1").arg(index));
}

} // namespace

class PreferencesDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedUserPrompts m_prompts;
    FakeDisplayModes m_display; // shows 1024x768, offers 800x600 and 640x480 too
    TwoJoysticks m_joysticks;

    QString folder() const { return m_dir.filePath(QStringLiteral("program")); }
    FrontendSettings settings() const { return FrontendSettings(folder() + QStringLiteral("/qx.ini")); }
    // The file's own text, as a user or the dialog left it.
    QString value(const QString &key) const { return ReadSetting(kFrontendSection, key, settings().path()); }
    void store(const QString &key, const QString &text) const {
        WriteSetting(kFrontendSection, key, text, settings().path());
    }
    PreferencesContext context(bool fullScreenListActive = false,
                               std::function<int(QDialog &)> runModal = {}) {
        return {settings(),
                m_prompts,
                m_dir.filePath(QStringLiteral("mame.ini")),
                fullScreenListActive,
                &m_display,
                &m_joysticks,
                nullptr,
                std::move(runModal)};
    }

private Q_SLOTS:
    void init() {
        QDir().mkpath(folder());
        QVERIFY(FrontendSettings::WriteDefaultSettings(settings().path()));
        writeFile(m_dir.filePath(QStringLiteral("mame.ini")), "video                     soft\n");
        m_prompts.clearShown();
    }

    void eachBoxWritesItsKeyAtOnce_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("values"); // before, after one click, after a second click
        const QStringList keys{
            "tray",    "trayMin",     "mouseFocus",    "FullRowSelect", "GhostIcon",     "KeepConsoleOpen",
            "playavi", "UseAltRes",   "ShowToolTips",  "joyselect",     "ConfirmVerify", "RandomSelectOnly",
            "playavi", "ShowConsole", "neverfastscan", "verifydialog",  "sortfav"};
        for (int index = 0; index < keys.size(); ++index) {
            QTest::addRow("chkInterface%d", index) << index << keys.at(index)
                                                   << (index == 0    ? QStringList{"1", "0", "1"}
                                                       : index == 12 ? QStringList{"1", "2", "1"}
                                                                     : QStringList{"0", "1", "0"});
        }
    }
    void eachBoxWritesItsKeyAtOnce() {
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(QStringList, values);
        store(QStringLiteral("ShowConsole"), QStringLiteral("1")); // keeps box 5 enabled
        store(key, values.at(0));
        PreferencesDialog dialog(context());
        box(dialog, index)->click();
        QCOMPARE(value(key), values.at(1));
        // Only ticking "Joystick select and play" explains the buttons.
        QCOMPARE(m_prompts.shownTexts(),
                 index == 9 ? QStringList{"Button1 = Play\nButton2 = Up\nButton3 = Down"} : QStringList{});
        box(dialog, index)->click();
        QCOMPARE(value(key), values.at(2));
    }

    void boxesEnableTheirDependants() {
        store(QStringLiteral("trayMin"), QStringLiteral("1"));
        store(QStringLiteral("playavi"), QStringLiteral("2"));
        PreferencesDialog dialog(context());
        box(dialog, 0)->click(); // no tray icon: "Minimise to tray" disabled, not changed
        QVERIFY(!box(dialog, 1)->isEnabled() && box(dialog, 1)->isChecked());
        QCOMPARE(value(QStringLiteral("trayMin")), QStringLiteral("1"));
        box(dialog, 0)->click();
        QVERIFY(box(dialog, 1)->isEnabled());
        box(dialog, 6)->click(); // no start-up video
        QVERIFY(!box(dialog, 12)->isEnabled() &&
                !dialog.findChild<QLineEdit *>("txtStartupAvi")->isEnabled());
        QVERIFY(!box(dialog, 5)->isEnabled()); // the console is hidden by default
        auto *resolutions = dialog.findChild<QComboBox *>("cboInterface");
        QVERIFY(!resolutions->isEnabled());
        box(dialog, 7)->click();
        QVERIFY(resolutions->isEnabled());
        box(dialog, 8)->click(); // tool tips off: cleared at once, but their own box keeps its tip
        QVERIFY(box(dialog, 0)->toolTip().isEmpty() && !box(dialog, 8)->toolTip().isEmpty());
        PreferencesDialog fullScreen(context(true));
        QVERIFY(!fullScreen.findChild<QGroupBox *>("fraFullScreen")->isEnabled());
    }

    void closingWritesResolutionAndJoystick_data() {
        QTest::addColumn<QStringList>("stored");  // FullScreenRes, joyid
        QTest::addColumn<QString>("chosen");      // "" leaves the list alone
        QTest::addColumn<QStringList>("written"); // FullScreenRes, joyid
        QTest::newRow("kept") << QStringList{"640x480", "1"} << "" << QStringList{"640x480", "1"};
        QTest::newRow("empty") << QStringList{"", "0"} << "" << QStringList{"1024x768", "0"};
        QTest::newRow("not a size") << QStringList{"abc", "40"} << "" << QStringList{"1024x768", "0"};
        QTest::newRow("half a size") << QStringList{"800x", "-1"} << "" << QStringList{"1024x768", "0"};
        QTest::newRow("too large") << QStringList{"99999x99999", "5"} << "" << QStringList{"1024x768", "5"};
        QTest::newRow("chosen") << QStringList{"640x480", "1"} << "800x600" << QStringList{"800x600", "1"};
    }
    void closingWritesResolutionAndJoystick() {
        QFETCH(QStringList, stored);
        QFETCH(QString, chosen);
        QFETCH(QStringList, written);
        for (const int route : {0, 1, 2}) { // the Close link, Escape, the close box
            store(QStringLiteral("FullScreenRes"), stored.at(0));
            store(QStringLiteral("joyid"), stored.at(1));
            PreferencesDialog dialog(context());
            dialog.show();
            auto *resolutions = dialog.findChild<QComboBox *>("cboInterface");
            if (!chosen.isEmpty()) {
                resolutions->setCurrentIndex(resolutions->findText(chosen));
            }
            if (route == 0) {
                QTest::mouseClick(dialog.findChild<QLabel *>("Label3"), Qt::LeftButton);
            } else if (route == 1) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                dialog.close();
            }
            QVERIFY(!dialog.isVisible());
            QCOMPARE((QStringList{value("FullScreenRes"), value("joyid")}), written);
        }
    }

    void theVideoFileIsChosenByAClick() {
        store(QStringLiteral("playavi"), QStringLiteral("1"));
        store(QStringLiteral("mrud3"), QStringLiteral("/videos/"));
        PreferencesDialog dialog(context());
        auto *file = dialog.findChild<QLineEdit *>("txtStartupAvi");
        m_prompts.queueFile(QStringLiteral("/films/intro.mp4"));
        QTest::mouseClick(file, Qt::LeftButton);
        const FileDialogRequest request = m_prompts.shown().last().fileRequest;
        QCOMPARE(request.title + request.initialFolder, QStringLiteral("Select Video/videos/"));
        QVERIFY(request.filter.contains("*.mp4") && request.filter.contains("*.avi"));
        QCOMPARE(value(QStringLiteral("avi")) + value(QStringLiteral("mrud3")),
                 QStringLiteral("/films/intro.mp4/films/"));
        QCOMPARE(file->text(), QStringLiteral("/films/intro.mp4"));
    }

    void aSettingsFileThatCannotBeWrittenIsSaidOnceAndShown() {
        PreferencesDialog dialog(context());
        ReadOnlyFolder locked(folder());
        if (!locked.isReadOnly()) {
            QSKIP("this file system cannot make a folder read-only");
        }
        for (const int index : {3, 6}) { // FullRowSelect=1, playavi=0
            m_prompts.clearShown();
            box(dialog, index)->click();
            QCOMPARE(m_prompts.shown().size(), 1);
            QVERIFY(m_prompts.shown().first().text.contains(settings().path()));
            QCOMPARE(box(dialog, index)->isChecked(), index == 3);
        }
    }

    void videoNoneKeepsTheConsoleAndTheRestReachesTheMainWindow() {
        writeFile(m_dir.filePath(QStringLiteral("mame.ini")), "video                     none\r\n");
        PreferencesDialog untouched(context());
        QCOMPARE(value(QStringLiteral("ShowConsole")), QStringLiteral("1"));
        const PreferencesResult result = OpenPreferences(context(false, [](QDialog &dialog) {
            dialog.show();
            // The console is refused; tray and ghosting off; the start-up video full screen.
            for (const int index : {13, 0, 4, 6, 12}) {
                box(dialog, index)->click();
            }
            dialog.findChild<QComboBox *>("Combo1")->setCurrentIndex(1);
            dialog.close();
            return 0;
        }));
        QCOMPARE(m_prompts.shownTexts(),
                 QStringList{"The console must be visible when Video is set to 'none'"});
        QCOMPARE(value(QStringLiteral("ShowConsole")), QStringLiteral("1"));
        QVERIFY(!result.tray && !result.GhostIcon && result.ShowToolTips && result.VideoFullScreen);
        QCOMPARE(QList<int>({result.ShowConsole, result.playavi, result.joyid}), QList<int>({1, 2, 1}));
    }
};

QTEST_MAIN(PreferencesDialogTest)
#include "PreferencesDialogTest.moc"
