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
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte") << QByteArray("a");
        QByteArray random(1 << 20, Qt::Uninitialized);
        QRandomGenerator(17).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
        QTest::newRow("1 MB random") << random;
        QFile mame(QStringLiteral("/usr/games/mame"));
        QTest::newRow("Debian's MAME") << (mame.open(QIODevice::ReadOnly) ? mame.readAll() : QByteArray("-"));
    }
    void zlibEqualsTheTable() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        test::writeFile(dir.filePath(QStringLiteral("mame")), content);
        QCOMPARE(FileCrcText(dir.filePath(QStringLiteral("mame"))), CrcText(test::TableCrc32(content)));
        QCOMPARE(ByteArrayCrc32(content), test::TableCrc32(content));
    }

    void textIsUpperCaseHexWithoutLeadingZeros() {
        QCOMPARE(CrcText(ByteArrayCrc32("123456789")), QStringLiteral("CBF43926"));
        QCOMPARE(CrcText(ByteArrayCrc32("ae")), QStringLiteral("E7DDCE"));
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
