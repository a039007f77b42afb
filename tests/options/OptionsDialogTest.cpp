#include "options/OptionsDialog.h"

#include "FakeDisplayModes.h"
#include "ReadOnlyFolder.h"
#include "ScriptedUserPrompts.h"
#include "TestDirs.h"
#include "options/OptionFiles.h"
#include "options/OptionModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace qx;
using namespace qx::test;

namespace {

// The lines of two files that differ, as "old -> new".
QStringList changedLines(const QByteArray &before, const QByteArray &after) {
    const QList<QByteArray> a = before.split('\n');
    const QList<QByteArray> b = after.split('\n');
    QStringList changed;
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (a.value(i) != b.value(i)) {
            changed.append(QString::fromUtf8(a.value(i).trimmed() + " -> " + b.value(i).trimmed()));
        }
    }
    return changed;
}

// A dialog over mame.ini in a temporary emulator directory (inipath "." unless the file says otherwise).
class DialogSetup {
public:
    explicit DialogSetup(const QByteArray &mameIni = mameIniWith(QStringLiteral("inipath=."))) {
        writeFile(iniPath(), mameIni);
        context.emulatorIniPath = iniPath();
        context.emulatorDir = emulatorDir;
        context.monitorNames = QStringList{QStringLiteral("Screen-1")};
    }
    QString iniPath() const { return emulatorDir + QStringLiteral("mame.ini"); }

    void open() {
        const OptionFileResult file = OptionFileForScope(context.scope, iniPath(), emulatorDir);
        Q_ASSERT(file.ok());
        path = file.path;
        dialog = std::make_unique<OptionsDialog>(context, file.path);
        dialog->show();
    }
    template <typename T = QWidget>
    T *find(const QString &name) const {
        return dialog->findChild<T *>(name);
    }
    void click(const QString &button) const { find<QPushButton>(button)->click(); }
    // Picks a list entry as the user does (by index, or by text when index is -1).
    void choose(const QString &list, int index, const QString &text = {}) const {
        auto *box = find<QComboBox>(list);
        box->setCurrentIndex(index < 0 ? box->findText(text) : index);
        Q_EMIT box->activated(box->currentIndex());
    }
    QByteArray file() const { return readFile(path); }

