#include "options/OptionModel.h"

#include "TestDirs.h"
#include "options/OptionEnabling.h"
#include "options/OptionFileSnapshot.h"
#include "options/OptionFiles.h"
#include "options/OptionLayers.h"
#include "options/OptionScope.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

namespace {

using Id = OptionId;

QStringList lines(const QList<OptionWrite> &writes) {
    QStringList result;
    for (const OptionWrite &write : writes) {
        const bool column27 = write.name.size() + write.gap == 26;
        result.append(write.name + (column27 ? QStringLiteral(" ") : QStringLiteral(" [not in column 27] ")) +
                      write.value);
    }
    return result;
}

const OptionInfo &optionNamed(const QString &name) {
    return *std::find_if(AllOptions().begin(), AllOptions().end(),
                         [&name](const OptionInfo &option) { return option.name == name; });
}

} // namespace

class OptionModelTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void valuesConvertBothWays_data() { addFixtureRows(QStringLiteral("options/values.txt")); }
    void valuesConvertBothWays() {
        QFETCH(QStringList, cells);
        const auto controlValue = [](const QString &cell) {
            const QStringList parts = cell.split(QLatin1Char(','));
            return ControlValue{parts.value(0).toInt(), parts.value(1), parts.value(2)};
        };
        const OptionInfo &info = optionNamed(cells[1]);
        const ControlValue loaded = controlValue(cells[2]);
        const QString shown = cells[3];
        OptionModel model = OptionModel::load(OptionFileSnapshot::fromContent(mameIniWith(cells[0])));
        QCOMPARE(model.value(info.id), loaded);
        if (info.kind == ControlKind::Slider) {
            QCOMPARE(SliderLabel(info, loaded.number), shown);
        } else if (info.kind == ControlKind::Resolution) {
            QCOMPARE(SizeEntry(loaded) + QLatin1Char(' ') + RefreshEntry(loaded), shown);
        } else if (!shown.isEmpty()) {
            QCOMPARE(ShownEntries(info, model.loaded(info.id)).value(ShownIndex(info, loaded)), shown);
        }
        model.setValue(info.id, controlValue(cells[4]));
        model.setChecked(Id::SwitchRes, true);
        const OptionEnvironment fourMonitors{4};
        QCOMPARE(
            lines(model.pendingWrites(fourMonitors)).filter(QRegularExpression("^(?!switchres)")).join("; "),
            cells[5]);
    }

    void enablingFollowsTheGoverningControls_data() {
        addFixtureRows(QStringLiteral("options/enabling.txt"));
    }
    void enablingFollowsTheGoverningControls() {
        QFETCH(QStringList, cells);
        OptionModel model = OptionModel::load(OptionFileSnapshot::fromContent(mameIniWith(cells[0])));
        const OptionEnvironment environment{cells[1].toInt()};
        QStringList enabled, disabled;
        for (const QString &name : QString(cells[2] + ' ' + cells[3]).split(' ', Qt::SkipEmptyParts)) {
            const OptionInfo &info = optionNamed(name);
            if (IsOptionEnabled(model, info.id, environment)) {
                enabled.append(name);
                continue;
            }
            disabled.append(name);
            model.setNumber(info.id, info.maximum);
            QVERIFY2(model.pendingWrites(environment).isEmpty(), qPrintable(name));
        }
        QCOMPARE(enabled.join(' ') + " | " + disabled.join(' '), cells[2] + " | " + cells[3]);
        QCOMPARE(RunsWithoutVideo(model), cells[0] == QLatin1String("video=none"));
    }

    // The stand-in's mame.ini is MAME 0.251's own: the options it lacks are the ones real MAME lacks, and
    // they show as missing (nothing to tick).
    void optionsMame0251LacksAreDisabled() {
        OptionModel fixture =
            OptionModel::read(QDir(fixturesDir()).filePath(QStringLiteral("standin/mame.ini")));
        QVERIFY(!CabinetArtworkTicked(fixture));
        SetCabinetArtwork(fixture, true);
        QVERIFY(!CabinetArtworkTicked(fixture)); // none of the three is there to tick
        if (!QFile::exists(QStringLiteral("/usr/games/mame"))) {
            QSKIP("Debian's MAME (/usr/games/mame) is not installed to write its own mame.ini");
        }
        QProcess mame;
        mame.setWorkingDirectory(m_dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.path());
        mame.setProcessEnvironment(environment);
        mame.start(QStringLiteral("/usr/games/mame"), {QStringLiteral("-createconfig")});
        QVERIFY(mame.waitForFinished(60000));
        const OptionModel model = OptionModel::read(m_dir.filePath(QStringLiteral("mame.ini")));
        for (const OptionInfo &info : AllOptions()) {
            QVERIFY2(model.isPresent(info.id) == fixture.isPresent(info.id), qPrintable(info.name));
            QCOMPARE(model.loaded(info.id).note,
                     model.isPresent(info.id) ? LoadNote::None : LoadNote::Missing);
        }
    }

    void layersShowWhereAValueComesFrom() {
        const QString emulator = m_dir.filePath(QStringLiteral("layers/")), ini = emulator + "mame.ini";
        writeFile(ini, mameIniWith(QStringLiteral("inipath=.;ini")));
        writeFile(emulator + QStringLiteral("ini/raster.ini"), "#\ngamma 1.2\nror 1\n");
        writeFile(emulator + QStringLiteral("pacman.ini"),
                  "#\ngamma      1.50\n"); // "." comes first on inipath
        const OptionScope scope = OptionScope::forEntry(
            OptionsMenuEntry::SetOptions,
            {QStringLiteral("puckman"), QStringLiteral("pacman"), QStringLiteral("pacman.cpp")});
        const OptionLayers layers = OptionLayers::load(scope, ini, emulator);
        QCOMPARE(layers.layers().size(), 4); // mame.ini, raster.ini, source/pacman.ini (missing), pacman.ini
        OptionModel model = OptionModel::read(OptionFileForScope(scope, ini, emulator).path);
        QCOMPARE(layers.toolTip(Id::Gamma, model),
                 QStringLiteral("mame.ini 1.0 · raster.ini 1.2 · pacman.ini 1.50 · this file 1.0"));
        // Rotation: rotate 1 from mame.ini with ror 1 from raster.ini below.
        QVERIFY(layers.overrides(Id::Gamma, model) && layers.overrides(Id::Rotation, model));
        QCOMPARE(layers.toolTip(Id::Rotation, model).section(QStringLiteral(" · "), 1, 1),
                 QStringLiteral("raster.ini ror 1"));
        QVERIFY(!layers.overrides(Id::Brightness, model));
        QVERIFY(OptionLayers::load(OptionScope(), ini, emulator).layers().isEmpty());
    }
};

QTEST_GUILESS_MAIN(OptionModelTest)
#include "OptionModelTest.moc"
