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
