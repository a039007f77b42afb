#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace qx::test {

// Writes a file (creating its folder), failing the test on error.
inline void writeFile(const QString &path, const QByteArray &content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.write(content);
}

inline QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The folder of the fixture files (tests/fixtures), and one of its files (path relative to it).
inline QString fixturesDir() {
    return qEnvironmentVariable("QX_FIXTURES");
}
inline QByteArray readFixture(const QString &relativePath) {
    const QByteArray content = readFile(QDir(fixturesDir()).filePath(relativePath));
    if (content.isEmpty()) {
        qFatal("no fixture %s", qPrintable(relativePath));
    }
    return content;
}

// Adds the rows of a fixture table to a data-driven test as its one column, "cells": a row a line, split at
// '|' and trimmed, the first cell naming the row; blank lines and lines starting with '#' are left out.
inline void addFixtureRows(const QString &relativePath) {
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

// MAME 0.251's mame.ini (the stand-in's fixture, or content) with option lines replaced: "gamma=1.2, ror=1"
// puts the value in column 27; an empty value removes the line.
inline QByteArray mameIniWith(const QString &values, QByteArray content = {}) {
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

// The stand-in emulator built with the tests.
inline QString standinPath() {
    return qEnvironmentVariable("QX_STANDIN");
}

// Copies (symlinks) the stand-in emulator into dir under the given name, returning its path; its calls are
// recorded in dir/standin-calls.log (see tests/standin).
inline QString installStandin(const QString &dir, const QString &name = QStringLiteral("mame")) {
    const QString target = QDir(dir).filePath(name);
    QFile::remove(target);
    if (!QFile::link(standinPath(), target)) {
        qFatal("cannot link the stand-in emulator to %s", qPrintable(target));
    }
    return target;
}

} // namespace qx::test
