#include "browser/MainWindow.h"

#include "ScriptedUserPrompts.h"
#include "StandinCalls.h"
#include "TestDirs.h"
#include "UnreadableFile.h"
#include "app/FrontendSettings.h"
#include "app/ProfileIni.h"
#include "browser/InfoPanel.h"
#include "browser/MainActions.h"
#include "browser/MainLayout.h"
#include "browser/StatusPanels.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <QTreeView>
#include <memory>

using namespace qx;
using namespace qx::test;

namespace {

// A program directory with a default qx.ini whose keys the test may change first.
struct ProgramDir {
    QTemporaryDir dir;
    ScriptedUserPrompts prompts;
    RecordingPlatformServices services;
    QString path() const { return dir.path() + QLatin1Char('/'); }
    QString ini() const { return path() + QStringLiteral("qx.ini"); }
    FrontendSettings settings() const { return FrontendSettings(ini()); }

    ProgramDir() { FrontendSettings::WriteDefaultSettings(ini()); }

    // A known emulator, so the window starts normally (no first-run set-up).
    void knowEmulator() {
        const QString exe = installStandin(dir.path());
        settings().write(QStringLiteral("exe"), exe);
        settings().write(QStringLiteral("Version"), QStringLiteral("MAME v0.251 (unknown)"));
    }
};

// Makes a folder read-only even for root (who ignores permission bits): the immutable attribute.
bool makeReadOnly(const QString &folder) {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(folder).isWritable()) {
        return true;
    }
    return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
}

