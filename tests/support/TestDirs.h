#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace qx::test {

// Writes a file (creating its folder), failing the test on error.
void writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);

// The folder of the fixture files (tests/fixtures), and one of its files (path relative to it).
QString fixturesDir();
QByteArray readFixture(const QString &relativePath);
// Adds the rows of a fixture table to a data-driven test as its one column, "cells": a row a line, split at
// '|' and trimmed, the first cell naming the row; blank lines and lines starting with '#' are left out.
void addFixtureRows(const QString &relativePath);
// MAME 0.251's mame.ini (the stand-in's fixture, or content) with option lines replaced: "gamma=1.2, ror=1"
// puts the value in column 27; an empty value removes the line.
QByteArray mameIniWith(const QString &values, QByteArray content = {});
// The stand-in emulator built with the tests.
QString standinPath();

// Copies (symlinks) the stand-in emulator into dir under the given name, returning its path; its calls are
// recorded in dir/standin-calls.log (see tests/standin).
QString installStandin(const QString &dir, const QString &name = QStringLiteral("mame"));

} // namespace qx::test
