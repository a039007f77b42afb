// The catalogue read while the program starts: used only for the file and Clones setting it was read for,
// once, and only when qx.ini names an emulator that is there.
#include "catalogue/CataloguePreload.h"

#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class CataloguePreloadTest : public QObject {
    Q_OBJECT

    // A program directory for an emulator whose Clones entry is checked or not, with a parent and a clone.
    static QString writeProgramDir(const QTemporaryDir &dir, bool hideClones, bool emulatorThere = true) {
        const QString programDir = WithTrailingSeparator(dir.path());
        FrontendSettings::WriteDefaultSettings(programDir + "qx.ini");
        const FrontendSettings settings(programDir + "qx.ini");
        settings.set(Settings::Exe, programDir + "mame");
        settings.write(Settings::HideClones, hideClones ? QStringLiteral("1") : QStringLiteral("0"));
        if (emulatorThere) {
            test::writeFile(programDir + "mame", "");
        }
        test::writeFile(programDir + "qx.dat",
                        "puckman=PuckMan==Namco=1980=good=1=pacman/pacman.cpp=no\r\n"
                        "pacman=Pac-Man (Midway)=puckman=Namco=1980=good=2=pacman/pacman.cpp=no\r\n");
        return programDir;
    }

private Q_SLOTS:
    void takenOnlyForItsOwnFileAndSettings() {
        // hideclones in qx.ini, the emulator there, the file and Clones setting asked for, the sets taken
        // (-1: nothing is taken).
        const std::tuple<bool, bool, QString, bool, int> cases[] = {{true, true, "qx.dat", true, 2},
                                                                    {false, true, "qx.dat", false, 1},
                                                                    {false, true, "qx.dat", true, -1},
                                                                    {false, true, "other.dat", false, -1},
                                                                    {false, false, "qx.dat", false, -1}};
        for (const auto &[hideClones, emulatorThere, file, includeClones, sets] : cases) {
            const QTemporaryDir dir;
            const QString programDir = writeProgramDir(dir, hideClones, emulatorThere);
            CataloguePreload::instance().start(programDir);
            const std::optional<SetCatalogue> taken =
                CataloguePreload::instance().take(programDir + file, includeClones);
            QCOMPARE(taken ? int(taken->size()) : -1, sets);
            QVERIFY(sets < 0 ||
                    !CataloguePreload::instance().take(programDir + file, includeClones)); // once only
        }
    }

    // A sparse giant is reported damaged instead of ending the start; without qx.ini nothing is read (the
    // first-run set-up comes first).
    void badStartsGiveNoCatalogue() {
        const QTemporaryDir dir;
        const QString programDir = writeProgramDir(dir, true);
        QVERIFY(QFile::resize(programDir + "qx.dat", 100LL * 1024 * 1024 * 1024));
        CataloguePreload::instance().start(programDir);
        QString error;
        const std::optional<SetCatalogue> taken =
            CataloguePreload::instance().take(programDir + "qx.dat", true, &error);
        QVERIFY(taken.has_value() && taken->isEmpty());
        QVERIFY2(error.contains("larger than any set list"), qPrintable(error));

        QFile::remove(programDir + "qx.ini");
        QVERIFY(QFile::resize(programDir + "qx.dat", 10));
        CataloguePreload::instance().start(programDir);
        QVERIFY(!CataloguePreload::instance().take(programDir + "qx.dat", false));
    }
};

QTEST_GUILESS_MAIN(CataloguePreloadTest)
#include "CataloguePreloadTest.moc"
