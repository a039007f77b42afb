#include "ScriptedUserPrompts.h"
#include "TestDirs.h"
#include "browser/window/JoystickPoller.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "options/SetScreenType.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace qx;
using namespace qx::test;

namespace {

// The window over the stand-in emulator with pacman (a clone of puckman) selected and joystick selection on.
// HOME is a folder of its own, so the stand-in's inipath puts the layer files in HOME/.mame.
struct OptionsProgram {
    QTemporaryDir dir, home;
    ScriptedUserPrompts prompts;
    RecordingPlatformServices services;
    std::unique_ptr<MainWindow> window;

    OptionsProgram() {
        qputenv("HOME", home.path().toLocal8Bit());
        const QString ini = dir.filePath(QStringLiteral("qx.ini"));
        FrontendSettings::WriteDefaultSettings(ini);
        const FrontendSettings s(ini);
        s.set(Settings::Exe, installStandin(dir.path()));
        s.set(Settings::Version, QStringLiteral("MAME v0.251 (unknown)"));
        s.set(Settings::LastSelected, QStringLiteral("pacman"));
        s.set(Settings::JoySelect, true);
        writeFile(
            dir.filePath(QStringLiteral("qx.dat")),
            "puckman=Puck Man (Japan set 1)==Namco=1980=good=1=pacman/pacman.cpp=no\r\n"
            "pacman=Pac-Man (Midway)=puckman=Namco (Midway license)=1980=good=2=pacman/pacman.cpp=no\r\n");
        window = std::make_unique<MainWindow>(dir.path() + QLatin1Char('/'), prompts, services);
        QVERIFY(window->load());
    }
    QString iniDir() const { return home.path() + QStringLiteral("/.mame/"); }

    // Triggers the entry and hands the dialog it opens to inspect, then closes it. The dialog opens after a
    // MAME run or two (the screen type, mame.ini) waited for in local event loops: the timer waits for it.
    void withDialog(ActionId entry, const std::function<void(QDialog &)> &inspect) {
        bool opened = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                poll.stop();
                opened = true;
                inspect(*dialog);
                dialog->close();
            }
        });
        poll.start(10);
        window->action(entry)->trigger();
        QVERIFY(opened);
    }
};

} // namespace

class OptionsWiringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachEntryOpensItsScopesFile_data() {
        QTest::addColumn<ActionId>("entry");
        QTest::addColumn<QString>("title"); // %1: the file's path
        QTest::addColumn<QString>("file");  // in the INI folder; "" for mame.ini
        const QString vector = QStringLiteral("vector.ini"), inVector = QStringLiteral("Options - %1");
        QTest::newRow("menu default")
            << ActionId::OptionsDefault << QStringLiteral("Default Options") << QString();
        QTest::newRow("pop-up default")
            << ActionId::PopupDefault << QStringLiteral("Default Options") << QString();
        QTest::newRow("button 8") << ActionId::TbrOptions << QStringLiteral("Default Options") << QString();
        QTest::newRow("menu vector") << ActionId::OptionsVector << inVector << vector;
        QTest::newRow("pop-up vector") << ActionId::PopupVector << inVector << vector;
        QTest::newRow("set") << ActionId::ItemPopupSetOptions << QStringLiteral("Set Options - pacman")
                             << QStringLiteral("pacman.ini");
        QTest::newRow("driver") << ActionId::ItemPopupDriverOptions
                                << QStringLiteral("Driver Options - pacman.cpp")
                                << QStringLiteral("source/pacman.ini");
    }
    void eachEntryOpensItsScopesFile() {
        QFETCH(ActionId, entry);
        QFETCH(QString, title);
        QFETCH(QString, file);
        OptionsProgram program;
        const QString path =
            file.isEmpty() ? program.window->state().EmulatorIniPath : program.iniDir() + file;
        QCOMPARE(QFile::exists(path), file.isEmpty());
        program.withDialog(entry, [&](QDialog &dialog) {
            QCOMPARE(dialog.windowTitle(), QString(title).replace(QStringLiteral("%1"), path));
            QVERIFY(QFile::exists(path)); // a layer file is made from mame.ini as the dialog opens
            QVERIFY(!program.window->joystickPoller().isPolling());
        });
        QVERIFY(program.window->joystickPoller().isPolling());
        QCOMPARE(program.prompts.shownTexts(), QStringList());
    }

    void setAndDriverOptionsWantASelectedSet() {
        OptionsProgram program;
        program.window->findChild<QLineEdit *>(QStringLiteral("Text1"))
            ->setText(QStringLiteral("no such set"));
        for (const ActionId entry : {ActionId::ItemPopupSetOptions, ActionId::ItemPopupDriverOptions}) {
            program.window->action(entry)->trigger();
            QVERIFY(
                program.prompts.shownTexts().constLast().startsWith(QStringLiteral("Select a set first")));
        }
        QVERIFY(!QFile::exists(program.iniDir()));
    }

    void videoNoneShowsMamesConsoleFromThenOn() {
        OptionsProgram program;
        program.withDialog(ActionId::OptionsDefault, [](QDialog &dialog) {
            auto *video = dialog.findChild<QComboBox *>(QStringLiteral("cboVideo"));
            video->setCurrentIndex(video->findText(QStringLiteral("none")));
            Q_EMIT video->activated(video->currentIndex());
            dialog.accept();
        });
        QCOMPARE(program.window->settings().get(Settings::ShowConsole), 1);
        QCOMPARE(program.window->state().ShowConsole, 1);
        QVERIFY(
            readFile(program.window->state().EmulatorIniPath).contains("\nvideo                     none"));
    }

    // The first screen of the set in MAME's listing decides; a set listed without a screen counts as raster.
    void vectorScreensAreTakenFromMamesListing() {
        const QByteArray listing =
            R"(<mame><machine name="asteroid"><display type="vector"/><display type="raster"/>
            </machine><machine name="pacman"><rom/></machine><machine name="pong"><display type="raster"/></machine>)";
        for (const auto &[set, vector] : {std::pair{"asteroid", true}, {"pacman", false}, {"pong", false}}) {
            QCOMPARE(FirstScreenIsVector(listing + "</mame>", QLatin1String(set)), vector);
        }
    }
};

QTEST_MAIN(OptionsWiringTest)
#include "OptionsWiringTest.moc"
