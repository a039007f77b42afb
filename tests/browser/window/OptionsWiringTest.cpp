// The options dialog opened from the main window's menus, pop-ups and toolbar, with the file of its scope.
#include "TestWindow.h"
#include "WhileModalShown.h"
#include "browser/window/JoystickPoller.h"
#include "options/SetScreenType.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

using namespace qx;
using namespace qx::test;

namespace {

// The loaded window with joystick selection on. HOME is a folder of its own, so the stand-in's inipath
// puts the layer files in HOME/.mame.
struct OptionsProgram : TestWindow {
    QTemporaryDir home;

    OptionsProgram() : TestWindow({{&Settings::JoySelect, "-1"}}) {
        qputenv("HOME", home.path().toLocal8Bit());
        start();
    }
    QString iniDir() const { return home.path() + "/.mame/"; }

    // Triggers the entry and hands the dialog it opens (after a MAME run or two) to inspect, then closes it.
    void withDialog(ActionId entry, const std::function<void(QDialog &)> &inspect) {
        QVERIFY(WhileModalShown(
            "frmOptions", [&] { window->action(entry)->trigger(); }, inspect));
    }
};

} // namespace

class OptionsWiringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each entry opens the dialog on its scope's file (a layer file is made from mame.ini as it opens), with
    // the joystick at rest.
    void eachEntryOpensItsScopesFile() {
        for (const auto &[entry, title, file] :
             {std::tuple{ActionId::OptionsDefault, "Default Options", ""},
              {ActionId::PopupDefault, "Default Options", ""},
              {ActionId::TbrOptions, "Default Options", ""},
              {ActionId::OptionsVector, "Options - %1", "vector.ini"},
              {ActionId::PopupVector, "Options - %1", "vector.ini"},
              {ActionId::ItemPopupSetOptions, "Set Options - pacman", "pacman.ini"},
              {ActionId::ItemPopupDriverOptions, "Driver Options - pacman.cpp", "source/pacman.ini"}}) {
            OptionsProgram program;
            const QString path = *file ? program.iniDir() + file : program.window->state().EmulatorIniPath;
            QCOMPARE(QFile::exists(path), !*file);
            program.withDialog(entry, [&](QDialog &dialog) {
                QCOMPARE(dialog.windowTitle(), QString(title).replace("%1", path));
                QVERIFY(QFile::exists(path) && !program.window->joystickPoller().isPolling());
            });
            QVERIFY(program.window->joystickPoller().isPolling() && program.prompts.shown().isEmpty());
        }
    }

    void setAndDriverOptionsWantASelectedSet() {
        OptionsProgram program;
        program.find<QLineEdit>("Text1")->setText("no such set");
        for (const ActionId entry : {ActionId::ItemPopupSetOptions, ActionId::ItemPopupDriverOptions}) {
            program.window->action(entry)->trigger();
            QVERIFY(program.prompts.shownTexts().constLast().startsWith("Select a set first"));
        }
        QVERIFY(!QFile::exists(program.iniDir()));
    }

    void videoNoneShowsMamesConsoleFromThenOn() {
        OptionsProgram program;
        program.withDialog(ActionId::OptionsDefault, [](QDialog &dialog) {
            auto *video = dialog.findChild<QComboBox *>("cboVideo");
            video->setCurrentIndex(video->findText("none"));
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
