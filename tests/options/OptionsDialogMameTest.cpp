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

    // Pong runs until it is stopped, unless an option file tells it how long to run: it ends by itself only
    // when MAME read the file, and verbose MAME names the file it parses.
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
        QProcess *pong = mame({"pong", "-video", "none", "-sound", "none", "-verbose"});
        const bool ended = pong->waitForFinished(20000) && pong->exitStatus() == QProcess::NormalExit;
        pong->kill();
        QVERIFY(QFile::remove(m_emulatorDir + file));
        QVERIFY(ended && pong->exitCode() == 0 && pong->readAll().contains("Parsing " + file.toUtf8()));
        QCOMPARE(m_prompts.shownTexts(), QStringList());
    }
};

QTEST_MAIN(OptionsDialogMameTest)
#include "OptionsDialogMameTest.moc"
