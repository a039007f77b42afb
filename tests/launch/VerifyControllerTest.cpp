#include "launch/VerifyController.h"

#include "LaunchTestSetup.h"
#include "catalogue/SetListCache.h"
#include "dialogs/VerifyOutputWindow.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using namespace qx;
using namespace qx::test;

namespace {

const QByteArray kCache = "galaga=Galaga==Namco=1981=good=2=galaga.cpp=no\r\n"
                          "pacman=Pac-Man=puckman=Namco=1980=good=1=pacman.cpp=no\r\n";

// What the verify output window showed before the test closed it with Escape.
struct ShownWindow {
    bool shown = false;
    QString title;
    QString text;
    QFont font;
    bool samplesChecked = false;
};

void closeOutputWindowWhenShown(VerifyController &verify, ShownWindow &seen, bool toggleSamples) {
    auto *poll = new QTimer(&verify);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [&verify, &seen, poll, toggleSamples] {
        VerifyOutputWindow *window = verify.outputWindow();
        if (!window || !window->isVisible()) {
            return;
        }
        seen.shown = true;
        seen.title = window->windowTitle();
        seen.text = window->outputText();
        seen.font = window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->font();
        auto *samples = window->findChild<QAction *>(QStringLiteral("mnuOptionsSamples"));
        seen.samplesChecked = samples->isChecked();
        if (toggleSamples) {
            samples->trigger();
        }
        // To the window's focused text, as the user's key: whether the window is active yet is the desktop's.
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
        poll->deleteLater();
    });
    poll->start();
}

struct VerifySetup : LaunchSetup {
    VerifySetup() {
        QFile::link(fixturesDir() + QStringLiteral("/launch/verify"),
                    emulatorDir + QStringLiteral("standin-fixtures"));
        writeFile(window->state().cachePath(), kCache);
        window->catalogue() = LoadSetList(window->state().cachePath(), true);
    }
};

} // namespace

class VerifyControllerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verifySetCorrectsTheSetAndShowsMameAnswer() {
        VerifySetup setup;
        setup.host->selected = [] {
            SelectedSet galaga;
            galaga.name = QStringLiteral("galaga");
            return galaga;
        };
        setup.window->attachParts();
        VerifyController &verify = setup.window->verifier();
        ShownWindow seen;
        closeOutputWindowWhenShown(verify, seen, true);

