#include "catalogue/Crc32.h"

#include "TableCrc32.h"
#include "TestDirs.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace qx;

class Crc32Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // zlib's CRC is the one the table gave, so a crc32 key written before still matches the same MAME.
    void zlibEqualsTheTable_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("file");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("one byte") << QByteArray("a") << QString();
        QTest::newRow("check value") << QByteArray("123456789") << QString();
        QByteArray random(1 << 20, Qt::Uninitialized);
        QRandomGenerator(17).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
        QTest::newRow("1 MB random") << random << QString();
        QTest::newRow("Debian's MAME") << QByteArray() << QStringLiteral("/usr/games/mame");
    }
    void zlibEqualsTheTable() {
        QFETCH(QByteArray, content);
        QFETCH(QString, file);
        QTemporaryDir dir;
        if (file.isEmpty()) {
            file = dir.filePath(QStringLiteral("mame"));
            test::writeFile(file, content);
        } else if (!QFile::exists(file)) {
            QSKIP("Debian's MAME is not installed");
        }
        const std::optional<quint32> expected = test::TableCrc32().ofFile(file);
        QVERIFY(expected);
        QCOMPARE(FileCrcText(file), std::optional<QString>(CrcText(*expected)));
        if (!content.isEmpty()) {
            QCOMPARE(ByteArrayCrc32(content), *expected);
        }
    }

    void textIsUpperCaseHexWithoutLeadingZeros() {
        QCOMPARE(CrcText(ByteArrayCrc32("123456789")), QStringLiteral("CBF43926"));
        QCOMPARE(CrcText(ByteArrayCrc32("ae")), QStringLiteral("E7DDCE"));
        QCOMPARE(CrcText(0), QStringLiteral("0"));
    }

    void missingFileOrFolderHasNoCrc() {
        QTemporaryDir dir;
        QCOMPARE(FileCrcText(dir.filePath(QStringLiteral("gone"))), std::nullopt);
        QCOMPARE(FileCrcText(dir.path()), std::nullopt);
    }

    void theWindowThreadKeepsServingEventsWhileABigFileIsRead() {
        QTemporaryDir dir;
        QFile big(dir.filePath(QStringLiteral("big")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(300LL << 20));
        big.close();
        int ticks = 0;
        QTimer timer;
        timer.setInterval(1);
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start();
        const std::optional<QString> crc = FileCrcText(big.fileName());
        timer.stop();
        QVERIFY(crc);
        QVERIFY2(ticks > 0, "the timer never fired while the CRC was computed");
    }
};

QTEST_GUILESS_MAIN(Crc32Test)
#include "Crc32Test.moc"
