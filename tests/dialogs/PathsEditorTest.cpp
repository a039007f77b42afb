#include "dialogs/PathsEditor.h"

#include "EnvironmentScope.h"
#include "PathsTestSetup.h"
#include "ReadOnlyFolder.h"
#include "ScriptedUserPrompts.h"

#include <QDir>
#include <QTest>
#include <optional>

using namespace qx;
using namespace qx::test;

class PathsEditorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Three ROM folders added over two openings of the dialog in one run; the first may be answered No.
    void romChangeQuestionAskedOncePerRun_data() {
        QTest::addColumn<QString>("confirmVerify");
        QTest::addColumn<bool>("confirmedBefore"); // the first run's own ROM-path step
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("rompath");
        QTest::newRow("No abandons that change only") << "1" << false << int(PromptAnswer::No) << "/r;/B;/C";
        QTest::newRow("Yes") << "1" << false << int(PromptAnswer::Yes) << "/r;/A;/B;/C";
        QTest::newRow("ConfirmVerify 0") << "0" << false << -1 << "/r;/A;/B;/C";
        QTest::newRow("first run") << "1" << true << -1 << "/r;/A;/B;/C";
    }
    void romChangeQuestionAskedOncePerRun() {
        QFETCH(QString, confirmVerify);
        QFETCH(bool, confirmedBefore);
        QFETCH(int, answer);
        QFETCH(QString, rompath);
        PathsFixture f(OptionLines{{"rompath", "/r"}});
        f.frontend.write(Settings::ConfirmVerify, confirmVerify);
        f.romChangeConfirmed = confirmedBefore;
        ScriptedUserPrompts prompts;
        prompts.queueAnswer(PromptAnswer(std::max(answer, 0)));
        for (const QString &folder : QStringList{"/A", "/B", "/C"}) {
            prompts.queueFolder(folder);
        }
        PathsEditor first(f.mameIni, f.emulatorDir, f.settings, prompts, f.romChangeConfirmed);
        first.add();
        first.add();
        PathsEditor(f.mameIni, f.emulatorDir, f.settings, prompts, f.romChangeConfirmed).add();
        QVERIFY(f.mameIniContent().contains(PathsFixture::line("rompath", rompath + '\n')));
        QCOMPARE(prompts.pendingAnswers(), answer < 0 ? 1 : 0);
        QVERIFY(first.result().romPathsChanged);
    }

    void missingOptionAndLastFolderCannotChange() {
        PathsFixture f(OptionLines{{"rompath", "/only"}, {"snapshot_directory", "snap"}});
        ScriptedUserPrompts prompts;
        f.romChangeConfirmed = true;
        PathsEditor editor(f.mameIni, f.emulatorDir, f.settings, prompts, f.romChangeConfirmed);
        const QByteArray before = f.mameIniContent();
        QVERIFY(!editor.buttons(0).remove && editor.remove(0) == PathEdit::Unchanged);
        editor.selectKind(PathKind::MemoryCards); // MAME 0.251 has no memcard_directory
        prompts.queueFolder(QStringLiteral("/cards"));
        QVERIFY(!editor.optionPresent() && editor.folders().isEmpty() && !editor.buttons(0).change);
        QVERIFY(editor.change(0) == PathEdit::Unchanged && f.mameIniContent() == before);
        editor.selectKind(PathKind::Roms);
        prompts.queueFolder(QStringLiteral("/more"));
        QCOMPARE(editor.add(), PathEdit::Written);
        QVERIFY(editor.buttons(0).remove && !editor.buttons(-1).remove && !editor.buttons(-1).change);
        editor.selectKind(PathKind::Snapshots);
        QVERIFY(!editor.buttons(0).add && !editor.buttons(0).remove && editor.buttons(0).change);
    }

    void foldersWrittenAsMameReadsThem_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("line");  // "" when refused with one message: the files stay as they were
        QTest::addColumn<bool>("readOnly"); // mame.ini in a folder that cannot be written
        const QString longPath = QLatin1Char('/') + QString(3999, QLatin1Char('x'));
        QStringList few, many;
        for (int i = 0; i < 200; ++i) {
            few.append(QStringLiteral("/r/%1").arg(i));
            many.append(QStringLiteral("/home/me/games/arcade/roms/%1").arg(i));
        }
        const QString rompath = QStringLiteral("rompath                   ");
        using K = PathKind;
        const auto row = [](const char *name, K kind, const QString &stored, const QString &picked,
                            const QString &line, bool readOnly = false) {
            QTest::newRow(name) << int(kind) << stored << picked << line << readOnly;
        };
        row("path of 4,000", K::Roms, "/a", longPath, rompath + "/a;" + longPath);
        row("200 folders", K::Roms, few.join(';'), "/n", rompath + few.join(';') + ";/n");
        row("line MAME cannot read", K::Roms, many.join(';'), "/n", "");
        row("semicolon", K::Roms, "/a", "/b;c", "");
        row("quote", K::Snapshots, "snap", "/my \"snaps\"", "");
        row("read-only", K::Roms, "/a", "/b", "", true);
        row("inipath keeps . first", K::IniFiles, "$HOME/.mame;.;/etc/mame", "/i",
            "inipath                   .;$HOME/.mame;/etc/mame;/i");
        row("one folder, blank", K::Snapshots, "snap", "/my snaps",
            "snapshot_directory        \"/my snaps\"");
        row("picture too long", K::Pictures, "", QString(300, QLatin1Char('p')), "");
        row("picture bare", K::Pictures, "", "/my pics", "picturepath=/my pics\r");
    }
    void foldersWrittenAsMameReadsThem() {
        QFETCH(int, kind);
        QFETCH(QString, stored);
        QFETCH(QString, picked);
        QFETCH(QString, line);
        QFETCH(bool, readOnly);
        const PathKindInfo &info = InfoOf(PathKind(kind));
        PathsFixture f(OptionLines{{info.option, stored}});
        f.romChangeConfirmed = true;
        ScriptedUserPrompts prompts;
        prompts.queueFolder(picked);
        PathsEditor editor(f.mameIni, f.emulatorDir, f.settings, prompts, f.romChangeConfirmed);
        editor.selectKind(info.kind);
        const auto files = [&f] {
            return f.mameIniContent() + readFile(f.frontend.path());
        };
        const QByteArray before = files();
        std::optional<ReadOnlyFolder> locked;
        if (readOnly && !locked.emplace(f.emulatorDir).isReadOnly()) {
            QSKIP("the folder cannot be made read-only here");
        }
        const PathEdit outcome = info.manyFolders ? editor.add() : editor.change(0);
        if (line.isEmpty()) {
            QCOMPARE(outcome, PathEdit::Refused);
            QCOMPARE(prompts.shown().size(), 2); // the picker and one warning
            QCOMPARE(prompts.shown().constLast().icon, PromptIcon::Warning);
            QCOMPARE(files(), before);
            QVERIFY(!editor.anyWritten() && !editor.result().romPathsChanged);
        } else {
            QCOMPARE(outcome, PathEdit::Written);
            QVERIFY(files().contains(line.toUtf8() + '\n'));
            QCOMPARE(editor.folders().constLast(), picked);
            QCOMPARE(editor.result().romPathsChanged, info.kind == PathKind::Roms);
        }
    }

    // A folder is added starting from the last listed folder of the user's own that exists (however it is
    // written), else from the home folder: never from a system folder. A missing folder changes from home.
    void addingStartsInAFolderOfTheUsersOwn_data() {
        QTest::addColumn<QString>("rompath"); // %H: the home folder
        QTest::addColumn<QString>("start");
        QTest::newRow("none of the user's own") << "%H/gone;/usr/share;/usr"
                                                << "%H";
        QTest::newRow("own folder") << "%H/roms;/usr/share"
                                    << "%H/roms";
        QTest::newRow("the last own folder") << "$HOME/roms;${HOME}/more/;/usr;%H/gone"
                                             << "%H/more";
    }
    void addingStartsInAFolderOfTheUsersOwn() {
        QFETCH(QString, rompath);
        QFETCH(QString, start);
        QTemporaryDir home;
        const EnvironmentScope homeScope("HOME", home.path().toUtf8());
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("roms"))) &&
                QDir().mkpath(home.filePath(QStringLiteral("more"))));
        PathsFixture f(OptionLines{{"rompath", rompath.replace(QStringLiteral("%H"), home.path())}});
        ScriptedUserPrompts prompts;
        PathsEditor editor(f.mameIni, f.emulatorDir, f.settings, prompts, f.romChangeConfirmed);
        QCOMPARE(editor.add(), PathEdit::Unchanged); // the picker is cancelled
        QCOMPARE(prompts.shown().constLast().fileRequest.initialFolder, start.replace("%H", home.path()));
        QCOMPARE(editor.change(0), PathEdit::Unchanged);
        QCOMPARE(prompts.shown().constLast().fileRequest.initialFolder,
                 editor.folderFound(0) ? home.filePath(QStringLiteral("roms")) : home.path());
    }
};

QTEST_GUILESS_MAIN(PathsEditorTest)
#include "PathsEditorTest.moc"