void makeWritable(const QString &folder) {
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

// A program directory whose emulator directory (the stand-in's folder) holds a cached catalogue, a history
// file and a flyer, with pacman the current set.
struct CataloguedProgram : ProgramDir {
    CataloguedProgram() {
        knowEmulator();
        writeFile(
            path() + QStringLiteral("qx.dat"),
            "puckman=Puck Man (Japan set 1)==Namco=1980=good=1=pacman/pacman.cpp=no\r\n"
            "pacman=Pac-Man (Midway)=puckman=Namco (Midway license)=1980=good=2=pacman/pacman.cpp=no\r\n"
            "galaga=Galaga (Namco rev. B)==Namco=1981=good=1=galaga/galaga.cpp=no\r\n");
        writeFile(
            path() + QStringLiteral("history.dat"),
            "$info=puckman,pacman,\r\n$bio\r\n\r\nPac-Man (c) 1980 Namco.\r\n\r\nEat the dots.\r\n$end\r\n");
        QImage flyer(60, 80, QImage::Format_RGB32);
        flyer.fill(Qt::yellow);
        QDir().mkpath(path() + QStringLiteral("flyers"));
        flyer.save(path() + QStringLiteral("flyers/puckman.png"));
        const FrontendSettings s = settings();
        s.write(QStringLiteral("LastSelected"), QStringLiteral("pacman"));
        s.write(QStringLiteral("ShowHistory"), QStringLiteral("-1"));
        s.write(QStringLiteral("picture"), QStringLiteral("-1"));
    }
    QList<StandinCall> launches() const {
        QList<StandinCall> runs;
        for (const StandinCall &call : readStandinCalls(path() + QStringLiteral("standin-calls.log"))) {
            if (!call.args.isEmpty() && !call.args.constFirst().startsWith(QLatin1Char('-'))) {
                runs.append(call);
            }
        }
        return runs;
    }
};

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadedWindowShowsTheCurrentSetWithItsHistoryAndPicture() {
        CataloguedProgram program;
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        QCOMPARE(window.catalogue().size(), 3);
        QCOMPARE(window.statusPanels().panelText(1), QStringLiteral("3 sets"));
        QCOMPARE(window.statusPanels().panelText(2), QStringLiteral("pacman"));
        window.infoPanel().finishHistoryLoad();
        QCOMPARE(window.findChild<QPlainTextEdit *>(QStringLiteral("txtHistory"))->toPlainText(),
                 QStringLiteral("Pac-Man (c) 1980 Namco.\nEat the dots.\n"));
        window.infoPanel().finishPendingPicture();
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("picFlyer"))->pixmap().isNull());
        QCOMPARE(window.actions()[QStringLiteral("mnuFilePlay")]->text(), QStringLiteral("&Play pacman"));
        Q_EMIT window.actions().itemPopup()->aboutToShow();
        QCOMPARE(window.actions()[QStringLiteral("mnuItemPopupVerify")]->text(),
                 QStringLiteral("Verify pacman"));
        QCOMPARE(window.actions()[QStringLiteral("mnuItemPopupDelNv")]->text(), QStringLiteral("pacman.nv"));
        QCOMPARE(window.actions()[QStringLiteral("mnuItemPopupDelIni")]->text(),
                 QStringLiteral("pacman.ini"));
        QVERIFY(window.close());
    }

    void selectingMameBuildsTheCatalogueAndShowsIt() {
        ProgramDir program;
        program.knowEmulator(); // known, but no catalogue has been built for it yet
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        QCOMPARE(window.catalogue().size(), 0);

        program.prompts.queueFile(program.settings().text(QStringLiteral("exe")));
        program.prompts.queueAnswer(PromptAnswer::No); // no fast scan: MAME verifies the sets
        window.actions()[QStringLiteral("mnuToolsSelectMame")]->trigger();

        QCOMPARE(program.prompts.shown().at(0).fileRequest.title,
                 QStringLiteral("Select MAME executable, e.g. mame.exe"));
        QCOMPARE(program.prompts.shown().at(1).title, QStringLiteral("Fast Scan"));
        // The stand-in lists nine runnable machines, one of them a BIOS set the browser never shows.
        QCOMPARE(window.catalogue().size(), 8);
        QCOMPARE(window.statusPanels().panelText(1), QStringLiteral("8 sets"));
        QVERIFY(
            window.catalogue().at(window.catalogue().indexOfName(QStringLiteral("puckman"))).isAvailable());
        QVERIFY(
            !window.catalogue().at(window.catalogue().indexOfName(QStringLiteral("pacman"))).isAvailable());
        QCOMPARE(window.windowTitle(), QStringLiteral("MAME v0.251 (unknown) - Quorvex"));
        QVERIFY(!window.statusPanels().inSingleTextMode());
        QVERIFY(!window.isBusy());
        QVERIFY(QFileInfo::exists(program.path() + QStringLiteral("qx.dat")));
        QVERIFY(!QFileInfo::exists(program.path() + QStringLiteral("qx_listxml.dat")));
        QVERIFY(window.close());
    }

    void enterPlaysTheSelectedSetInTheEmulatorDirectory() {
        CataloguedProgram program;
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        QWidget *details = window.findChild<QWidget *>(QStringLiteral("lvListViewDetails"));
        details->setFocus();
        QTest::keyClick(details, Qt::Key_Return);
        QTRY_COMPARE(program.launches().size(), 1);
        QCOMPARE(program.launches().constFirst().args, QStringList{QStringLiteral("pacman")});
        QCOMPARE(QDir(program.launches().constFirst().cwd).canonicalPath(),
                 QDir(program.path()).canonicalPath());
        QTRY_VERIFY(window.isVisible());
        QVERIFY(!window.isBusy());

        // With the tree shown, Enter plays the current set.
        window.actions()[QStringLiteral("mnuListViewMode1")]->trigger();
        window.state().CurrentSetName = QStringLiteral("galaga");
        QTreeView *tree = window.findChild<QTreeView *>(QStringLiteral("TreeView1"));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Return);
        QTRY_COMPARE(program.launches().size(), 2);
        QCOMPARE(program.launches().at(1).args, QStringList{QStringLiteral("galaga")});
        QTRY_VERIFY(!window.isBusy());
        QVERIFY(window.close());
    }

    void firstStartCentresTheWindowAndAsksForMame() {
        ProgramDir program;
        MainWindow window(program.path(), program.prompts, program.services);
        program.prompts.queueFile(QString()); // the user cancels

        QVERIFY(!window.load()); // the program ends
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvex"));
        QCOMPARE(program.prompts.shown().size(), 1);
        const ShownPrompt &dialog = program.prompts.shown().constFirst();
        QCOMPARE(dialog.kind, ShownPrompt::Kind::File);
        QCOMPARE(dialog.fileRequest.title, QStringLiteral("Select MAME executable"));
        QVERIFY(!dialog.fileRequest.save);

        const int left = program.settings().read(QStringLiteral("MainLeft")).toInt();
        const int top = program.settings().read(QStringLiteral("MainTop")).toInt();
        QCOMPARE(left, PixelsToTwips(window.x()));
        QCOMPARE(top, PixelsToTwips(window.y()));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(qAbs(window.x() - (screen.x() + (screen.width() - window.width()) / 2)) <= 1);
    }

    void firstStartDialogOpensOnTheMameOnThePath() {
        ProgramDir program;
        QTemporaryDir bin;
        const QString mame = installStandin(bin.path());
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + oldPath);
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(!window.load());
        qputenv("PATH", oldPath);
        const FileDialogRequest &request = program.prompts.shown().constFirst().fileRequest;
        QCOMPARE(request.initialFolder, bin.path());
        QCOMPARE(request.initialFile, mame);
    }

    void oneThirdWidthSplitterAndTheLowestSplitter() {
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(QStringLiteral("picture"), QStringLiteral("-1")); // the info panel shows
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        const int inner = PixelsToTwips(window.centralWidget()->width());
        QCOMPARE(window.splitterLeft() / kTwipsPerPixel, int(inner / 1.5) / kTwipsPerPixel);

        int left = 500;
        window.SizeControls(left);
        QCOMPARE(left, 800);
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("lvListView"))->width(), TwipsToPixels(800));
    }

    void aSmallWindowIsEnlargedToTheMinimum() {
        ProgramDir program;
        program.knowEmulator();
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        window.resize(TwipsToPixels(3000), TwipsToPixels(2000));
        QTRY_COMPARE(window.width(), TwipsToPixels(kMinWindowWidthTwips));
        QCOMPARE(window.height(), TwipsToPixels(kMinWindowHeightTwips));
    }

    void closingMaximisedKeepsTheNormalPosition() {
        ProgramDir program;
        program.knowEmulator();
        auto window = std::make_unique<MainWindow>(program.path(), program.prompts, program.services);
        QVERIFY(window->load());
        window->show();
        const FrontendSettings settings = program.settings();
        settings.write(QStringLiteral("MainLeft"), QStringLiteral("1234"));
        settings.write(QStringLiteral("MainWidth"), QStringLiteral("9999"));
        window->showMaximized();
        QVERIFY(window->close());
        QCOMPARE(settings.read(QStringLiteral("WindowState")), QStringLiteral("2"));
        QCOMPARE(settings.read(QStringLiteral("MainLeft")), QStringLiteral("1234"));
        QCOMPARE(settings.read(QStringLiteral("MainWidth")), QStringLiteral("9999"));
    }

    void closingMinimisedWritesNoPositionAndNoState() {
        ProgramDir program;
        program.knowEmulator();
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        const FrontendSettings settings = program.settings();
        settings.write(QStringLiteral("MainLeft"), QStringLiteral("1234"));
        settings.write(QStringLiteral("WindowState"), QStringLiteral("7"));
        window.showMinimized();
        QVERIFY(window.close());
        QCOMPARE(settings.read(QStringLiteral("MainLeft")), QStringLiteral("1234"));
        QCOMPARE(settings.read(QStringLiteral("WindowState")), QStringLiteral("7"));
    }

    void closingNormallyWritesTheWindowAndViewState() {
        ProgramDir program;
        program.knowEmulator();
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        window.state().CurrentSetName = QStringLiteral("pacman");
        QVERIFY(window.close());
        const FrontendSettings settings = program.settings();
        QCOMPARE(settings.read(QStringLiteral("WindowState")), QStringLiteral("0"));
        QCOMPARE(settings.read(QStringLiteral("MainWidth")).toInt(), PixelsToTwips(window.width()));
        QCOMPARE(settings.read(QStringLiteral("LastSelected")), QStringLiteral("pacman"));
        QCOMPARE(settings.read(QStringLiteral("ShowMenu")), QStringLiteral("-1"));
        QCOMPARE(settings.read(QStringLiteral("toolbar")), QStringLiteral("-1"));
        QCOMPARE(settings.read(QStringLiteral("SplitterLeft")).toInt(), window.splitterLeft());
    }

    void busyWindowRefusesToClose() {
        ProgramDir program;
        program.knowEmulator();
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        window.setBusy(true);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        window.setBusy(false);
        QVERIFY(window.close());
    }

    void escapeOrEnterBringBackTheHiddenMenuBar() {
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(QStringLiteral("ShowMenu"), QStringLiteral("0"));
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        QVERIFY(!window.menuBar()->isVisible());
        QVERIFY(!window.actions().find(QStringLiteral("mnuViewMenuBar"))->isChecked());
        QTest::keyClick(window.findChild<QWidget *>(QStringLiteral("lvListView")), Qt::Key_Escape);
        QVERIFY(window.menuBar()->isVisible());
        QVERIFY(window.actions().find(QStringLiteral("mnuViewMenuBar"))->isChecked());
        window.ToggleMenuBar();
        QTest::keyClick(window.findChild<QWidget *>(QStringLiteral("lvListView")), Qt::Key_Return);
        QVERIFY(window.menuBar()->isVisible());
    }

    void toolbarShowsNoTipsWhenToolTipsAreOff() {
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(QStringLiteral("ShowToolTips"), QStringLiteral("0"));
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        QWidget *button = window.findChild<QToolBar *>(QStringLiteral("Toolbar1"))
                              ->widgetForAction(window.actions().toolbarButton(4));
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &tip);
        QVERIFY(QToolTip::text().isEmpty());
    }

    void statusBarToggleIsSavedAtOnce() {
        ProgramDir program;
        program.knowEmulator();
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        window.actions()[QStringLiteral("mnuViewStatusBar")]->trigger();
        QVERIFY(window.statusBar()->isHidden());
        QCOMPARE(program.settings().read(QStringLiteral("ShowStatusBar")), QStringLiteral("0"));
        // The general pop-up's twin is the same action, so it shows the same check mark.
        QVERIFY(!window.actions()[QStringLiteral("mnuPopupStatusBar")]->isChecked());
    }

    void handEditedSettingsFallBackAndSurvive() {
        ProgramDir program;
        const QString exe = installStandin(program.dir.path());
        // LF line ends, missing keys, a non-numeric position, an unknown key and a very long value.
        writeFile(program.ini(), "[FRONTEND]\nexe=" + exe.toUtf8() +
                                     "\nMainLeft=left\nMainWidth=wide\nViewMode=x\nCustomKey=keep me\n"
                                     "mrud=" +
                                     QByteArray(10000, 'z') + "\n");
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        QCOMPARE(window.width(), TwipsToPixels(10500));                             // MainWidth's default
        QVERIFY(window.actions()[QStringLiteral("mnuListViewMode3")]->isChecked()); // ViewMode's default
        QVERIFY(window.close());
        const QByteArray saved = readFile(program.ini());
        QVERIFY(saved.contains("\r\nCustomKey=keep me\r\n"));
        QVERIFY(saved.contains("mrud=" + QByteArray(10000, 'z') + "\r\n"));
        QVERIFY(program.prompts.shown().isEmpty());
    }

    void settingsThatCannotBeSavedAreReportedOnceAndKept_data() {
        QTest::addColumn<int>(
            "fault"); // 0 folder read-only at the start, 1 made read-only later, 2 unreadable
        QTest::addColumn<QString>("told");
        QTest::newRow("read-only folder, said at the start by main") << 0 << QString();
        QTest::newRow("folder made read-only while running") << 1 << "could not save";
        QTest::newRow("unreadable file") << 2 << "could not read";
    }
    void settingsThatCannotBeSavedAreReportedOnceAndKept() {
        QFETCH(int, fault);
        QFETCH(QString, told);
        ProgramDir program;
        program.knowEmulator();
        const QByteArray before = readFile(program.ini());
        {
            std::optional<UnreadableFile> unreadable;
            if (fault == 2) {
                unreadable.emplace(
                    program.ini()); // no emulator known then: the first-run set-up is cancelled
            }
            MainWindow window(program.path(), program.prompts, program.services);
            if (fault == 0) {
                window.setReadOnly();
            }
            window.load();
            window.show();
            QCOMPARE(window.findChild<QLabel *>(QStringLiteral("sbReadOnly")) != nullptr, fault == 0);
            if (fault < 2 && !makeReadOnly(program.dir.path())) {
                QSKIP("cannot make a folder read-only here");
            }
            window.actions()[QStringLiteral("mnuViewStatusBar")]->trigger(); // saved at once: fails
            window.close();
            makeWritable(program.dir.path());
        }
        QStringList messages;
        for (const ShownPrompt &prompt : program.prompts.shown()) {
            if (prompt.kind == ShownPrompt::Kind::Inform) {
                messages.append(prompt.text);
            }
        }
        QCOMPARE(messages.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(told.isEmpty() || messages.constFirst().contains(told));
        QCOMPARE(readFile(program.ini()), before);
    }

    void aSavedPlaceOffTheScreenIsBroughtBack() {
        ProgramDir program;
        program.knowEmulator();
        const char *values[][2] = {
            {"MainLeft", "1e308"}, {"MainTop", "nan"}, {"MainWidth", "inf"}, {"MainHeight", "9e9"}};
        for (const auto &[key, value] : values) {
            program.settings().write(QLatin1String(key), QLatin1String(value));
        }
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        const QRect area = window.screen()->availableVirtualGeometry();
        QVERIFY(area.intersects(window.geometry()) && area.size().boundedTo(window.size()) == window.size());
        QVERIFY(window.close());
        QVERIFY(program.settings().twips(QStringLiteral("MainLeft")).has_value());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