        setup.window->actions().find(QStringLiteral("mnuItemPopupVerify"))->trigger();

        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QStringLiteral("galaga"));
        QCOMPARE(seen.text, QStringLiteral("romset galaga is good\n\nsampleset galaga is good\n"));
        QCOMPARE(seen.font, setup.window->findChild<QWidget *>(QStringLiteral("lvListView"))->font());
        QVERIFY(seen.samplesChecked);
        QVERIFY(!setup.window->state().checksamples); // toggled from the window
        QCOMPARE(setup.host->setStates,
                 (QList<QPair<QString, SetState>>{{QStringLiteral("galaga"), SetState::Available}}));
        const SetCatalogue &catalogue = setup.window->catalogue();
        QCOMPARE(catalogue.at(catalogue.indexOfName(QStringLiteral("galaga"))).toRecord().State,
                 SetState::Available);
        QCOMPARE(readFile(setup.window->state().cachePath()),
                 QByteArray(kCache).replace("good=2=galaga", "good=1=galaga"));
        QVERIFY(!setup.window->isBusy());
        QVERIFY(!QFile::exists(setup.programDir + QStringLiteral("qx_roms.dat")));
    }

    void withoutTheWindowOnlyTheStateChanges() {
        VerifySetup setup;
        setup.settings().write(Settings::VerifyDialog, QStringLiteral("0"));
        VerifyController verify(*setup.host);

        verify.VerifySet(QStringLiteral("pacman")); // "is bad" while shown available

        QCOMPARE(setup.host->setStates,
                 (QList<QPair<QString, SetState>>{{QStringLiteral("pacman"), SetState::Unavailable}}));
        QCOMPARE(setup.calls().size(), 1); // no sample check without the window
        QVERIFY(setup.prompts.shown().isEmpty());
        QVERIFY(!setup.window->isBusy());
    }

    void vanishedMameIsReportedAndNothingChanges() {
        VerifySetup setup;
        setup.settings().write(Settings::VerifyDialog, QStringLiteral("0"));
        QFile::remove(setup.emulator);
        VerifyController verify(*setup.host);

        verify.VerifySet(QStringLiteral("pacman"));

        QVERIFY(setup.host->setStates.isEmpty());
        QCOMPARE(readFile(setup.window->state().cachePath()), kCache);
        QCOMPARE(setup.prompts.shown().size(), 1);
        QVERIFY(setup.prompts.shown().first().text.startsWith(QStringLiteral("MAME could not be started: ")));
        QVERIFY(!setup.window->isBusy());
    }

    void outputWindowClosesAndTogglesTheSampleCheck() {
        ProgramState state;
        state.checksamples = false;
        QFont font(QStringLiteral("Courier"), 13);
        QPalette colours;
        colours.setColor(QPalette::Base, Qt::black);
        colours.setColor(QPalette::Text, Qt::yellow);
        VerifyOutputWindow window(state, font, colours);
        window.setOutputText(QStringLiteral("romset pong is best available"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::yellow));
        QCOMPARE(text->font().pointSize(), 13);
        QCOMPARE(window.objectName(), QStringLiteral("frmDialog"));

        auto *samples = window.findChild<QAction *>(QStringLiteral("mnuOptionsSamples"));
        QVERIFY(!samples->isChecked());
        samples->trigger();
        QVERIFY(state.checksamples);

        window.findChild<QAction *>(QStringLiteral("mnuClose"))->trigger();
        QVERIFY(!window.isVisible());
    }

    void verifyAllSetsAsksFirst_data() {
        QTest::addColumn<QString>("confirmVerify");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("refreshed");
        QTest::newRow("asked, no") << QStringLiteral("1") << false << true << false;
        QTest::newRow("asked, yes") << QStringLiteral("1") << true << true << true;
        QTest::newRow("not asked") << QStringLiteral("0") << false << false << true;
    }
    void verifyAllSetsAsksFirst() {
        QFETCH(QString, confirmVerify);
        QFETCH(bool, answerYes);
        QFETCH(bool, asked);
        QFETCH(bool, refreshed);
        LaunchSetup setup; // the stand-in's usual fixtures: it answers -help as MAME
        setup.settings().write(Settings::ConfirmVerify, confirmVerify);
        if (answerYes) {
            setup.prompts.queueAnswer(PromptAnswer::Yes);
        }
        int refreshes = 0;
        setup.host->refresh = [&] {
            ++refreshes;
        };
        setup.window->attachParts();

        setup.window->actions().find(QStringLiteral("mnuPopupVerify"))->trigger();

        QCOMPARE(setup.prompts.shown().size(), asked ? 1 : 0);
        if (asked) {
            const ShownPrompt &question = setup.prompts.shown().first();
            QCOMPARE(question.text, QStringLiteral("Verify all sets?"));
            QCOMPARE(question.buttons, PromptButtons::YesNo);
            QCOMPARE(question.defaultButton, PromptAnswer::No);
        }
        QCOMPARE(refreshes, refreshed ? 1 : 0);
        QCOMPARE(setup.calls().size(), refreshed ? 1 : 0);
        if (refreshed) {
            QCOMPARE(setup.calls().first().args, QStringList{QStringLiteral("-help")});
            const QString version = setup.settings().read(Settings::Version);
            QVERIFY(version.startsWith(QStringLiteral("MAME v")));
            QCOMPARE(setup.window->windowTitle(), version + QStringLiteral(" - Quorvex"));
        }
    }
};

QTEST_MAIN(VerifyControllerTest)
#include "VerifyControllerTest.moc"