    QTemporaryDir dir;
    QString emulatorDir = dir.path() + QStringLiteral("/");
    QString path;
    ScriptedUserPrompts prompts;
    FakeDisplayModes modes;
    OptionsDialogContext context{prompts, modes};
    std::unique_ptr<OptionsDialog> dialog;
};

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // OK writes only what moved, after MAME's header; Apply writes at once, so OK has nothing left to
    // write; Escape writes nothing; a list opened and closed changes nothing, though it enables Apply.
    void onlyWhatMovedIsWrittenAndOnlyOnce() {
        DialogSetup setup;
        setup.open();
        const QByteArray before = setup.file();
        setup.find<QCheckBox>("chkCheat")->click();
        setup.find<QSlider>("sldVolume")->setValue(-10);
        QTest::keyClick(setup.dialog.get(), Qt::Key_Escape);
        QVERIFY(setup.dialog->result() == QDialog::Rejected && !setup.dialog->isVisible());
        QCOMPARE(setup.file(), before);

        setup.open();
        auto *video = setup.find<QComboBox>("cboVideo");
        QCOMPARE(video->currentText(), QStringLiteral("OpenGL"));
        video->showPopup();
        video->hidePopup();
        QVERIFY(setup.find("cmdApply")->isEnabled());
        setup.find<QSlider>("sldGamma")->setValue(25);
        QCOMPARE(setup.find<QLabel>("lblGamma")->text(), QStringLiteral("1.25"));
        setup.click("cmdApply");
        QVERIFY(!setup.find("cmdApply")->isEnabled());
        QCOMPARE(changedLines(before, setup.file()),
                 QStringList({"\xEF\xBB\xBF# -> <UNADORNED0>", "gamma                     1.0 -> "
                                                               "gamma                     1.25"}));
        QVERIFY(QFile::remove(setup.path)); // any further write would now fail and say so
        setup.click("cmdOK");
        QVERIFY(setup.dialog->result() == QDialog::Accepted && setup.prompts.shown().isEmpty());
    }

    // A set's file is deleted only once the user says Yes; mame.ini never is.
    void deleteThisFileAsksAndDeletes() {
        DialogSetup setup;
        setup.open();
        QVERIFY(setup.find("Label4")->isHidden());
        QVERIFY(!DeleteOptionFile(OptionScope(), setup.iniPath()).isEmpty() &&
                QFile::exists(setup.iniPath()));
        setup.context.scope = OptionScope::forEntry(
            OptionsMenuEntry::SetOptions, {QStringLiteral("pacman"), {}, QStringLiteral("namco/pacman.cpp")});
        setup.open();
        QCOMPARE(setup.path, setup.emulatorDir + QStringLiteral("pacman.ini"));
        QCOMPARE(setup.dialog->windowTitle(), QStringLiteral("Set Options - pacman"));
        auto *link = setup.find<QLabel>("Label4");
        for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
            setup.prompts.queueAnswer(answer);
            QTest::mouseClick(link, Qt::LeftButton);
            QCOMPARE(QFile::exists(setup.path) && setup.dialog->isVisible(), answer == PromptAnswer::No);
        }
        QCOMPARE(setup.prompts.shownTexts(), QStringList({"Delete pacman.ini?", "Delete pacman.ini?"}));
    }

    // Every option has its control; those MAME 0.251's mame.ini lacks (the fixture is that file) are
    // disabled, as are those a governing control turns off.
    void optionsTheFileLacksAreDisabled() {
        DialogSetup setup;
        setup.open();
        const OptionModel model = OptionModel::read(setup.iniPath());
        for (const OptionInfo &info : AllOptions()) {
            const QRegularExpression name("^(chk|sld|cbo|txt)" + OptionControlName("", info.id) + '$');
            const QWidget *control = setup.dialog->findChildren<QWidget *>(name).value(0);
            QVERIFY2(control && (model.isPresent(info.id) || !control->isEnabled()), qPrintable(info.name));
        }
        QString enabled; // + for each control enabled, - for each disabled
        for (const char *name : {"chkWindow", "sldGamma", "cboVideo", "txtCtrlr", "cboPositionalDevice",
                                 "chkMaximize", "fraThreads", "chkCabinetArtwork"}) {
            enabled += setup.find(QLatin1String(name))->isEnabled() ? '+' : '-';
        }
        QCOMPARE(enabled, QStringLiteral("+++++---"));
        QCOMPARE(setup.find<QGroupBox>("fraFullScreenColour")->title(),
                 QStringLiteral("Full screen colour n/a"));
    }

    // What this file sets over the layers below shows in bold, with each layer's value in the tool tip, and
    // follows the controls; OK writes this file only.
    void theLayerIndicatorMarksWhatThisFileSetsOverTheFilesBelow() {
        DialogSetup setup(mameIniWith(QStringLiteral("inipath=.;ini")));
        writeFile(setup.emulatorDir + "ini/vector.ini", mameIniWith(QStringLiteral("gamma=1.2, window=1")));
        writeFile(setup.emulatorDir + "ini/source/asteroid.ini",
                  mameIniWith(QStringLiteral("gamma=1.5, window=1, brightness=1.0")));
        setup.context.scope = OptionScope::forEntry(
            OptionsMenuEntry::DriverOptions,
            {QStringLiteral("asteroid"), {}, QStringLiteral("atari/asteroid.cpp"), /*vectorScreen=*/true});
        setup.open();
        auto *gamma = setup.find<QLabel>("lblGamma");
        auto *window = setup.find<QCheckBox>("chkWindow");
        QVERIFY(gamma->font().bold() && !window->font().bold() &&
                !setup.find("lblBrightness")->font().bold());
        QCOMPARE(gamma->toolTip().split(QLatin1Char('\n')).last(),
                 QStringLiteral("mame.ini 1.0 · vector.ini 1.2 · this file 1.5"));
        window->click();
        setup.find<QSlider>("sldGamma")->setValue(24);
        QVERIFY(!gamma->font().bold() && window->font().bold());
        const QByteArray vector = readFile(setup.emulatorDir + "ini/vector.ini");
        setup.click("cmdOK");
        QVERIFY(setup.file().contains("\ngamma                     1.2\n"));
        QCOMPARE(readFile(setup.emulatorDir + "ini/vector.ini"), vector);
    }

    void badFilesOpenAndLoseNothing_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray lf = mameIniWith(QStringLiteral("inipath=."));
        const auto with = [&lf](const char *values) {
            return mameIniWith(QLatin1String(values), lf);
        };
        for (const auto &[row, content] :
             {std::pair{"LF", lf},
              {"CR LF", QByteArray(lf).replace("\n", "\r\n")},
              {"no byte order mark", lf.mid(3)},
              {"duplicated lines", with("brightness=2\nbrightness 0.5")},
              {"not numbers", with("gamma=abc, volume=loud, numscreens=x")},
              {"out of range", with("gamma=99, volume=10, speed=-4")},
              {"unknown list values", with("video=d3d, view0=Upright_Artwork")},
              {"only options", QByteArray("gamma 1.2\r\nbrightness 1.0\r\nvideo soft")}}) {
            QTest::newRow(row) << content;
        }
    }
    void badFilesOpenAndLoseNothing() {
        QFETCH(QByteArray, content);
        DialogSetup setup(content);
        setup.open();
        setup.click("cmdOK"); // nothing changed: nothing written
        QCOMPARE(setup.file(), content);
        setup.open();
        setup.find<QSlider>("sldBrightness")->setValue(30);
        setup.click("cmdOK");
        const QStringList changed = changedLines(content, setup.file());
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.filter(QRegularExpression("-> (brightness {16}1\\.5|<UNADORNED0>)$")), changed);
        QCOMPARE(setup.file().count('\n'), content.count('\n'));
        QVERIFY(setup.prompts.shown().isEmpty());
    }

    void aFolderThatCannotBeMadeIsReportedWithoutADialog() {
        DialogSetup setup(mameIniWith(QStringLiteral("inipath=/proc/quorvex/ini")));
        setup.context.scope = OptionScope::forEntry(OptionsMenuEntry::VectorOptions, {});
        bool shown = false;
        setup.context.run = [&](QDialog &) {
            return int(shown = true);
        };
        QCOMPARE(OpenOptionsDialog(setup.context), int(QDialog::Rejected));
        QVERIFY(!shown);
        QVERIFY(setup.prompts.shown().size() == 1 &&
                setup.prompts.shownTexts().first().contains(QLatin1String("/proc/quorvex/ini")));
    }

    void aFailedWriteIsReportedOnceAndKeepsTheDialog() {
        DialogSetup setup;
        setup.open();
        const QByteArray before = setup.file();
        const ReadOnlyFolder readOnly(setup.dir.path());
        if (!readOnly.isReadOnly()) {
            QSKIP("the folder cannot be made read-only here");
        }
        setup.find<QSlider>("sldGamma")->setValue(30);
        setup.click("cmdOK");
        const QList<ShownPrompt> &shown = setup.prompts.shown();
        QVERIFY(shown.size() == 1 && shown[0].icon == PromptIcon::Error &&
                shown[0].text.contains(setup.path));
        QVERIFY(setup.dialog->isVisible() && setup.file() == before);
    }

    void screensFollowTheMonitorsAndTheDisplayModes() {
        DialogSetup setup(
            mameIniWith(QStringLiteral("inipath=., switchres=1, resolution0=0x0@75, aspect1=16:9")));
        setup.context.monitorNames = QStringList{QStringLiteral("HDMI-1"), QStringLiteral("DP-2")};
        setup.modes.modes = {{{1024, 768}, 60}, {{800, 600}, 75}, {{1024, 768}, 1}};
        setup.open();
        auto *size = setup.find<QComboBox>("cboResolution");
        auto *refresh = setup.find<QComboBox>("cboRefresh");
        QCOMPARE(size->currentText() + refresh->currentText(), QStringLiteral("Auto75 Hz"));
        // Auto, 1024x768, 800x600; Auto, 60 Hz, 75 Hz ("1 Hz" is no rate).
        QCOMPARE(size->count() * 10 + refresh->count(), 33);
        auto *screens = setup.find<QSlider>("sldNumscreens");
        QVERIFY(screens->isEnabled());
        screens->setValue(3);
        QCOMPARE(setup.find<QGroupBox>("fraNumberOfScreens")->title(), QStringLiteral("Number of screens 3"));
        QCOMPARE(setup.find<QComboBox>("cboScreenNumber")->count(), 3);
        QCOMPARE(setup.find<QComboBox>("cboScreen")->count(), 3);      // Auto and two monitors
        setup.choose("cboResolution", -1, QStringLiteral("1024x768")); // for screen 0
        setup.choose("cboScreenNumber", 1);
        QCOMPARE(setup.find<QLineEdit>("txtAspectWidth")->text(), QStringLiteral("16"));
        setup.choose("cboScreen", 2);
        setup.find<QCheckBox>("chkAspect")->click(); // automatic
        QVERIFY(!setup.find("txtAspectWidth")->isEnabled());
        const QByteArray before = setup.file();
        setup.click("cmdOK");
        QCOMPARE(changedLines(before, setup.file()).mid(1),
                 QStringList({"numscreens                1 -> numscreens                3",
                              "resolution0               0x0@75 -> resolution0               1024x768@75",
                              "screen1                   auto -> screen1                   DP-2",
                              "aspect1                   16:9 -> aspect1                   auto"}));
    }

    // The links pick an effect (its folder kept for next time) and an input layout, and set the effect back.
    void linksPickFilesAndReset() {
        DialogSetup setup;
        QString pickedFolder;
        setup.context.effectFolderPicked = [&](const QString &folder) {
            pickedFolder = folder;
        };
        setup.open();
        setup.prompts.queueFile(QStringLiteral("/art/crt.geometry.png"));
        QTest::mouseClick(setup.find("Label3_0"), Qt::LeftButton);
        QCOMPARE(setup.find<QLineEdit>("txtEffect")->text() + pickedFolder,
                 QStringLiteral("crt.geometry/art/"));
        setup.prompts.queueFile(QStringLiteral("/pads/hotrod.cfg"));
        QTest::mouseClick(setup.find("Label2_0"), Qt::LeftButton);
        QCOMPARE(setup.prompts.shown().last().fileRequest.initialFolder, setup.emulatorDir + "ctrlr");
        QTest::mouseClick(setup.find("Label3_1"), Qt::LeftButton); // effect back to "none"
        const QByteArray before = setup.file();
        setup.click("cmdOK");
        QCOMPARE(changedLines(before, setup.file()).mid(1),
                 QStringList({"ctrlr -> ctrlr                     hotrod"}));
    }

    // Tool tips and the help line show only when the preferences want tool tips; the dialog takes their
    // font. Video "none" asks at once for MAME's console, and turns off what needs a picture.
    void theDialogFollowsThePreferencesAndAsksForTheConsole() {
        for (const bool show : {true, false}) {
            DialogSetup setup;
            setup.context.showToolTips = show;
            setup.context.dialogFontName = QStringLiteral("DejaVu Serif");
            setup.context.scope = OptionScope::forEntry(OptionsMenuEntry::VectorOptions, {});
            bool consoleNeeded = false;
            setup.context.consoleNeeded = [&] {
                consoleNeeded = true;
            };
            setup.open();
            QCOMPARE(setup.find<QLabel>("Label1")->text().startsWith("For vector sets only."), show);
            QCOMPARE(setup.find("chkWindow")->toolTip().startsWith(QLatin1String("Start MAME in a window")),
                     show);
            QCOMPARE(setup.find("chkSleep")->font().family(), QStringLiteral("DejaVu Serif"));
            setup.choose("cboVideo", 0);
            QVERIFY(consoleNeeded && !setup.find("sldGamma")->isEnabled());
        }
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
