// The window chrome (fonts, background colours, clipboard copies, help documents and pages, the mouse on
// the information panel) and the notification-area icon with its menu.
#include "InfoTestWindow.h"
#include "browser/window/JoystickPoller.h"
#include "browser/window/MainActions.h"
#include "browser/window/StatusPanels.h"
#include "browser/window/TrayIcon.h"
#include "browser/window/WindowAppearance.h"
#include "browser/window/WindowChrome.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeView>

using namespace qx;
using namespace qx::test;

namespace {

SetCatalogue TestCatalogue() {
    auto record = [](const char *description, const char *name, const char *parent, const char *maker) {
        SetRecord r;
        r.Description = QString::fromUtf8(description);
        r.Name = QString::fromUtf8(name);
        r.Parent = QString::fromUtf8(parent);
        r.Manufacturer = QString::fromUtf8(maker);
        r.Year = QStringLiteral("1980");
        return r;
    };
    return SetCatalogue({record("Pac-Man (Midway)", "pacman", "", "Namco (Midway license)"),
                         record("Puck Man (Japan set 1)", "puckman", "pacman", "Namco"),
                         record("Galaga (Namco rev. B)", "galaga", "", "Namco"),
                         record("Tom & Jerry", "tomjerry", "", "Bally")});
}

FontChoice ChosenFont() {
    FontChoice font;
    font.family = QStringLiteral("DejaVu Sans");
    font.pointSize = 13;
    font.bold = true;
    font.underline = true;
    font.colour = 0x0000FFu; // red: the low byte
    return font;
}

QColor backColour(const QWidget *widget) {
    const bool textArea = widget->inherits("QAbstractScrollArea");
    return widget->palette().color(textArea ? QPalette::Base : QPalette::Window);
}

} // namespace

class WindowChromeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The set list font goes to the list and the tree, and is saved when the window closes; the history font
    // to the history and the caption; the status bar font is written at once.
    void fontsGoWhereTheirMenuSays() {
        InfoTestWindow test;
        WindowAppearance appearance;
        WindowChrome chrome(*test.window, appearance);
        for (const char *action : {"mnuFontsList", "mnuFontsHistory", "mnuFontsStatusBar"}) {
            test.prompts.queueFont(ChosenFont());
            test.window->actions().find(QLatin1String(action))->trigger();
        }
        for (const char *name : {"lvListView", "TreeView1", "txtHistory"}) {
            const QWidget *view = test.find<QWidget>(name);
            QVERIFY(view->font().bold() && view->font().underline());
            QCOMPARE(view->font().pointSize(), 13);
            QCOMPARE(view->palette().color(QPalette::Text), QColor(255, 0, 0));
        }
        QCOMPARE(test.find<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(test.find<QLabel>("Label1")->font().bold());
        QCOMPARE(appearance.listFont.family, QStringLiteral("DejaVu Sans"));
        QCOMPARE(appearance.listFont.colour, std::optional<quint32>(0x0000FFu));
        QCOMPARE(appearance.infoFont.pointSize, 13);
        QVERIFY(!appearance.statusFont.colour.has_value());
        QVERIFY(test.window->statusPanels().font().bold());
        const FrontendSettings settings = test.settings();
        QCOMPARE(settings.read(Settings::FontBold), QStringLiteral("0"));
        QCOMPARE(settings.read(Settings::SbFontName), QStringLiteral("DejaVu Sans"));
        QCOMPARE(settings.read(Settings::SbFontBold), QStringLiteral("-1"));
        QCOMPARE(settings.read(Settings::SbFontItalic), QStringLiteral("0"));
        QCOMPARE(settings.read(Settings::SbFontSize), QStringLiteral("13"));
        QCOMPARE(settings.read(Settings::SbUnderline), QStringLiteral("-1"));
    }

    void cancelledDialogsChangeNothing() {
        InfoTestWindow test;
        WindowAppearance appearance;
        WindowChrome chrome(*test.window, appearance);
        const QFont before = test.find<QWidget>("lvListView")->font();
        const QByteArray ini = readFile(test.programDir() + QStringLiteral("qx.ini"));
        for (const char *name : {"mnuFontsList", "mnuFontsStatusBar", "mnuColourAll", "mnuColourList"}) {
            test.window->actions().find(QLatin1String(name))->trigger();
        }
        QCOMPARE(test.prompts.shown().size(), 4);
        QCOMPARE(test.find<QWidget>("lvListView")->font(), before);
        QCOMPARE(readFile(test.programDir() + QStringLiteral("qx.ini")), ini);
        QVERIFY(!appearance.listBackColour && !appearance.treeBackColour);
    }

    void joystickPollStopsWhileADialogIsOpen_data() {
        QTest::addColumn<QString>("joyselect");
        QTest::addColumn<bool>("runsAfterwards");
        QTest::newRow("joystick selection on") << "-1" << true;
        QTest::newRow("joystick selection off") << "0" << false;
    }
    void joystickPollStopsWhileADialogIsOpen() {
        QFETCH(QString, joyselect);
        QFETCH(bool, runsAfterwards);
        InfoTestWindow test({{&Settings::JoySelect, joyselect}});
        WindowAppearance appearance;
        WindowChrome chrome(*test.window, appearance);
        test.window->applyJoystickSettings();
        const JoystickPoller &poller = test.window->joystickPoller();
        QList<bool> runningDuringDialog;
        test.prompts.whileDialogOpen = [&] {
            runningDuringDialog.append(poller.isPolling());
        };
        test.window->actions().find(QStringLiteral("mnuFontsHistory"))->trigger();
        test.window->actions().find(QStringLiteral("mnuColourHistory"))->trigger();
        QCOMPARE(runningDuringDialog, (QList<bool>{false, false}));
        QCOMPARE(poller.isPolling(), runsAfterwards);
    }

    void backgroundColours_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("coloured");
        QTest::addColumn<QStringList>("untouched");
        QTest::addColumn<QString>("treeBackColour"); // in qx.ini afterwards
        // 0xFF8040 is blue 0xFF, green 0x80, red 0x40: the number is stored, not #RRGGBB.
        QTest::newRow("all") << "mnuColourAll"
                             << QStringList{"lvListView", "TreeView1", "txtHistory", "picHolder", "picFlyer"}
                             << QStringList{} << "16744512";
        QTest::newRow("set list") << "mnuColourList" << QStringList{"lvListView", "TreeView1"}
                                  << QStringList{"txtHistory", "picHolder"} << "16744512";
        QTest::newRow("history and picture")
            << "mnuColourHistory" << QStringList{"txtHistory", "picHolder", "picFlyer"}
            << QStringList{"lvListView", "TreeView1"} << "";
    }
    void backgroundColours() {
        QFETCH(QString, action);
        QFETCH(QStringList, coloured);
        QFETCH(QStringList, untouched);
        QFETCH(QString, treeBackColour);
        InfoTestWindow test;
        WindowAppearance appearance;
        WindowChrome chrome(*test.window, appearance);
        const QColor chosen(0x40, 0x80, 0xFF);
        test.prompts.queueColour(0xFF8040u);
        test.window->actions().find(action)->trigger();
        for (const QString &name : coloured) {
            QCOMPARE(backColour(test.find<QWidget>(qPrintable(name))), chosen);
        }
        for (const QString &name : untouched) {
            QVERIFY(backColour(test.find<QWidget>(qPrintable(name))) != chosen);
        }
        QCOMPARE(test.settings().read(Settings::TreeBackColour), treeBackColour);
        if (coloured.contains(QStringLiteral("txtHistory"))) {
            QCOMPARE(appearance.infoBackColour, std::optional<quint32>(0xFF8040u));
            QCOMPARE(appearance.pictureBackColour, std::optional<quint32>(0xFF8040u));
        }
        if (coloured.contains(QStringLiteral("lvListView"))) {
            QCOMPARE(appearance.listBackColour, std::optional<quint32>(0xFF8040u));
        }
    }

    void copyToClipboard_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("description") << "puckman" << 0 << "Puck Man (Japan set 1)";
        QTest::newRow("name") << "puckman" << 1 << "puckman";
        QTest::newRow("parent of a clone") << "puckman" << 2 << "pacman";
        QTest::newRow("parent of a parent set") << "pacman" << 2 << "";
        QTest::newRow("manufacturer") << "pacman" << 3 << "Namco (Midway license)";
        QTest::newRow("no set selected") << "" << 0 << "";
    }
    void copyToClipboard() {
        QFETCH(QString, selected);
        QFETCH(int, field);
        QFETCH(QString, expected);
        InfoTestWindow test;
        test.window->catalogue() = TestCatalogue();
        WindowAppearance appearance;
        WindowChrome chrome(*test.window, appearance);
        test.services.clipboard = QStringLiteral("something copied before");
        test.select(selected);
        test.window->actions().find(QStringLiteral("mnuItemPopupCopy%1").arg(field))->trigger();
        QCOMPARE(test.services.clipboard, expected);
    }

    // Help documents: MAME's own when it ships them, else its pages; the home pages in the browser.
    void helpDocumentsAndHomePages() {
        InfoTestWindow test({{&Settings::Version, QStringLiteral("MAME v0.251 (Debian 0.251+dfsg.1-1)")}});
        test.window->state().EmulatorPath = test.emulatorDir() + QStringLiteral("bin/mame");
        WindowAppearance appearance;
        WindowChrome chrome(*test.window, appearance);
        QAction *mameTxt = test.window->actions().find(QStringLiteral("mnuHelpMameTxt"));
        QAction *whatsNew = test.window->actions().find(QStringLiteral("mnuHelpWhatsNew"));
        // Debian ships neither: MAME's documentation opens, and the release notes of the version it runs.
        mameTxt->trigger();
        whatsNew->trigger();
        writeFile(test.emulatorDir() + QStringLiteral("docs/whatsnew.txt"), "0.251\n");
        writeFile(test.emulatorDir() + QStringLiteral("bin/mame.txt"), "MAME\n");
        mameTxt->trigger();
        whatsNew->trigger();
        QCOMPARE(test.services.opened,
                 (QStringList{QStringLiteral("https://docs.mamedev.org/"),
                              QStringLiteral("https://www.mamedev.org/releases/whatsnew_0251.txt"),
                              test.emulatorDir() + QStringLiteral("bin/mame.txt"),
                              test.emulatorDir() + QStringLiteral("docs/whatsnew.txt")}));
        QVERIFY(test.prompts.shown().isEmpty());
        test.services.opened.clear();
        for (const char *name : {"mnuHelpHome", "mnuHelpMameHome", "mnuHelpHistoryHome"}) {
            test.window->actions().find(QLatin1String(name))->trigger();
        }
        QCOMPARE(test.services.opened,
                 (QStringList{WindowChrome::homePageAddress(WindowChrome::HomePage::Quorvex),
                              QStringLiteral("https://www.mamedev.org/"),
                              QStringLiteral("https://www.arcade-history.com/")}));
        QVERIFY(test.services.opened.constFirst().startsWith(QLatin1String("https://")));
    }

    void mouseOnTheInformationPanel() {
        InfoTestWindow test;
        WindowAppearance appearance;
        int focused = 0;
        WindowChrome chrome(*test.window, appearance, {[&] {
            ++focused;
        }});
        auto *holder = test.find<QWidget>("picHolder");
        holder->show();
        holder->resize(300, 300);
        auto *caption = test.find<QLabel>("Label1");
        QMenu *popup = test.window->actions().generalPopup();

        // A release over the caption reaches the panel too; the view is focused once.
        QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(focused, 1);
        QVERIFY(!popup->isVisible());
        QTest::mouseClick(holder, Qt::RightButton, {}, QPoint(150, 250));
        QCOMPARE(focused, 2);
        QVERIFY(popup->isVisible());
        popup->close();
    }
};

class TrayIconTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void favouritesInFileOrder() {
        InfoTestWindow test;
        test.window->catalogue() = TestCatalogue();
        QStringList launched;
        TrayIcon tray(*test.window, {[&](const QString &name) { launched.append(name); }, {}, {}});
        QAction *none = test.window->actions().find(QStringLiteral("mnuTrayFavNone"));
        tray.BuildTrayMenu(); // no file yet: the disabled entry
        QVERIFY(tray.favouriteEntries().isEmpty() && none->isVisible() && !none->isEnabled());
        writeFile(test.programDir() + QStringLiteral("qx_fav.dat"),
                  "galaga\r\nmissing\r\npacman\r\ntomjerry");
        tray.BuildTrayMenu();
        tray.BuildTrayMenu(); // a second build replaces the first one's entries
        QStringList names;
        QStringList captions;
        for (const QAction *entry : tray.favouriteEntries()) {
            names.append(entry->data().toString());
            captions.append(entry->text());
        }
        QCOMPARE(names, (QStringList{"galaga", "pacman", "tomjerry"}));
        QCOMPARE(captions, (QStringList{"Galaga (Namco rev. B)", "Pac-Man (Midway)", "Tom && Jerry"}));
        QCOMPARE(test.window->actions().menu(QStringLiteral("mnuTrayFav"))->actions().size(), 4);
        QVERIFY(!none->isVisible());
        tray.favouriteEntries().at(1)->trigger();
        QCOMPARE(launched, QStringList{QStringLiteral("pacman")});
    }

    void manyFavouritesShowAPageAtATimeAndNoneTwice() {
        InfoTestWindow test;
        QList<SetRecord> records(700);
        QByteArray file = "set0\r\n"; // listed twice
        for (int i = 0; i < 700; ++i) {
            records[i].Name = QStringLiteral("set%1").arg(i);
            file += records[i].Name.toUtf8() + "\r\n";
        }
        test.window->catalogue() = SetCatalogue(records);
        writeFile(test.programDir() + QStringLiteral("qx_fav.dat"), file);
        TrayIcon tray(*test.window);
        tray.BuildTrayMenu();
        QCOMPARE(tray.favouriteEntries().size(), TrayIcon::kTrayFavouritesPage);
        for (int page = 1; page <= 2; ++page) { // the last page has no "More…"
            Q_EMIT test.window->findChildren<QMenu *>(QStringLiteral("mnuTrayFavMore"))
                .at(page - 1)
                ->aboutToShow();
        }
        QCOMPARE(test.window->findChildren<QMenu *>(QStringLiteral("mnuTrayFavMore")).size(), 2);
        QCOMPARE(tray.favouriteEntries().size(), 700);
        QCOMPARE(tray.favouriteEntries().constLast()->data().toString(), QStringLiteral("set699"));
    }

    void playEntriesOnlyWhileASetIsSelected() {
        InfoTestWindow test;
        test.window->catalogue() = TestCatalogue();
        test.window->setBusy(false);
        QStringList launched;
        int randoms = 0;
        TrayIcon tray(*test.window,
                      {[&](const QString &name) { launched.append(name); }, [&] { ++randoms; }, {}});
        QAction *play = test.window->actions().find(QStringLiteral("mnuTrayPlay"));
        QAction *random = test.window->actions().find(QStringLiteral("mnuTrayRandom"));

        QVERIFY(tray.prepareMenu());
        QVERIFY(!play->isVisible());
        QVERIFY(!random->isVisible());

        test.select(QStringLiteral("puckman"));
        QVERIFY(tray.prepareMenu());
        QVERIFY(play->isVisible());
        QVERIFY(random->isVisible());
        QCOMPARE(play->text(), QStringLiteral("Play Puck Man (Japan set 1)"));
        play->trigger();
        random->trigger();
        QCOMPARE(launched, QStringList{QStringLiteral("puckman")});
        QCOMPARE(randoms, 1);
        // The menu stays closed while the window is busy or another window is open.
        test.window->setBusy(true);
        QVERIFY(!tray.prepareMenu());
        test.window->setBusy(false);
        QDialog dialog(test.window.get());
        dialog.show();
        QVERIFY(!tray.prepareMenu());
    }

    void iconIsAddedOnlyWhenTrayIsOne_data() {
        QTest::addColumn<QString>("tray");
        QTest::addColumn<bool>("added");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("-1 is not 1") << "-1" << false;
    }
    void iconIsAddedOnlyWhenTrayIsOne() {
        QFETCH(QString, tray);
        QFETCH(bool, added);
        InfoTestWindow test({{&Settings::Tray, tray}});
        TrayIcon icon(*test.window);
        icon.addIfWanted();
        QCOMPARE(icon.isAdded(), added);
        QCOMPARE(icon.icon().toolTip(), QStringLiteral("Quorvex " QX_VERSION));
        icon.remove();
        QVERIFY(!icon.isAdded());
    }

    void leftClickAndShowRestoreTheWindowAsItWas() {
        InfoTestWindow test;
        test.window->setBusy(false);
        TrayIcon tray(*test.window);
        test.window->setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
        tray.onActivated(QSystemTrayIcon::Trigger);
        QVERIFY(!test.window->isMinimized());
        QVERIFY(test.window->isMaximized());

        test.window->setWindowState(Qt::WindowMinimized);
        test.window->hide();
        test.window->actions().find(QStringLiteral("mnuTrayShow"))->trigger();
        QVERIFY(test.window->isVisible());
        QVERIFY(!test.window->isMinimized());
        QVERIFY(!test.window->isMaximized());
    }
};

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    WindowChromeTest chrome;
    TrayIconTest tray;
    int failures = QTest::qExec(&chrome, argc, argv);
    failures += QTest::qExec(&tray, argc, argv);
    return failures;
}

#include "InfoChromeTest.moc"
