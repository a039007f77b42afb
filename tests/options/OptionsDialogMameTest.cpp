// The options dialog against Debian's MAME 0.251: what the dialog writes for a set and for a driver is what
// MAME reads when it runs that set.
#include "FakeDisplayModes.h"
#include "ScriptedUserPrompts.h"
#include "options/OptionsDialog.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace qx;
using namespace qx::test;

namespace {

const QString kMame = QStringLiteral("/usr/games/mame");

} // namespace

class OptionsDialogMameTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString m_emulatorDir; // MAME's per-user folder, first on Debian's inipath "$HOME/.mame;/etc/mame"
    ScriptedUserPrompts m_prompts;
    FakeDisplayModes m_modes;

    QProcess *mame(const QStringList &arguments) {
        auto *process = new QProcess(this);
        process->setWorkingDirectory(m_emulatorDir);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(kMame, arguments);
        return process;
    }

    // Pong runs until it is stopped, unless an option file tells it how long to run: the output of a run
    // that ended by itself within 20 s, else nullopt.
    std::optional<QString> runPong(const QStringList &extra = {}) {
        QProcess *process = mame(QStringList{"pong", "-video", "none", "-sound", "none"} + extra);
        if (process->waitForFinished(20000) && process->exitStatus() == QProcess::NormalExit &&
            process->exitCode() == 0) {
            return QString::fromLocal8Bit(process->readAll());
        }
        process->kill();
        process->waitForFinished();
        return std::nullopt;
    }

    // Opens the options dialog of a scope for pong as the main window will, sets "Seconds to run" and
    // presses OK.
    int setSecondsToRun(OptionsMenuEntry entry, const QString &seconds) {
        OptionsDialogContext context(m_prompts, m_modes);
        context.scope =
            OptionScope::forEntry(entry, {QStringLiteral("pong"), {}, QStringLiteral("atari/pong.cpp")});
        context.emulatorIniPath = m_emulatorDir + QStringLiteral("mame.ini");
        context.emulatorDir = m_emulatorDir;
        context.monitorNames = MonitorNames();
        context.run = [&](QDialog &dialog) {
            dialog.show();
            auto *box = dialog.findChild<QLineEdit *>(QStringLiteral("txtSecondsToRun"));
            box->selectAll();
            QTest::keyClicks(box, seconds);
            dialog.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
            return dialog.result();
        };
        return OpenOptionsDialog(context);
    }

private Q_SLOTS:
    void initTestCase() {
        if (!QFile::exists(kMame)) {
            QSKIP("Debian's MAME (/usr/games/mame) is not installed");
        }
        // MAME and the dialog both expand $HOME in inipath.
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("SDL_VIDEODRIVER", "dummy");
        m_emulatorDir = m_home.path() + QStringLiteral("/.mame/");
        QVERIFY(QDir().mkpath(m_emulatorDir));
        QProcess *config = mame({QStringLiteral("-createconfig")});
        QVERIFY(config->waitForFinished(60000));
        QVERIFY(QFile::exists(m_emulatorDir + QStringLiteral("mame.ini")));
    }

    // pong runs for a second only when MAME read the file: verbose MAME names the driver file it parses.
    void mameReadsTheFileTheDialogWrote_data() {
        QTest::addColumn<OptionsMenuEntry>("entry");
        QTest::addColumn<QString>("file");
        QTest::newRow("set") << OptionsMenuEntry::SetOptions << "pong.ini";
        QTest::newRow("driver") << OptionsMenuEntry::DriverOptions << "source/pong.ini";
    }
    void mameReadsTheFileTheDialogWrote() {
        QFETCH(OptionsMenuEntry, entry);
        QFETCH(QString, file);
        QCOMPARE(setSecondsToRun(entry, QStringLiteral("1")), int(QDialog::Accepted));
        const std::optional<QString> output = runPong({QStringLiteral("-verbose")});
        QVERIFY(QFile::remove(m_emulatorDir + file));
        QVERIFY(output && output->contains(QLatin1String("Parsing ") + file));
        QCOMPARE(m_prompts.shownTexts(), QStringList());
    }
};

QTEST_MAIN(OptionsDialogMameTest)
#include "OptionsDialogMameTest.moc"
