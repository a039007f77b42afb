#include "dialogs/AboutDialog.h"

#include "ScriptedUserPrompts.h"
#include "app/SettingsKeys.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

class AboutDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingPlatformServices m_services;

    AboutContext context(bool fullScreenListActive) {
        return {FrontendSettings(m_dir.filePath(QStringLiteral("qx.ini"))),
                m_services,
                fullScreenListActive,
                nullptr,
                {}};
    }

private Q_SLOTS:
    // Quorvex's version, then MAME's, its path and the catalogue's size, as far as they are known.
    void versionLinesFollowTheSettings_data() {
        QTest::addColumn<QStringList>("stored"); // Version, setlimit, biossets
        QTest::addColumn<QStringList>("lines");  // after Quorvex's own version
        const QString mame = QStringLiteral("MAME v0.251 (unknown)");
        QTest::newRow("known") << QStringList{mame, "3000", "40"}
                               << QStringList{mame, "/usr/games/mame", "Supported Sets: 3000",
                                              "(40 are BIOS sets)"};
        QTest::newRow("not numbers") << QStringList{mame, "lots", ""}
                                     << QStringList{mame, "/usr/games/mame", "Supported Sets: unknown",
                                                    "(number of BIOS sets unknown)"};
        QTest::newRow("no emulator yet") << QStringList{"", "3000", "40"} << QStringList{};
    }
    void versionLinesFollowTheSettings() {
        QFETCH(QStringList, stored);
        AboutContext about = context(false);
        QVERIFY(FrontendSettings::WriteDefaultSettings(about.settings.path()));
        about.settings.set(Settings::Exe, QStringLiteral("/usr/games/mame"));
        about.settings.write(Settings::Version, stored[0]);
        about.settings.write(Settings::SetLimit, stored[1]);
        about.settings.write(Settings::BiosSets, stored[2]);
        AboutDialog dialog(about);
        QStringList shown{dialog.windowTitle()};
        for (const QLabel *label :
             dialog.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^lblVersion")))) {
            if (!label->isHidden()) {
                shown.append(label->text());
            }
        }
        QFETCH(QStringList, lines);
        QCOMPARE(shown, QStringList({"About Quorvex", "MAME Frontend v" QX_VERSION}) + lines);
    }

    // The home page and e-mail links open; the last closes the box, which stays above the full-screen list.
    void linksOpenAndCloseIt() {
        QVERIFY(!AboutDialog(context(false)).windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        AboutDialog dialog(context(true));
        QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        dialog.show();
        for (const char *link : {"lblHome", "lblEmail", "Label1"}) {
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(dialog.findChild<QLabel *>(link), Qt::LeftButton);
        }
        QVERIFY(!dialog.isVisible() && m_services.opened.size() == 2);
        QVERIFY(m_services.opened.last().startsWith(QLatin1String("mailto:")));
    }
};

QTEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
