#include "TestDirs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace qx::test {

void writeFile(const QString &path, const QByteArray &content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.write(content);
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QString fixturesDir() {
    return qEnvironmentVariable("QX_FIXTURES");
}

QByteArray readFixture(const QString &relativePath) {
    const QByteArray content = readFile(QDir(fixturesDir()).filePath(relativePath));
    if (content.isEmpty()) {
        qFatal("no fixture %s", qPrintable(relativePath));
    }
    return content;
}

void addFixtureRows(const QString &relativePath) {
    QTest::addColumn<QStringList>("cells");
    for (const QString &line : QString::fromUtf8(readFixture(relativePath)).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#'))) {
            QStringList cells;
            for (const QString &cell : line.split(QLatin1Char('|'))) {
                cells.append(cell.trimmed());
            }
            QTest::newRow(qPrintable(cells.first())) << cells.mid(1);
        }
    }
}

QByteArray mameIniWith(const QString &values, QByteArray content) {
    if (content.isNull()) {
        content = readFixture(QStringLiteral("standin/mame.ini"));
    }
    for (const QString &pair : values.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QByteArray name = pair.section(QLatin1Char('='), 0, 0).toUtf8();
        const QByteArray value = pair.section(QLatin1Char('='), 1).toUtf8();
        const qsizetype start = content.indexOf("\n" + name + " ") + 1;
        if (start == 0) {
            qFatal("no option %s in mame.ini", name.constData());
        }
        const qsizetype end = content.indexOf('\n', start) + 1;
        content.replace(start, end - start,
                        value.isEmpty() ? QByteArray() : name.leftJustified(26, ' ') + value + '\n');
    }
    return content;
}

QString standinPath() {
    return qEnvironmentVariable("QX_STANDIN");
}

QString installStandin(const QString &dir, const QString &name) {
    const QString target = QDir(dir).filePath(name);
    QFile::remove(target);
    if (!QFile::link(standinPath(), target)) {
        qFatal("cannot link the stand-in emulator to %s", qPrintable(target));
    }
    return target;
}

} // namespace qx::test
