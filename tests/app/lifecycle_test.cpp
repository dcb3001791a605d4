// The program's life from start to exit: the load steps and the last-input file, the exit question,
// the other windows, the window geometry record and every write that can fail on the way out.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include "app/last_input.h"
#include "app/lifecycle.h"
#include "app_test_support.h"
#include "model/tvrl.h"
#include "settings_shown.h"
#include "ui/stirrup_dialog.h"

using namespace tavrel;
using namespace tavrel::app;
using namespace tavrel::app::test;

namespace {

// The record as the lines of its file, so that a difference shows as text.
QString recordText(const DesignInput& input) {
    return QString::fromStdString(gbk::decode(tvrl::write(input).value_or("")));
}

const char* const kTextBoxes[] = {"txtHNTKY", "txtHNTKL",  "txtZJGS", "txtGBRZ", "txtTRZ",
                                  "txtTTG",   "txtPZH",    "txtBCH",  "txtPZRZ", "txtBCRZ",
                                  "txtJBHZ",  "txtJBHZKD", "txtJZL",  "txtBDH",  "txtBZH",
                                  "txtGBK",   "txtJKJ",    "txtGZCD", "txtJSKJ", "txtBHC"};
const char* const kCheckBoxes[] = {"chkHNTKY", "chkHNTKL", "chkGBRZ", "chkTRZ",
                                   "chkPZRZ",  "chkBCRZ",  "chkGBK",  "chkJSKJ"};

// A path below an ordinary file: nothing can ever be created there, not even by the superuser.
QString pathBelowAFile(const QTemporaryDir& root, const char* name) {
    const QString blocker = root.filePath(QStringLiteral("blocker-") + QString::fromUtf8(name));
    writeBytes(blocker, "not a folder");
    return blocker + QStringLiteral("/") + QString::fromUtf8(name);
}

void setModified(const QString& path, const QDateTime& time) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

}  // namespace

class LifecycleTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ProgramFixture> f;

  private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void theFirstStartShowsTheDefaultsAndItsExitWritesTheReferenceFile() {
        QVERIFY(f->start());
        QCOMPARE(f->listText("CboHNTDJ"), QStringLiteral("C30"));
        QCOMPARE(f->listText("CboZJDJ"), QStringLiteral("HRB335"));
        QCOMPARE(f->listText("CboSJHZ"), QStringLiteral("公路-I级"));
        QCOMPARE(f->listText("CboZJZJ"), QStringLiteral("25"));
        QCOMPARE(f->listText("CboHJLB"), QStringLiteral("I类环境"));
        QCOMPARE(f->text("txtHNTKY"), QStringLiteral("13.8"));
        QCOMPARE(f->text("txtHNTKL"), QStringLiteral("1.39"));
        QCOMPARE(f->program->results().C2, 1.5f);
        QCOMPARE(f->program->results().C3, 1.15f);
        QVERIFY(f->get<QRadioButton>("Option1").isChecked());
        QVERIFY(f->program->currentFileName().isEmpty());

        QVERIFY(f->exit());
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(f->prompter.messages[0].text,
                 QStringLiteral("所有计算结果和未保存数据将会丢失，真的要退出吗？"));
        QCOMPARE(f->prompter.messages[0].title, QStringLiteral("退出程序"));
        QCOMPARE(f->prompter.messages[0].buttons, ui::MessageButtons::YesNo);
        QCOMPARE(readBytes(f->lastInputPath()), referenceBytes());
        QCOMPARE(QDir(f->folders.program).entryList(QDir::Files | QDir::Hidden), QStringList{"Date.dat"});
    }

    // Hidden inputs keep their texts, unlocked strengths survive the grade's handling, the slab type
    // comes back with its inputs shown.
    void aRestartRestoresEveryFieldIncludingHiddenAndUnlockedOnes() {
        QVERIFY(f->start());
        f->type("txtTTG", QStringLiteral("7.5"));
        f->click("Option2");
        f->choose("CboHNTDJ", QStringLiteral("C40"));
        f->click("chkHNTKY");
        f->type("txtHNTKY", QStringLiteral("20.5"));
        f->choose("CboSJHZ", QStringLiteral("公路-II级"));
        f->choose("CboZJDJ", QStringLiteral("R235"));
        f->choose("CboZJZJ", QStringLiteral("16"));
        f->choose("CboHJLB", QStringLiteral("III类环境"));
        f->click("chkPZRZ");
        f->type("txtPZRZ", QStringLiteral("24"));
        f->click("chkGBK");
        f->type("txtGBK", QStringLiteral("1.24"));
        f->type("txtJBHZ", QStringLiteral("12.5"));
        const DesignInput before = f->window().designInput();

        QVERIFY(f->restart());
        QCOMPARE(recordText(f->window().designInput()), recordText(before));
        QVERIFY(f->get<QRadioButton>("Option2").isChecked());
        QVERIFY(f->get("txtTTG").isHidden());
        QCOMPARE(f->text("txtTTG"), QStringLiteral("7.5"));
        QCOMPARE(f->text("txtHNTKY"), QStringLiteral("20.5"));
        QCOMPARE(f->text("txtHNTKL"), QStringLiteral("1.65"));
        QVERIFY(f->get("txtHNTKY").isEnabled());
        QVERIFY(!f->get("txtHNTKL").isEnabled());
        QVERIFY(f->get("txtPZRZ").isEnabled());
        QVERIFY(f->get("txtGBK").isEnabled());
        QVERIFY(f->program->currentFileName().isEmpty());
    }

    void aLastInputFileIsFoundWhateverTheCaseOfItsNameAndRewrittenUnderIt_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("lower case") << "date.dat";
        QTest::newRow("upper case") << "DATE.DAT";
        QTest::newRow("as created") << "Date.dat";
    }
    void aLastInputFileIsFoundWhateverTheCaseOfItsNameAndRewrittenUnderIt() {
        QFETCH(QString, name);
        QVERIFY(writeBytes(QDir(f->folders.program).filePath(name), inputFile({{8, "C35"}})));
        QVERIFY(f->start());
        QCOMPARE(f->listText("CboHNTDJ"), QStringLiteral("C35"));

        f->choose("CboHNTDJ", QStringLiteral("C40"));
        QVERIFY(f->exit());
        QCOMPARE(QDir(f->folders.program).entryList(QDir::Files | QDir::Hidden), QStringList{name});
        QCOMPARE(readBytes(QDir(f->folders.program).filePath(name)),
                 inputFile({{8, "C40"}, {10, "18.4"}, {12, "1.65"}}));
    }

    // The edition in force at exit is restored at the next start, with the menu and the status bar that
    // show it; a 2004 session's file stays 47 lines.
    void aSessionUnderThe2018EditionIsRestoredUnderIt() {
        using ui::test::SettingsShown;
        QVERIFY(f->start());
        f->trigger("mnuCode2018");
        f->trigger("mnuSafety3");
        f->choose("CboHNTDJ", QStringLiteral("C45"));
        QVERIFY(f->restart());
        QCOMPARE(ui::test::settingsShown(f->window()),
                 (SettingsShown{"mnuCode2018", "mnuSafety3", true, ui::test::k2018Pair}));
        QCOMPARE(f->listText("CboHNTDJ"), QStringLiteral("C45"));
        QCOMPARE(f->text("txtHNTKY"), QStringLiteral("20.5"));
        QCOMPARE(f->listText("CboZJDJ"), QStringLiteral("HRB400"));
        QCOMPARE(f->window().designInput().edition, Edition::Jtg2018);
        QCOMPARE(f->window().designInput().safetyClass, SafetyClass::Third);
        const QByteArray tail = QByteArray::fromStdString(
            gbk::encode("2018                    设计规范\r\n3                    结构安全等级\r\n")
                .value_or(""));
        QVERIFY(readBytes(f->lastInputPath()).endsWith(tail));

        f->trigger("mnuCode2004");
        QVERIFY(f->restart());
        QCOMPARE(f->window().designInput().edition, Edition::Jtg2004);
        QCOMPARE(f->window().designInput().safetyClass, SafetyClass::Second);
        QCOMPARE(ui::test::settingsShown(f->window()),
                 (SettingsShown{"mnuCode2004", "mnuSafety2", false, ui::test::k2004Pair}));
        QCOMPARE(readBytes(f->lastInputPath()), inputFile({{13, "HRB400"}}));
    }

    void aLastInputFileOfFiftyLinesRestoresItsFirst47() {
        QVERIFY(writeBytes(f->lastInputPath(), inputFile({{43, "4.5"}, {47, "3.5"}}, 50)));
        QVERIFY(f->start());
        QCOMPARE(f->text("txtJKJ"), QStringLiteral("4.5"));
        QCOMPARE(f->text("txtBHC"), QStringLiteral("3.5"));
    }

    // Lines 1 to 8: the slab type and the concrete grade arrive, everything after counts as empty.
    void aShortLastInputFileEmptiesTheMissingTextsAndKeepsListsAndChecks() {
        QVERIFY(writeBytes(f->lastInputPath(), inputFile({{2, "0"}, {3, "1"}, {8, "C25"}}, 8)));
        QVERIFY(f->start());
        QVERIFY(f->get<QRadioButton>("Option2").isChecked());
        QCOMPARE(f->listText("CboHNTDJ"), QStringLiteral("C25"));
        QCOMPARE(f->listText("CboZJDJ"), QStringLiteral("HRB335"));
        QCOMPARE(f->listText("CboZJZJ"), QStringLiteral("25"));
        QCOMPARE(f->listText("CboHJLB"), QStringLiteral("I类环境"));
        for (const char* name : kTextBoxes) {
            QVERIFY2(f->text(name).isEmpty(), name);
        }
        for (const char* name : kCheckBoxes) {
            QVERIFY2(!f->ticked(name), name);
        }
    }

    void aLastInputFileWithEditedHeadingsRestoresItsValues() {
        QVERIFY(QFile::copy(sourcePath("tests/data/open_c40_edited_headings.tvrl"), f->lastInputPath()));
        QVERIFY(f->start());
        QVERIFY(f->get<QRadioButton>("Option2").isChecked());
        QCOMPARE(f->listText("CboSJHZ"), QStringLiteral("公路-II级"));
        QCOMPARE(f->listText("CboHNTDJ"), QStringLiteral("C40"));
        QCOMPARE(f->text("txtHNTKY"), QStringLiteral("20.5"));
        QCOMPARE(f->text("txtHNTKL"), QStringLiteral("1.7"));
        QVERIFY(f->ticked("chkHNTKY"));
        QCOMPARE(f->listText("CboZJDJ"), QStringLiteral("R235"));
        QCOMPARE(f->text("txtTTG"), QStringLiteral("1.5"));
        QCOMPARE(f->text("txtJSKJ"), QStringLiteral("4.4"));
        QCOMPARE(f->text("txtBHC"), QStringLiteral("2.5"));
    }

    void closingAsksTheExitQuestionAndNoKeepsEverything_data() {
        QTest::addColumn<bool>("fromTheMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("关闭 command") << true;
    }
    void closingAsksTheExitQuestionAndNoKeepsEverything() {
        QFETCH(bool, fromTheMenu);
        QVERIFY(f->start());
        f->type("txtJKJ", QStringLiteral("4"));
        f->prompter.answers.push_back(ui::Answer::No);
        if (fromTheMenu) {
            f->trigger("mnuFileClose");
        } else {
            f->window().close();
        }
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(f->prompter.messages[0].title, QStringLiteral("退出程序"));
        QVERIFY(f->window().isVisible());
        QCOMPARE(f->text("txtJKJ"), QStringLiteral("4"));
        QVERIFY(!QFileInfo::exists(f->lastInputPath()));
        QVERIFY(f->prompter.settings.empty());

        f->prompter.answers.push_back(ui::Answer::Yes);
        if (fromTheMenu) {
            f->trigger("mnuFileClose");
        } else {
            f->window().close();
        }
        QVERIFY(!f->window().isVisible());
        QCOMPARE(readBytes(f->lastInputPath()), inputFile({{43, "4"}}));
    }

    // The stirrup dialog's closing writes the shear verdict into the main window; it runs before the
    // last input is written, and only once however often closing is requested.
    void closingUnloadsTheStirrupDialogFirstAndOnlyOnce() {
        QVERIFY(f->start());
        f->window().showStirrupDialog();
        auto* dialog = f->window().findChild<ui::StirrupDialog*>();
        QVERIFY(dialog);
        int unloads = 0;
        bool lastInputWrittenBefore = true;
        connect(dialog, &ui::StirrupDialog::unloaded, this, [&] {
            ++unloads;
            lastInputWrittenBefore = QFileInfo::exists(f->lastInputPath());
        });
        QVERIFY(f->exit());
        QVERIFY(f->window().close());
        QCOMPARE(unloads, 1);
        QVERIFY(!lastInputWrittenBefore);
        QVERIFY(dialog->isUnloaded());
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
    }

    // The outer frame, border included: moving a window places its frame; the offscreen platform draws
    // a thin border around the 824-pixel (12360-twip) client area.
    void closingWritesTheOuterFrameInTwips() {
        QVERIFY(f->start());
        f->window().move(100, 60);
        const QRect frame = f->window().frameGeometry();
        QVERIFY(frame.width() > f->window().width());
        QVERIFY(f->exit());
        const std::vector<std::pair<QString, QString>> expected = {
            {"MainLeft", "1500"},
            {"MainTop", "900"},
            {"MainWidth", QString::number(frame.width() * 15)},
            {"MainHeight", QString::number(frame.height() * 15)},
        };
        QCOMPARE(f->prompter.settings, expected);
    }

    void closingWhileMinimizedWritesTheLastInputButNoGeometry() {
        QVERIFY(f->start());
        f->window().showMinimized();
        QVERIFY(f->window().isMinimized());
        QVERIFY(f->exit());
        QVERIFY(f->prompter.settings.empty());
        QCOMPARE(readBytes(f->lastInputPath()), referenceBytes());
    }

    void aSettingsStoreThatFailsGetsAMessageAndTheProgramStillEnds() {
        f->prompter.settingsWritable = false;
        QVERIFY(f->start());
        QVERIFY(f->exit());
        QCOMPARE(f->prompter.messages.size(), std::size_t{2});
        QCOMPARE(f->prompter.messages[1].title, QStringLiteral("Tavrel"));
        QCOMPARE(f->prompter.messages[1].buttons, ui::MessageButtons::Ok);
        QVERIFY(f->prompter.messages[1].text.contains(QStringLiteral("窗口位置")));
        QCOMPARE(readBytes(f->lastInputPath()), referenceBytes());
    }

    // Refusing such a text would lose the whole input at every exit from then on.
    void aTextTheFileCannotCarryIsWrittenAsQuestionMarksAndTheRestIsKept_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("won signs") << "3.5₩₩"
                                   << "3.5??";
        QTest::newRow("emoji") << "3.5😀"
                               << "3.5?";
        QTest::newRow("line break") << "3.5\r\n0.3"
                                    << "3.5??0.3";
    }
    void aTextTheFileCannotCarryIsWrittenAsQuestionMarksAndTheRestIsKept() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QVERIFY(writeBytes(f->lastInputPath(), inputFile({{43, "3"}})));
        QVERIFY(f->start());
        f->type("txtJKJ", typed);
        f->type("txtTTG", QStringLiteral("7"));
        QVERIFY(f->exit());
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(readBytes(f->lastInputPath()), inputFile({{23, "7"}, {43, written}}));
        QVERIFY(!QFileInfo::exists(f->folders.userData));
    }

    // A byte that is no GBK reads as U+FFFD, which GBK cannot hold either: it comes back as "?".
    void aDamagedByteInTheLastInputFileCostsOnlyItsOwnCharacter() {
        QByteArray damaged = inputFile({{23, "2X2"}, {43, "4.5"}});
        damaged.replace("2X2", QByteArray("2") + '\xFF' + '2');
        QVERIFY(writeBytes(f->lastInputPath(), damaged));
        QVERIFY(f->start());
        QCOMPARE(f->text("txtTTG"), QStringLiteral("2\uFFFD2"));
        f->type("txtBHC", QStringLiteral("4"));
        QVERIFY(f->restart());
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(readBytes(f->lastInputPath()), inputFile({{23, "2?2"}, {43, "4.5"}, {47, "4"}}));
        QCOMPARE(f->text("txtTTG"), QStringLiteral("2?2"));
        QCOMPARE(f->text("txtBHC"), QStringLiteral("4"));
    }

    void anUnwritableProgramFolderKeepsTheLastInputInThePerUserFolder() {
        f->folders.program = pathBelowAFile(f->root, "program");
        QVERIFY(f->start());
        f->type("txtJKJ", QStringLiteral("4.2"));
        QVERIFY(f->exit());
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(readBytes(f->userFile("Date.dat")), inputFile({{43, "4.2"}}));

        f->program.reset();
        QVERIFY(f->start());
        QCOMPARE(f->text("txtJKJ"), QStringLiteral("4.2"));
    }

    void aLastInputThatCannotBeWrittenAnywhereGetsAMessageNamingBothPlaces() {
        f->folders.program = pathBelowAFile(f->root, "program");
        f->folders.userData = pathBelowAFile(f->root, "user");
        QVERIFY(f->start());
        QVERIFY(f->exit());
        QVERIFY(!f->window().isVisible());
        QCOMPARE(f->prompter.messages.size(), std::size_t{2});
        const QString message = f->prompter.messages[1].text;
        QVERIFY(message.contains(QDir::toNativeSeparators(f->folders.program + QStringLiteral("/Date.dat"))));
        QVERIFY(
            message.contains(QDir::toNativeSeparators(f->folders.userData + QStringLiteral("/Date.dat"))));
        QCOMPARE(f->prompter.messages[1].title, QStringLiteral("Tavrel"));
    }

    // A full disk fails both places part way: the exit still tries the per-user folder after the
    // program's folder, the message gives both reasons, and each earlier file stays byte for byte.
    void aFullDiskAtExitTriesBothPlacesAndKeepsBothEarlierFiles() {
        QVERIFY(f->start());
        QVERIFY(f->exit());
        const QByteArray inProgramFolder = readBytes(f->lastInputPath());
        QVERIFY(QDir().mkpath(f->folders.userData));
        const QByteArray inUserFolder = inputFile({{8, "C40"}});
        QVERIFY(writeBytes(f->userFile("Date.dat"), inUserFolder));
        f->program.reset();
        QVERIFY(f->start());
        f->type("txtJKJ", QStringLiteral("4.2"));
        {
            TAVREL_SKIP_WITHOUT_FILE_SIZE_LIMIT();
            const FileSizeLimit fullDisk(kFullDiskBytes);
            QVERIFY(fullDisk.applied());
            QVERIFY(f->exit());
        }
        const QString failure = QStringLiteral("：写入文件失败（") + QString::fromUtf8(std::strerror(EFBIG)) +
                                QStringLiteral("）。原文件保持不变。");
        QCOMPARE(f->prompter.messages.back().text,
                 QStringLiteral("本次的输入未能保存，下次启动时将不会恢复。\n") +
                     QDir::toNativeSeparators(f->lastInputPath()) + failure + QLatin1Char('\n') +
                     QDir::toNativeSeparators(f->userFile("Date.dat")) + failure);
        QCOMPARE(readBytes(f->lastInputPath()), inProgramFolder);
        QCOMPARE(readBytes(f->userFile("Date.dat")), inUserFolder);
        QCOMPARE(folderEntries(f->folders.program), QStringList{"Date.dat"});
        QCOMPARE(folderEntries(f->folders.userData), QStringList{"Date.dat"});
    }

    // The more recently written file wins; one that cannot be opened gives way to the other. The
    // superuser may read any file, so there the rows with an unreadable file are skipped.
    void theMoreRecentlyWrittenOfTheTwoLastInputFilesThatOpensIsRestored_data() {
        QTest::addColumn<bool>("programFolderNewer");
        QTest::addColumn<bool>("newerOpens");
        QTest::addColumn<QString>("grade");
        QTest::newRow("program folder newer") << true << true << "C35";
        QTest::newRow("per-user folder newer") << false << true << "C40";
        QTest::newRow("program folder newer, unreadable") << true << false << "C40";
        QTest::newRow("per-user folder newer, unreadable") << false << false << "C35";
    }
    void theMoreRecentlyWrittenOfTheTwoLastInputFilesThatOpensIsRestored() {
        QFETCH(bool, programFolderNewer);
        QFETCH(bool, newerOpens);
        QFETCH(QString, grade);
        QVERIFY(QDir().mkpath(f->folders.userData));
        QVERIFY(writeBytes(f->lastInputPath(), inputFile({{8, "C35"}})));
        QVERIFY(writeBytes(f->userFile("date.dat"), inputFile({{8, "C40"}})));
        const QString newer = programFolderNewer ? f->lastInputPath() : f->userFile("date.dat");
        const QString older = programFolderNewer ? f->userFile("date.dat") : f->lastInputPath();
        setModified(older, QDateTime::currentDateTime().addDays(-1));
        if (!newerOpens) {
            QVERIFY(QFile::setPermissions(newer, QFileDevice::WriteOwner));
            if (QFile(newer).open(QIODevice::ReadOnly)) {
                QSKIP("this user may read any file");
            }
        }
        QVERIFY(f->start());
        QCOMPARE(f->listText("CboHNTDJ"), grade);
    }

    // A packaged program names no program folder: the exit writes the per-user folder, never a file
    // relative to the current folder, and the next start reads it back from there.
    void aPackagedProgramKeepsItsLastInputInThePerUserFolderOnly() {
        QVERIFY(f->start());
        const LastInputFile lastInput(QString(), f->folders.userData);
        QVERIFY(lastInput.write(f->window().designInput()).has_value());
        QCOMPARE(readBytes(f->userFile("Date.dat")), referenceBytes());
        QCOMPARE(lastInput.filesToRead(), QStringList{f->userFile("Date.dat")});
        QVERIFY(!QFileInfo::exists(f->lastInputPath()));
        QVERIFY(!QFileInfo::exists(QDir::current().filePath(QStringLiteral("Date.dat"))));
    }

    // The modal About dialog is the newest window when the session ends while it is open.
    void theEndOfTheSessionClosesAnOpenAboutDialog() {
        QVERIFY(f->start());
        const LastInputFile lastInput(f->folders.program, f->folders.userData);
        Lifecycle lifecycle(f->window(), f->prompter, lastInput);
        bool aboutWasOpen = false;
        bool closedByTheTest = false;
        QTimer::singleShot(0, this, [&] {
            aboutWasOpen = QApplication::activeModalWidget() != nullptr;
            lifecycle.endSession(false);
        });
        QTimer::singleShot(5000, this, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                closedByTheTest = true;
                dialog->reject();
            }
        });
        f->trigger("mnuHelpAbout");
        QVERIFY(aboutWasOpen);
        QVERIFY(!closedByTheTest);
        QCOMPARE(readBytes(f->lastInputPath()), referenceBytes());
    }

    // A shutdown that allows no question still keeps the input; one that allows it is cancelled by No.
    void theEndOfTheSessionAsksWhenItMayAndOtherwiseKeepsTheInput() {
        QVERIFY(f->start());
        const LastInputFile lastInput(f->folders.program, f->folders.userData);
        Lifecycle lifecycle(f->window(), f->prompter, lastInput);

        f->prompter.answers.push_back(ui::Answer::No);
        QVERIFY(!lifecycle.endSession(true));
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QVERIFY(!QFileInfo::exists(f->lastInputPath()));

        QVERIFY(lifecycle.endSession(false));
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(readBytes(f->lastInputPath()), referenceBytes());
        QVERIFY(lifecycle.closeRequested());
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
    }
};

QTEST_MAIN(LifecycleTest)
#include "lifecycle_test.moc"
