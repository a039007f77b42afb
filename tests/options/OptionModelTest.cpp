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

Q_DECLARE_METATYPE(qx::ControlValue)

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

// The options MAME 0.251 no longer has.
const QList<Id> kAbsentFromMame0251{
    Id::D3dVersion,         Id::HwStretch, Id::TripleBuffer,   Id::FullScreenGamma, Id::FullScreenBrightness,
    Id::FullScreenContrast, Id::Priority,  Id::Multithreading, Id::UseBackdrops,    Id::UseBezels,
    Id::UseOverlays,        Id::Antialias, Id::Beam,           Id::DualLightgun};

} // namespace

class OptionModelTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void valuesConvertBothWays_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Id>("id");
        QTest::addColumn<ControlValue>("loaded");
        QTest::addColumn<QString>("shown"); // slider label, list entry or size/refresh entries
        QTest::addColumn<ControlValue>("changed");
        QTest::addColumn<QStringList>("written");
        const auto n = [](int number) {
            return ControlValue{number, {}, {}};
        };
        QTest::newRow("gamma") << "gamma=1.2" << Id::Gamma << n(24) << "1.20" << n(25)
                               << QStringList{"gamma 1.25"};
        QTest::newRow("pause brightness") << "pause_brightness=0.65" << Id::PauseBrightness << n(13) << "0.65"
                                          << n(14) << QStringList{"pause_brightness 0.70"};
        QTest::newRow("speed 0") << "speed=1.00" << Id::Speed << n(100) << "1.00" << n(0)
                                 << QStringList{"speed 0.00"};
        QTest::newRow("volume") << "volume=-12" << Id::Volume << n(-12) << "-12dB" << n(0)
                                << QStringList{"volume 0"};
        QTest::newRow("deadzone") << "" << Id::JoystickDeadzone << n(6) << "deadzone: 0.30" << n(5)
                                  << QStringList{"joystick_deadzone 0.25"};
        QTest::newRow("rotation: ror wins over rol")
            << "ror=1, rol=1" << Id::Rotation << n(1) << "Clockwise" << n(2)
            << QStringList{"rotate 1", "ror 0", "rol 1", "autoror 0", "autorol 0"};
        QTest::newRow("rotation: none")
            << "rotate=0, autorol=1" << Id::Rotation << n(3) << "None" << n(5)
            << QStringList{"rotate 1", "ror 0", "rol 0", "autoror 0", "autorol 1"};
        QTest::newRow("resolution with rate")
            << "resolution0=1024x768@60" << Id::Resolution0 << ControlValue{60, "1024x768", {}}
            << "1024x768 60 Hz" << ControlValue{0, "1024x768", {}} << QStringList{"resolution0 1024x768@0"};
        QTest::newRow("resolution rate only")
            << "resolution0=0x0@75" << Id::Resolution0 << ControlValue{75, {}, {}} << "Auto 75 Hz"
            << ControlValue{72, {}, {}} << QStringList{"resolution0 0x0@72"};
        QTest::newRow("resolution auto")
            << "resolution0=800x600" << Id::Resolution0 << ControlValue{0, "800x600", {}} << "800x600 Auto"
            << ControlValue{} << QStringList{"resolution0 auto"};
        QTest::newRow("aspect 4:3") << "aspect0=4:3" << Id::Aspect0 << ControlValue{0, "4", "3"} << ""
                                    << ControlValue{0, "5", "4"} << QStringList{"aspect0 5:4"};
        QTest::newRow("aspect 16:9") << "aspect1=16:9" << Id::Aspect1 << ControlValue{0, "16", "9"} << ""
                                     << ControlValue{1, "16", "9"} << QStringList{"aspect1 auto"};
        QTest::newRow("ctrlr path") << "ctrlr=/usr/share/games/mame/ctrlr/xarcade" << Id::Ctrlr
                                    << ControlValue{0, "/usr/share/games/mame/ctrlr/xarcade", {}} << ""
                                    << ControlValue{0, "/home/me/hotrod", {}} << QStringList{"ctrlr hotrod"};
        QTest::newRow("ctrlr empty") << "" << Id::Ctrlr << ControlValue{0, "default", {}} << ""
                                     << ControlValue{0, "x", {}} << QStringList{"ctrlr x"};
        QTest::newRow("sound none") << "sound=none" << Id::Sound << n(0) << "" << n(1)
                                    << QStringList{"sound auto"};
        QTest::newRow("sound auto") << "" << Id::Sound << n(1) << "" << n(0) << QStringList{"sound none"};
        QTest::newRow("sound pulse") << "sound=pulse" << Id::Sound << n(1) << "" << n(1) << QStringList{};
        QTest::newRow("sound of an older MAME")
            << "sound=0" << Id::Sound << n(0) << "" << n(1) << QStringList{"sound 1"};
        QTest::newRow("video opengl")
            << "" << Id::Video << n(3) << "OpenGL" << n(1) << QStringList{"video soft"};
        QTest::newRow("video unknown kept") << "video=d3d" << Id::Video << ControlValue{-1, "d3d", {}}
                                            << "d3d" << ControlValue{-1, "d3d", {}} << QStringList{};
        QTest::newRow("view unknown replaced")
            << "view0=Upright_Artwork" << Id::View0 << ControlValue{-1, "Upright_Artwork", {}}
            << "Upright_Artwork" << n(3) << QStringList{"view0 cocktail"};
        QTest::newRow("gamma abc") << "gamma=abc" << Id::Gamma << n(2) << "0.10" << n(2) << QStringList{};
        QTest::newRow("gamma 1e300") << "gamma=1e300" << Id::Gamma << n(60) << "3.00" << n(60)
                                     << QStringList{};
        QTest::newRow("gamma 99") << "gamma=99" << Id::Gamma << n(60) << "3.00" << n(60) << QStringList{};
        QTest::newRow("volume 10") << "volume=10" << Id::Volume << n(0) << "0dB" << n(-1)
                                   << QStringList{"volume -1"};
    }
    void valuesConvertBothWays() {
        QFETCH(QString, file);
        QFETCH(Id, id);
        QFETCH(ControlValue, loaded);
        QFETCH(QString, shown);
        QFETCH(ControlValue, changed);
        QFETCH(QStringList, written);
        OptionModel model = OptionModel::load(OptionFileSnapshot::fromContent(mameIniWith(file)));
        const OptionInfo &info = Option(id);
        QCOMPARE(model.value(id), loaded);
        if (info.kind == ControlKind::Slider) {
            QCOMPARE(SliderLabel(info, loaded.number), shown);
        } else if (info.kind == ControlKind::Resolution) {
            QCOMPARE(SizeEntry(loaded) + QLatin1Char(' ') + RefreshEntry(loaded), shown);
        } else if (!shown.isEmpty()) {
            QCOMPARE(ShownEntries(info, model.loaded(id)).value(ShownIndex(info, loaded)), shown);
        }
        model.setValue(id, changed);
        OptionEnvironment fourMonitors{4};
        model.setChecked(Id::SwitchRes, true);
        QCOMPARE(lines(model.pendingWrites(fourMonitors)).filter(QRegularExpression("^(?!switchres)")),
                 written);
    }

    void enablingFollowsTheGoverningControls_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("monitors");
        QTest::addColumn<QList<Id>>("enabled");
        QTest::addColumn<QList<Id>>("disabled");
        QTest::newRow("MAME 0.251 defaults")
            << "" << 1 << QList<Id>{Id::FrameSkip, Id::Samples, Id::Filter, Id::Gamma, Id::KeepAspect}
            << QList<Id>{Id::Maximize, Id::NumScreens, Id::Resolution0, Id::HwStretch, Id::Beam};
        QTest::newRow("window, automatic frame skip, no sound, two monitors")
            << "window=1, autoframeskip=1, sound=none, switchres=1" << 2
            << QList<Id>{Id::Maximize, Id::NumScreens, Id::Resolution3}
            << QList<Id>{Id::FrameSkip, Id::Samples, Id::SampleRate, Id::Volume, Id::AudioLatency};
        QTest::newRow("maximise needs window mode")
            << "maximize=1, window=0" << 1 << QList<Id>{} << QList<Id>{Id::Maximize};
        QTest::newRow("software video")
            << "video=soft" << 1 << QList<Id>{Id::Gamma, Id::WaitVsync, Id::KeepAspect}
            << QList<Id>{Id::Filter};
        QTest::newRow("no video") << "video=none" << 1 << QList<Id>{Id::Throttle}
                                  << QList<Id>{Id::Gamma, Id::PauseBrightness, Id::WaitVsync, Id::KeepAspect};
        QTest::newRow("GDI") << "video=gdi" << 1 << QList<Id>{Id::KeepAspect}
                             << QList<Id>{Id::Contrast, Id::Filter};
    }
    void enablingFollowsTheGoverningControls() {
        QFETCH(QString, file);
        QFETCH(int, monitors);
        QFETCH(QList<Id>, enabled);
        QFETCH(QList<Id>, disabled);
        OptionModel model = OptionModel::load(OptionFileSnapshot::fromContent(mameIniWith(file)));
        const OptionEnvironment environment{monitors};
        for (const Id id : enabled) {
            QVERIFY2(IsOptionEnabled(model, id, environment), qPrintable(Option(id).name));
        }
        for (const Id id : disabled) {
            QVERIFY2(!IsOptionEnabled(model, id, environment), qPrintable(Option(id).name));
            model.setNumber(id, Option(id).maximum);
            QVERIFY2(model.pendingWrites(environment).isEmpty(), qPrintable(Option(id).name));
        }
        QCOMPARE(RunsWithoutVideo(model), file == QLatin1String("video=none"));
    }

    void optionsMame0251LacksAreDisabled() {
        OptionModel fixture =
            OptionModel::read(QDir(fixturesDir()).filePath(QStringLiteral("standin/mame.ini")));
        QCOMPARE(FrameCaption(fixture, QStringLiteral("Gamma correction")),
                 QStringLiteral("Gamma correction"));
        QCOMPARE(FrameCaption(fixture, QStringLiteral("Full screen colour")),
                 QStringLiteral("Full screen colour n/a"));
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
            QVERIFY2(model.isPresent(info.id) != kAbsentFromMame0251.contains(info.id),
                     qPrintable(info.name));
            QCOMPARE(model.isPresent(info.id), fixture.isPresent(info.id));
            QCOMPARE(model.loaded(info.id).note,
                     model.isPresent(info.id) ? LoadNote::None : LoadNote::Missing);
        }
    }

    void layersShowWhereAValueComesFrom() {
        const QString emulator = m_dir.filePath(QStringLiteral("layers/"));
        writeFile(emulator + QStringLiteral("mame.ini"), mameIniWith(QStringLiteral("inipath=.;ini")));
        writeFile(emulator + QStringLiteral("ini/raster.ini"), "#\ngamma 1.2\nror 1\n");
        writeFile(emulator + QStringLiteral("pacman.ini"),
                  "#\ngamma      1.50\n"); // "." comes first on inipath
        const OptionScope scope = OptionScope::forEntry(
            OptionsMenuEntry::SetOptions,
            {QStringLiteral("puckman"), QStringLiteral("pacman"), QStringLiteral("pacman.cpp")});
        const OptionFileResult file =
            OptionFileForScope(scope, emulator + QStringLiteral("mame.ini"), emulator);
        const OptionLayers layers =
            OptionLayers::load(scope, emulator + QStringLiteral("mame.ini"), emulator);
        QCOMPARE(layers.layers().size(), 4); // mame.ini, raster.ini, source/pacman.ini (missing), pacman.ini
        OptionModel model = OptionModel::read(file.path);
        QCOMPARE(layers.toolTip(Id::Gamma, model),
                 QStringLiteral("mame.ini 1.0 · raster.ini 1.2 · pacman.ini 1.50 · this file 1.0"));
        QVERIFY(layers.overrides(Id::Gamma, model));
        model.setNumber(Id::Gamma, 30);
        QVERIFY(!layers.overrides(Id::Gamma, model));
        QVERIFY(layers.overrides(Id::Rotation,
                                 model)); // below: rotate 1 from mame.ini with ror 1 from raster.ini
        QCOMPARE(layers.toolTip(Id::Rotation, model).section(QStringLiteral(" · "), 1, 1),
                 QStringLiteral("raster.ini ror 1"));
        QVERIFY(!layers.overrides(Id::Brightness, model));
        QVERIFY(OptionLayers::load(OptionScope(), emulator + QStringLiteral("mame.ini"), emulator)
                    .layers()
                    .isEmpty());
    }
};

QTEST_GUILESS_MAIN(OptionModelTest)
#include "OptionModelTest.moc"
