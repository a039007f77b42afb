// The catalogue read while the program starts: used only for the file and Clones setting it was read for,
// and only when qx.ini names an emulator that is there.
#include "catalogue/CataloguePreload.h"

#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "app/PathHelpers.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace qx;

class CataloguePreloadTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString programDir() const { return WithTrailingSeparator(m_dir->path()); }
    QString cache() const { return programDir() + QStringLiteral("qx.dat"); }

    // A program directory for a known emulator whose Clones entry is checked or not.
    void writeProgramDir(bool hideClones, bool emulatorThere = true) const {
        const QString ini = programDir() + QStringLiteral("qx.ini");
        FrontendSettings::WriteDefaultSettings(ini);
        const FrontendSettings settings(ini);
        const QString exe = programDir() + QStringLiteral("mame");
        if (emulatorThere) {
            test::writeFile(exe, "");
        }
        settings.set(Settings::Exe, exe);
        settings.write(Settings::HideClones, hideClones ? QStringLiteral("1") : QStringLiteral("0"));
        test::writeFile(cache(),
                        "puckman=PuckMan==Namco=1980=good=1=pacman/pacman.cpp=no\r\n"
                        "pacman=Pac-Man (Midway)=puckman=Namco=1980=good=2=pacman/pacman.cpp=no\r\n");
    }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void theCatalogueIsTakenOnceForItsOwnSettings() {
        writeProgramDir(true);
        CataloguePreload::instance().start(programDir());
        const std::optional<SetCatalogue> taken = CataloguePreload::instance().take(cache(), true);
        QVERIFY(taken.has_value());
        QCOMPARE(taken->size(), 2);
        QCOMPARE(taken->at(1).parent().toString(), QStringLiteral("puckman"));
        QVERIFY(!CataloguePreload::instance().take(cache(), true).has_value()); // once only
    }

    void aResultForOtherSettingsIsNotUsed() {
        writeProgramDir(false);
        CataloguePreload::instance().start(programDir());
        QVERIFY(!CataloguePreload::instance().take(cache(), true).has_value());
        CataloguePreload::instance().start(programDir());
        QVERIFY(!CataloguePreload::instance().take(programDir() + QStringLiteral("other.dat"), false));
        CataloguePreload::instance().start(programDir());
        QCOMPARE(CataloguePreload::instance().take(cache(), false)->size(), 1); // the parent only
    }

    void aSparseGiantIsReportedDamagedInsteadOfEndingTheStart() {
        writeProgramDir(true);
        QVERIFY(QFile::resize(cache(), 100LL * 1024 * 1024 * 1024));
        CataloguePreload::instance().start(programDir());
        QString error;
        const std::optional<SetCatalogue> taken = CataloguePreload::instance().take(cache(), true, &error);
        QVERIFY(taken.has_value() && taken->isEmpty());
        QVERIFY2(error.contains(QStringLiteral("larger than any set list")), qPrintable(error));
    }

    void nothingIsReadWithoutAKnownEmulator() {
        writeProgramDir(false, false);
        CataloguePreload::instance().start(programDir());
        QVERIFY(!CataloguePreload::instance().take(cache(), false).has_value());
        // Nor without qx.ini: the first-run set-up comes first.
        QTemporaryDir empty;
        CataloguePreload::instance().start(WithTrailingSeparator(empty.path()));
        QVERIFY(!CataloguePreload::instance().take(
            WithTrailingSeparator(empty.path()) + QStringLiteral("qx.dat"), false));
    }
};

QTEST_GUILESS_MAIN(CataloguePreloadTest)
#include "CataloguePreloadTest.moc"
