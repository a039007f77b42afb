#include "TestDirs.h"
#include "app/PathHelpers.h"
#include "app/ProgramDirectory.h"
#include "app/ProgramState.h"
#include "catalogue/AvailableNames.h"
#include "catalogue/CatalogueExtraction.h"
#include "catalogue/SetListCache.h"
#include "catalogue/VerifyRuns.h"
#include "launch/SingleSetVerify.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;

// The catalogue pipeline on Debian's MAME (skipped when it is not installed). HOME points into a temporary
// folder, so MAME's per-user folder ~/.mame is a fresh one.
class RealMameCatalogueTest : public QObject {
    Q_OBJECT

    const QString m_mame = "/usr/games/mame";
    QTemporaryDir m_root;
    QString m_programDir;
    QString m_emulatorDir;
    ExtractionResult m_extraction;

    // The numbers the cache must show, counted straight from MAME's own XML.
    struct XmlCounts {
        qsizetype sets = 0;
        qsizetype bios = 0;
    };
    XmlCounts countInXml() const {
        QProcess mame;
        mame.setWorkingDirectory(m_emulatorDir);
        mame.start(m_mame, {"-listxml"});
        XmlCounts counts;
        QByteArray pending;
        const auto countLines = [&] {
            qsizetype start = 0;
            for (qsizetype end; (end = pending.indexOf('\n', start)) >= 0; start = end + 1) {
                const QByteArrayView line = QByteArrayView(pending).sliced(start, end - start);
                if (line.trimmed().startsWith("<machine ") && !line.contains("runnable=\"no\"")) {
                    ++counts.sets;
                    counts.bios += line.contains("isbios=\"yes\"") ? 1 : 0;
                }
            }
            pending.remove(0, start);
        };
        while (mame.waitForReadyRead(-1) || mame.bytesAvailable() > 0) {
            pending += mame.readAllStandardOutput();
            countLines();
        }
        mame.waitForFinished(-1);
        return counts;
    }

private Q_SLOTS:
    void initTestCase() {
        if (!QFile::exists(m_mame)) {
            QSKIP("Debian's MAME is not installed");
        }
        qputenv("HOME", QFile::encodeName(m_root.filePath("home")));
        m_programDir = WithTrailingSeparator(m_root.filePath("prog"));
        QDir().mkpath(m_programDir);
        // A user cannot write to /usr/games, so MAME's folder is ~/.mame; as root, use that folder too rather
        // than leaving files next to the system's executable.
        m_emulatorDir = ResolveEmulatorDirectory(m_mame);
        if (m_emulatorDir == "/usr/games/") {
            m_emulatorDir = WithTrailingSeparator(m_root.filePath("home/.mame"));
            QDir().mkpath(m_emulatorDir);
        }
        QCOMPARE(m_emulatorDir, WithTrailingSeparator(m_root.filePath("home/.mame")));
        m_extraction = ExtractCatalogue({m_mame, m_emulatorDir, m_programDir, {}});
    }

    void cacheHoldsEveryRunnableMachine() {
        QVERIFY2(m_extraction.xmlError.isEmpty(), qPrintable(m_extraction.xmlError));
        const XmlCounts expected = countInXml();
        QVERIFY(expected.sets > 30000);
        QCOMPARE(m_extraction.setCount, expected.sets);
        QCOMPARE(QFileInfo(m_programDir + kClonesWorkFile).size() > 100000, true);

        const SetListBuildResult build = FastScan(m_programDir, QString(), m_emulatorDir);
        QVERIFY(build.ok);
        QCOMPARE(build.written, expected.sets);
        QCOMPARE(build.biosCount, expected.bios);
        const SetCatalogue all = LoadSetList(m_programDir + kCacheFile, true);
        QCOMPARE(all.size(), expected.sets - expected.bios);
        const SetRecord pacman = all.at(all.indexOfName("pacman")).toRecord();
        QCOMPARE(pacman.Parent, "puckman");
        QCOMPARE(pacman.Year, "1980");
        QVERIFY(LoadSetList(m_programDir + kCacheFile, false).size() < all.size());
        // With no ROM folder at all, the sets that need no files are available.
        QVERIFY(all.at(all.indexOfName("pong")).isAvailable());
    }

    // The sets the extraction finds needing no files are exactly those MAME's own full verify finds good
    // without a single ROM: 167 on MAME 0.251.
    void fullVerifyFindsExactlyTheSetsThatNeedNoFiles() {
        const QString output = m_programDir + kVerifyRomsWorkFile;
        VerifyAllRoms(m_mame, m_emulatorDir, output);
        const AvailableNames verified = AvailableNames::ReadVerifyFile(output);
        QSet<QByteArray> verifiedSets;
        for (const QByteArray &line : test::readFile(m_programDir + kListXmlDatWorkFile).split('\n')) {
            if (const QByteArray name = line.left(line.indexOf('='));
                verified.contains(QByteArrayView(name))) {
                verifiedSets.insert(name);
            }
        }
        const QByteArrayList noFiles =
            test::readFile(m_programDir + kNoFilesWorkFile).replace("\r", "").split('\n');
        QCOMPARE(QSet<QByteArray>(noFiles.cbegin(), noFiles.cend()), verifiedSets);
        QProcess version;
        version.start(m_mame, {"-version"});
        QVERIFY(version.waitForFinished(30000));
        if (version.readAllStandardOutput().startsWith("0.251 ")) {
            QCOMPARE(noFiles.size(), 167);
        }

        QVERIFY(BuildSetList(m_programDir).ok);
        const SetCatalogue all = LoadSetList(m_programDir + kCacheFile, true);
        QVERIFY(all.at(all.indexOfName("pong")).isAvailable());
        QVERIFY(!all.at(all.indexOfName("pacman")).isAvailable());
    }

    // One set's verify: pong needs no ROM ("best available"); a set without its files is reported on
    // standard error only.
    void singleSetVerifyReadsBothOutputs() {
        ProgramState state;
        state.programDir = m_programDir;
        state.EmulatorPath = m_mame;
        state.EmulatorDir = m_emulatorDir;
        QCOMPARE(VerifySetReport(state, "pong", false).verdict, VerifyVerdict::Usable);
        const SetVerifyReport pacman = VerifySetReport(state, "pacman", false);
        QCOMPARE(pacman.verdict, VerifyVerdict::Unusable);
        QVERIFY2(pacman.romsOutput.contains("romset \"pacman\" not found!"), pacman.romsOutput.constData());
    }
};

QTEST_GUILESS_MAIN(RealMameCatalogueTest)
#include "RealMameCatalogueTest.moc"
