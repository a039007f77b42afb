#include "ReadOnlyFolder.h"
#include "TestDirs.h"
#include "options/EmulatorOptionFile.h"
#include "options/EmulatorOptionWrites.h"
#include "options/OptionFileSnapshot.h"
#include "options/OptionTable.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

namespace {

QByteArray fixtureIni() {
    return readFixture(QStringLiteral("standin/mame.ini"));
}

const QByteArray kHugeValue(100 * 1024, 'v');

} // namespace

// Reading many options from one read and writing many in one rewrite, with the rules of the single-option
// reader and writer.
class OptionFileLinesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString file() const { return m_dir.filePath(QStringLiteral("pacman.ini")); }

private Q_SLOTS:
    void oneReadAnswersLikeTheSingleOptionReader_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("MAME 0.251") << fixtureIni();
        QTest::newRow("odd lines") << QByteArray(
            "\xEF\xBB\xBFgamma 3\r\nfull_screen_gamma 1.00\r\ngammax gamma 5\r\n"
            "gamma   1.20  \r\ngamma 2\r\nvolume\r\nview0\tauto\r\nctrlr");
    }
    void oneReadAnswersLikeTheSingleOptionReader() {
        QFETCH(QByteArray, content);
        writeFile(file(), content);
        const OptionFileSnapshot snapshot = OptionFileSnapshot::read(file());
        for (const OptionInfo &info : AllOptions()) {
            for (const QString &name : QStringList{info.name} + info.extraNames) {
                QCOMPARE(snapshot.value(name), ReadEmulatorOption(name, file()));
            }
        }
    }

    void aBatchWritesWhatSingleWritesWouldInOneRewrite_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray lf = fixtureIni();
        QByteArray crlf = lf;
        QTest::newRow("MAME 0.251 with LF and a BOM") << lf;
        QTest::newRow("CR LF") << crlf.replace("\n", "\r\n");
        QTest::newRow("last line without a break") << lf + "gamma                     0.5";
        QTest::newRow("duplicated option lines") << lf + "gamma                     0.5\nvolume  -3\n";
        QTest::newRow("100 KB value") << lf + "effect                    " + kHugeValue + "\n";
    }
    void aBatchWritesWhatSingleWritesWouldInOneRewrite() {
        QFETCH(QByteArray, content);
        const QList<OptionWrite> writes{{QStringLiteral("gamma"), 21, QStringLiteral("1.25")},
                                        {QStringLiteral("volume"), 20, QStringLiteral("-12")},
                                        {QStringLiteral("frameskip"), 17, QStringLiteral("3")},
                                        {QStringLiteral("no_such_option"), 12, QStringLiteral("1")}};
        writeFile(file(), content);
        for (const OptionWrite &write : writes) {
            QVERIFY(WriteEmulatorOption(write.name, write.gap, write.value, file()));
        }
        const QByteArray expected = readFile(file());
        writeFile(file(), content);
        const OptionWriteResult result = WriteEmulatorOptions(writes, file());
        QVERIFY(result.ok);
        QCOMPARE(readFile(file()), expected);
        QVERIFY(expected.startsWith("<UNADORNED0>"));
        QVERIFY(expected.contains("\nframeskip                 3") &&
                expected.contains("\ngamma                     1.25"));
        QVERIFY(!expected.contains("no_such_option"));
    }

    void aFirstLineThatIsAnOptionStays() {
        writeFile(file(), "gamma  1.0\nvolume  0\n");
        QVERIFY(WriteEmulatorOptions({{QStringLiteral("volume"), 20, QStringLiteral("-3")}}, file()).ok);
        QCOMPARE(readFile(file()), QByteArray("gamma  1.0\nvolume                    -3\n"));
    }

    void aFileTheWritesDoNotChangeIsNotRewritten() {
        writeFile(file(), "# only a comment\n");
        const OptionWriteResult result =
            WriteEmulatorOptions({{QStringLiteral("gamma"), 21, QStringLiteral("1")}}, file());
        QVERIFY(result.ok && result.linesReplaced == 0);
        QCOMPARE(readFile(file()), QByteArray("# only a comment\n"));
        QVERIFY(!WriteEmulatorOptions({{QStringLiteral("gamma"), 21, QStringLiteral("1")}},
                                      m_dir.filePath(QStringLiteral("missing.ini")))
                     .ok);
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("missing.ini"))));
    }

    void aFileThatCannotBeWrittenStaysWhole() {
        const QString folder = m_dir.filePath(QStringLiteral("locked"));
        const QString path = folder + QStringLiteral("/pacman.ini");
        writeFile(path, fixtureIni());
        ReadOnlyFolder locked(folder);
        if (!locked.isReadOnly()) {
            QSKIP("this file system cannot make a folder read-only");
        }
        const OptionWriteResult result =
            WriteEmulatorOptions({{QStringLiteral("gamma"), 21, QStringLiteral("1.25")}}, path);
        QVERIFY(!result.ok && result.error.contains(path) &&
                result.error.contains(QStringLiteral("unchanged")));
        QCOMPARE(readFile(path), fixtureIni());
    }
};

QTEST_GUILESS_MAIN(OptionFileLinesTest)
#include "OptionFileLinesTest.moc"
