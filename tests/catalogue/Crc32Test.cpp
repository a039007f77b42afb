#include "TestDirs.h"
#include "catalogue/BinaryFileStream.h"
#include "catalogue/Crc32.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qx;

class Crc32Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileCrcText_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty file is 0") << QByteArray() << QStringLiteral("0");
        QTest::newRow("abc") << QByteArray("abc") << QStringLiteral("352441C2");
        QTest::newRow("check value") << QByteArray("123456789") << QStringLiteral("CBF43926");
        QTest::newRow("no leading zeros") << QByteArray("ae") << QStringLiteral("E7DDCE");
        QByteArray large(20000, Qt::Uninitialized);
        for (int i = 0; i < large.size(); ++i) {
            large[i] = char((i * 7 + 3) % 256);
        }
        QTest::newRow("spans several 8 KB chunks") << large << QStringLiteral("DEBDA163");
    }
    void fileCrcText() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mame"));
        test::writeFile(path, content);
        QCOMPARE(FileCrcText(path), std::optional<QString>(expected));
        QCOMPARE(CrcText(cCRC32().GetByteArrayCrc32(content)), expected);
    }

    void missingFileIsAnErrorTheCallerSees() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gone"));
        cBinaryFileStream stream;
        QVERIFY(!stream.setFile(path));
        QVERIFY(stream.errorString().contains(path));
        QCOMPARE(FileCrcText(path), std::nullopt);
        QCOMPARE(FileCrcText(dir.path()), std::nullopt); // a folder is no file either
    }

    void streamReadsToTheEndAndThenNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data"));
        test::writeFile(path, "0123456789");
        cBinaryFileStream stream;
        QVERIFY(stream.setFile(path));
        QCOMPARE(stream.File(), path);
        QCOMPARE(stream.Length(), 10);
        char buffer[8];
        QCOMPARE(stream.Read(buffer, 8), 8);
        QCOMPARE(QByteArray(buffer, 8), QByteArray("01234567"));
        QCOMPARE(stream.Read(buffer, 8), 2);
        QCOMPARE(QByteArray(buffer, 2), QByteArray("89"));
        QCOMPARE(stream.Read(buffer, 8), 0);
        stream.Dispose();
        QVERIFY(!stream.isOpen());
        QCOMPARE(stream.Read(buffer, 8), 0);
    }
};

QTEST_GUILESS_MAIN(Crc32Test)
#include "Crc32Test.moc"
