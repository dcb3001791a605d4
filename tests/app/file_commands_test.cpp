// The File menu's save, save as and open: dialogs, the replace and open questions, the caption and the
// current file name, and failures that must leave every file and the window as they were.
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

#include <cerrno>
#include <cstring>

#include "app_test_support.h"
#include "settings_shown.h"
#include "ui_test_support.h"

using namespace tavrel;
using namespace tavrel::app;
using namespace tavrel::app::test;
using tavrel::ui::test::k2004Pair;
using tavrel::ui::test::k2018Pair;
using tavrel::ui::test::SettingsShown;
using tavrel::ui::test::settingsShown;

Q_DECLARE_METATYPE(tavrel::ui::Answer)

namespace {

const QString kFilter = QStringLiteral("盖板计算文件(*.tvrl)");
const QString kOpenQuestion = QStringLiteral("所有计算结果和未保存数据将会丢失，要打开其它文件吗？");

// Paths in the caption and the messages are shown with the system's own separators.
QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString caption(const QString& path) {
    return QStringLiteral("TavrelV0.2  ") + shown(path);
}

// Lines 48 and 49 of a 2018 file, GBK with CR LF.
QByteArray editionLines(const char* edition, const char* safetyClass) {
    const std::string utf8 = std::string(edition) + std::string(20, ' ') + "设计规范\r\n" + safetyClass +
                             std::string(20, ' ') + "结构安全等级\r\n";
    return QByteArray::fromStdString(gbk::encode(utf8).value_or(""));
}

const char* const kResultWidgets[] = {"Label20", "Label21", "Label22", "Label23", "Label26", "Label27",
                                      "txtKZWJ", "txtZDJL", "txtWJKL", "txtJLKL", "txtWfk",  "txtWfk1"};
using ui::test::kVerdicts;

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ProgramFixture> f;
    QString designedCaption;

    // Saves to `path` through 保存 with no current file name; true when the file was written.
    bool saveAsNewFile(const QString& path) {
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileSave");
        return f->window().windowTitle() == caption(path);
    }

    // The window, caption and current file name as a failed or declined command must leave them.
    void verifyUnchanged(const QString& caption, const QString& fileName, const QString& jkj) {
        QCOMPARE(f->window().windowTitle(), caption);
        QCOMPARE(f->program->currentFileName(), fileName);
        QCOMPARE(f->text("txtJKJ"), jkj);
    }

  private slots:
    void init() {
        f = std::make_unique<ProgramFixture>();
        QVERIFY(f->start());
        designedCaption = f->window().windowTitle();
    }
    void cleanup() { f.reset(); }

    void saveWithoutANameShowsTheDialogWritesTheFileAndShowsItsPath() {
        const QString path = f->file("涵洞 1.tvrl");
        QVERIFY(saveAsNewFile(path));
        QCOMPARE(f->prompter.fileDialogs.size(), std::size_t{1});
        const auto& dialog = f->prompter.fileDialogs[0];
        QVERIFY(dialog.save);
        QCOMPARE(dialog.title, QStringLiteral("保存"));
        QCOMPARE(dialog.filter, kFilter);
        QCOMPARE(dialog.initialName, QString());
        QVERIFY(f->prompter.messages.empty());
        QCOMPARE(readBytes(path), referenceBytes());
        QCOMPARE(f->program->currentFileName(), path);
    }

    void aNameTypedWithoutTheExtensionIsUsedAsTheDialogReturnsIt() {
        const QString path = f->file("culvert");
        QVERIFY(saveAsNewFile(path));
        QCOMPARE(QDir(f->root.filePath("files")).entryList(QDir::Files), QStringList{"culvert"});
    }

    void aCancelledSaveDialogWritesNothing() {
        f->trigger("mnuFileSave");
        QCOMPARE(f->prompter.fileDialogs.size(), std::size_t{1});
        QVERIFY(QDir(f->root.filePath("files")).isEmpty());
        verifyUnchanged(designedCaption, QString(), QStringLiteral("3.5"));
    }

    void aSecondSaveAsksToReplaceTheSameFileAndYesRewritesIt() {
        const QString path = f->file("a.tvrl");
        QVERIFY(saveAsNewFile(path));
        f->type("txtJKJ", QStringLiteral("4"));
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->trigger("mnuFileSave");
        QCOMPARE(f->prompter.fileDialogs.size(), std::size_t{1});
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(f->prompter.messages[0].text, shown(path) + QStringLiteral("已存在，要替换它吗？"));
        QCOMPARE(f->prompter.messages[0].title, QStringLiteral("保存文件"));
        QCOMPARE(f->prompter.messages[0].buttons, ui::MessageButtons::YesNoCancel);
        QCOMPARE(readBytes(path), inputFile({{43, "4"}}));
    }

    void noToTheReplaceQuestionClearsTheNameAndShowsTheDialogAgain() {
        const QString first = f->file("a.tvrl");
        const QString second = f->file("b.tvrl");
        QVERIFY(saveAsNewFile(first));
        f->type("txtJKJ", QStringLiteral("4"));
        f->prompter.answers.push_back(ui::Answer::No);
        f->prompter.fileNames.push_back(second);
        f->trigger("mnuFileSave");
        QCOMPARE(f->prompter.fileDialogs.size(), std::size_t{2});
        QCOMPARE(f->prompter.fileDialogs[1].title, QStringLiteral("保存"));
        QCOMPARE(f->prompter.fileDialogs[1].initialName, QString());
        QCOMPARE(readBytes(first), referenceBytes());
        QCOMPARE(readBytes(second), inputFile({{43, "4"}}));
        verifyUnchanged(caption(second), second, QStringLiteral("4"));
    }

    // Cancel clears the name but not the caption, which changes only when something was saved or opened.
    void cancelToTheReplaceQuestionWritesNothingAndTheNextSaveShowsTheDialog() {
        const QString path = f->file("a.tvrl");
        QVERIFY(saveAsNewFile(path));
        f->type("txtJKJ", QStringLiteral("4"));
        f->prompter.answers.push_back(ui::Answer::Cancel);
        f->trigger("mnuFileSave");
        QCOMPARE(readBytes(path), referenceBytes());
        verifyUnchanged(caption(path), QString(), QStringLiteral("4"));

        f->trigger("mnuFileSave");
        QCOMPARE(f->prompter.fileDialogs.size(), std::size_t{2});
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
    }

    void saveAsAlwaysShowsItsDialogStartingAtTheCurrentName() {
        const QString first = f->file("a.tvrl");
        const QString second = f->file("b.tvrl");
        QVERIFY(saveAsNewFile(first));
        f->prompter.fileNames.push_back(second);
        f->trigger("mnuFileSaveAs");
        QCOMPARE(f->prompter.fileDialogs.size(), std::size_t{2});
        QCOMPARE(f->prompter.fileDialogs[1].title, QStringLiteral("另存为..."));
        QCOMPARE(f->prompter.fileDialogs[1].filter, kFilter);
        QCOMPARE(f->prompter.fileDialogs[1].initialName, first);
        QVERIFY(f->prompter.messages.empty());
        QCOMPARE(readBytes(second), referenceBytes());
        verifyUnchanged(caption(second), second, QStringLiteral("3.5"));
    }

    // Each target is one that even the superuser cannot write; the file saved before stays as it was.
    void aSaveThatCannotWriteKeepsTheOldFileTheNameAndTheCaption_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("target is a folder") << "folder"
                                            << "已有同名的文件夹";
        QTest::newRow("folder does not exist") << "missing/x.tvrl"
                                               << "文件夹不存在";
        QTest::newRow("folder is a file") << "plain.txt/x.tvrl"
                                          << "文件夹不存在";
        QTest::newRow("target is a pipe") << "pipe"
                                          << "同名的不是普通文件（设备、管道或符号链接），不能替换。";
    }
    void aSaveThatCannotWriteKeepsTheOldFileTheNameAndTheCaption() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        const QString saved = f->file("a.tvrl");
        QVERIFY(saveAsNewFile(saved));
        QVERIFY(QDir(f->root.filePath("files")).mkdir("folder"));
        QVERIFY(writeBytes(f->file("plain.txt"), "plain"));
#ifdef Q_OS_WIN
        if (target == QStringLiteral("pipe")) {
            QSKIP("Windows has no named pipes in the file system");
        }
#else
        QCOMPARE(::mkfifo(QFile::encodeName(f->file("pipe")).constData(), 0600), 0);
#endif
        const QString path = f->root.filePath(QStringLiteral("files/") + target);

        f->type("txtJKJ", QStringLiteral("4"));
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileSaveAs");
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        const ui::test::AskedMessage& message = f->prompter.messages[0];
        QCOMPARE(message.title, QStringLiteral("Tavrel"));
        QCOMPARE(message.buttons, ui::MessageButtons::Ok);
        QVERIFY2(message.text.contains(shown(path)) && message.text.contains(reason),
                 qPrintable(message.text));
        verifyUnchanged(caption(saved), saved, QStringLiteral("4"));
        QCOMPARE(readBytes(saved), referenceBytes());
        QCOMPARE(readBytes(f->file("plain.txt")), QByteArray("plain"));
        QVERIFY(QFileInfo(f->file("folder")).isDir());
#ifdef Q_OS_WIN
        const QStringList entries{"a.tvrl", "folder", "plain.txt"};
#else
        const QStringList entries{"a.tvrl", "folder", "pipe", "plain.txt"};
#endif
        QCOMPARE(folderEntries(f->root.filePath("files")), entries);
        QVERIFY(!QFileInfo(f->file("pipe")).isFile());
    }

    // A full disk fails the write part way; each old file stays byte for byte as it was, and the name,
    // the caption and the message say so.
    void aSaveOnAFullDiskKeepsEveryFileTheNameAndTheCaption_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("保存 over the current file") << "mnuFileSave"
                                                    << "a.tvrl" << true;
        QTest::newRow("另存为 over another file") << "mnuFileSaveAs"
                                                  << "b.tvrl" << true;
        QTest::newRow("另存为 to a new name") << "mnuFileSaveAs"
                                              << "c.tvrl" << false;
    }
    void aSaveOnAFullDiskKeepsEveryFileTheNameAndTheCaption() {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(bool, targetExists);
        const QString saved = f->file("a.tvrl");
        QVERIFY(saveAsNewFile(saved));
        const QByteArray other = inputFile({{43, "9"}});
        QVERIFY(writeBytes(f->file("b.tvrl"), other));
        const QString path = f->root.filePath(QStringLiteral("files/") + target);
        f->type("txtJKJ", QStringLiteral("4"));
        if (command == QStringLiteral("mnuFileSaveAs")) {
            f->prompter.fileNames.push_back(path);
        }
        if (targetExists) {
            f->prompter.answers.push_back(ui::Answer::Yes);
        }
        {
            TAVREL_SKIP_WITHOUT_FILE_SIZE_LIMIT();
            const FileSizeLimit fullDisk(kFullDiskBytes);
            QVERIFY(fullDisk.applied());
            f->trigger(command.toUtf8().constData());
        }
        const QString kept = targetExists ? QStringLiteral("原文件保持不变。") : QString();
        QCOMPARE(f->prompter.messages.size(), std::size_t{targetExists ? 2u : 1u});
        QCOMPARE(f->prompter.messages.back().text,
                 QStringLiteral("文件未能保存：") + shown(path) + QStringLiteral("\n写入文件失败（") +
                     QString::fromUtf8(std::strerror(EFBIG)) + QStringLiteral("）。") + kept);
        verifyUnchanged(caption(saved), saved, QStringLiteral("4"));
        QCOMPARE(readBytes(saved), referenceBytes());
        QCOMPARE(readBytes(f->file("b.tvrl")), other);
        QCOMPARE(folderEntries(f->root.filePath("files")), (QStringList{"a.tvrl", "b.tvrl"}));
    }

    // The link stays a link; the file it leads to gets the input and keeps who may read and write it.
    void aSaveOverALinkWritesItsFileAndKeepsThatFilesPermissions() {
#ifdef Q_OS_WIN
        QSKIP("on Windows QFile::link makes a shortcut (.lnk), not a symbolic link");
#endif
        const QString real = f->file("real.tvrl");
        const QString link = f->file("link.tvrl");
        QVERIFY(writeBytes(real, "old"));
        const auto ownerReadWriteGroupRead = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadUser | QFileDevice::WriteUser |
                                             QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(real, ownerReadWriteGroupRead));
        QVERIFY(QFile::link(real, link));
        f->type("txtJKJ", QStringLiteral("4"));
        f->prompter.fileNames.push_back(link);
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->trigger("mnuFileSaveAs");
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(real), inputFile({{43, "4"}}));
        QCOMPARE(QFileInfo(real).permissions(), ownerReadWriteGroupRead);
        QCOMPARE(f->window().windowTitle(), caption(link));
    }

    // Read-only by its permission bits: the superuser, who may write any file, leaves it alone too.
    void aReadOnlyFileIsNamedAsSuchAndStaysAsItWas() {
        const QString path = f->file("a.tvrl");
        QVERIFY(saveAsNewFile(path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        f->type("txtJKJ", QStringLiteral("4"));
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->trigger("mnuFileSave");
        QCOMPARE(f->prompter.messages.size(), std::size_t{2});
        QCOMPARE(f->prompter.messages[1].text, QStringLiteral("文件未能保存：") + shown(path) +
                                                   QStringLiteral("\n文件是只读的，不能替换。"));
        QCOMPARE(readBytes(path), referenceBytes());
        QCOMPARE(QDir(f->root.filePath("files")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"a.tvrl"});
    }

    void aTextTheFileCannotCarryIsRefusedNamingFieldAndCharacters_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("named");
        QTest::newRow("won sign") << QStringList{"txtJKJ"} << QStringList{"₩₩"} << "净跨径(m)：“₩”";
        QTest::newRow("emoji in a hidden field")
            << QStringList{"txtJBHZ"} << QStringList{"1😀"} << "均布荷载(KN/m)：“😀”";
        QTest::newRow("two fields in line order")
            << QStringList{"txtJKJ", "txtTTG"} << QStringList{"3😀₩😀", "😀"}
            << "填土高(m)：“😀”\n净跨径(m)：“😀₩”";
        QTest::newRow("line break") << QStringList{"txtBHC"} << QStringList{"3\n₩"}
                                    << "保护层厚度(cm)：“₩”、换行符";
    }
    void aTextTheFileCannotCarryIsRefusedNamingFieldAndCharacters() {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, typed);
        QFETCH(QString, named);
        const QString path = f->file("a.tvrl");
        QVERIFY(saveAsNewFile(path));
        for (qsizetype i = 0; i < fields.size(); ++i) {
            f->type(fields[i].toStdString(), typed[i]);
        }
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->trigger("mnuFileSave");
        QCOMPARE(f->prompter.messages.size(), std::size_t{2});
        QCOMPARE(f->prompter.messages[1].text,
                 QStringLiteral("文件未能保存：") + shown(path) +
                     QStringLiteral("\n以下输入含有不能以GBK编码保存的字符，请修改后再保存：\n") + named);
        QCOMPARE(readBytes(path), referenceBytes());
        QCOMPARE(f->window().windowTitle(), caption(path));
        QCOMPARE(f->program->currentFileName(), path);
        QCOMPARE(QDir(f->root.filePath("files")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"a.tvrl"});
    }

    void declinedOrCancelledOpenChangesNothing_data() {
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("No to the question") << ui::Answer::No << 0;
        QTest::newRow("cancelled dialog") << ui::Answer::Yes << 1;
    }
    void declinedOrCancelledOpenChangesNothing() {
        QFETCH(ui::Answer, answer);
        QFETCH(int, dialogs);
        const QString saved = f->file("a.tvrl");
        QVERIFY(saveAsNewFile(saved));
        QVERIFY(writeBytes(f->file("b.tvrl"), inputFile({{43, "4"}})));
        f->click("Command1");
        f->prompter.answers.push_back(answer);
        if (answer == ui::Answer::No) {
            f->prompter.fileNames.push_back(f->file("b.tvrl"));
        }
        f->trigger("mnuFileOpen");
        QCOMPARE(f->prompter.messages.back().text, kOpenQuestion);
        QCOMPARE(f->prompter.messages.back().title, QStringLiteral("打开..."));
        QCOMPARE(f->prompter.messages.back().buttons, ui::MessageButtons::YesNo);
        QCOMPARE(static_cast<int>(f->prompter.fileDialogs.size()), 1 + dialogs);
        verifyUnchanged(caption(saved), saved, QStringLiteral("3.5"));
        QVERIFY(f->get("Command2").isEnabled());
    }

    void openReadsTheFileShowsItsPathAndGreysTheResults() {
        const QString path = sourcePath("tests/data/open_c40_edited_headings.tvrl");
        f->click("Command1");
        QVERIFY(f->get("Command2").isEnabled());
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        QCOMPARE(f->prompter.fileDialogs[0].title, QStringLiteral("打开..."));
        QCOMPARE(f->prompter.fileDialogs[0].filter, kFilter);
        QVERIFY(!f->prompter.fileDialogs[0].save);
        QCOMPARE(f->window().windowTitle(), caption(path));
        QCOMPARE(f->program->currentFileName(), path);
        QVERIFY(f->get<QRadioButton>("Option2").isChecked());
        QCOMPARE(f->text("txtHNTKY"), QStringLiteral("20.5"));
        QCOMPARE(f->text("txtBDH"), QStringLiteral("40"));
        QVERIFY(!f->get("Command2").isEnabled());
        for (const char* name : kResultWidgets) {
            QVERIFY2(!f->get(name).isEnabled(), name);
        }
        for (const char* name : kVerdicts) {
            QVERIFY2(f->get(name).isHidden(), name);
        }
    }

    // The results stay as numbers, only greyed: the input they came from is no longer on the window.
    void openKeepsTheSlabTypeAndStillGreysTheResults() {
        const QString path = f->file("b.tvrl");
        QVERIFY(writeBytes(path, inputFile({{43, "4"}}, 50)));
        f->click("Command1");
        const QString moment = f->text("txtKZWJ");
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        QCOMPARE(f->text("txtJKJ"), QStringLiteral("4"));
        QCOMPARE(f->text("txtKZWJ"), moment);
        QVERIFY(!f->get("txtKZWJ").isEnabled());
        QVERIFY(f->get("Label33").isHidden());
        QCOMPARE(f->window().windowTitle(), caption(path));
    }

    void anOpenThatCannotReadTheWholeFileSaysWhyAndChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ends before line 47") << "short.tvrl" << inputFile({{43, "4"}}, 46) << "不足47行";
        QTest::newRow("does not exist") << "missing.tvrl" << QByteArray() << "无法打开";
        QTest::newRow("is a folder") << "folder.tvrl" << QByteArray() << "无法打开";
        QTest::newRow("line 43 runs past a mebibyte")
            << "huge.tvrl" << inputFile({{43, QStringLiteral("3.5") + QString(1 << 20, QLatin1Char(' '))}})
            << "文件过大，不是盖板计算文件";
    }
    void anOpenThatCannotReadTheWholeFileSaysWhyAndChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = f->root.filePath(QStringLiteral("files/") + name);
        if (!bytes.isEmpty()) {
            QVERIFY(writeBytes(path, bytes));
        } else if (name == QStringLiteral("folder.tvrl")) {
            QVERIFY(QDir().mkpath(path));
        }
        f->click("Command1");
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        QCOMPARE(f->prompter.messages.size(), std::size_t{2});
        QCOMPARE(f->prompter.messages[1].title, QStringLiteral("Tavrel"));
        QVERIFY(f->prompter.messages[1].text.contains(shown(path)));
        QVERIFY(f->prompter.messages[1].text.contains(reason));
        verifyUnchanged(designedCaption, QString(), QStringLiteral("3.5"));
        QVERIFY(f->get("Command2").isEnabled());
        QVERIFY(f->get("Label33").isVisible());
    }

    void aSavedFileOpensToTheSameRecordAndSavesToTheSameBytes() {
        f->click("Option3");
        f->type("txtJZL", QStringLiteral("30"));
        f->choose("CboZJZJ", QStringLiteral("16"));
        const QString path = f->file("a.tvrl");
        QVERIFY(saveAsNewFile(path));
        const QByteArray saved = readBytes(path);

        f->click("Option1");
        f->type("txtJZL", QStringLiteral("1"));
        f->prompter.answers = {ui::Answer::Yes};
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        QVERIFY(f->get<QRadioButton>("Option3").isChecked());
        QCOMPARE(f->text("txtJZL"), QStringLiteral("30"));

        f->prompter.answers = {ui::Answer::Yes};
        f->trigger("mnuFileSave");
        QCOMPARE(readBytes(path), saved);
    }

    // The edition comes first: the lists are refilled before lines 8, 13 and 20 select their entries.
    void a2018FileOpensWithItsListsAndSavesBackToTheSameBytes() {
        const QString path = f->file("2018.tvrl");
        const QByteArray bytes = inputFile({{13, "HPB300"}, {14, "20"}}) + editionLines("2018", "1");
        QVERIFY(writeBytes(path, bytes));
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        QCOMPARE(f->prompter.messageTexts(), QStringList{kOpenQuestion});
        QCOMPARE(f->listText("CboZJDJ"), QStringLiteral("HPB300"));
        QCOMPARE(f->get<QComboBox>("CboHJLB").count(), 7);
        QCOMPARE(f->window().designInput().edition, Edition::Jtg2018);
        QCOMPARE(f->window().designInput().safetyClass, SafetyClass::First);
        QCOMPARE(settingsShown(f->window()), (SettingsShown{"mnuCode2018", "mnuSafety1", true, k2018Pair}));

        f->prompter.answers = {ui::Answer::Yes};
        f->trigger("mnuFileSave");
        QCOMPARE(readBytes(path), bytes);
    }

    // A 2004 file opened under the 2018 pair in 三级: the state after opening depends on the file alone,
    // so the 2004 pair with its lists, and the safety class back at 二级, greyed; the results are gone.
    void a2004FileOpenedUnderThe2018PairReturnsToThe2004PairAndClass() {
        f->trigger("mnuCode2018");
        f->trigger("mnuSafety3");
        f->click("Command1");
        QVERIFY(f->get("Command2").isEnabled());
        const QString path = f->file("2004.tvrl");
        QVERIFY(writeBytes(path, inputFile({{8, "C20"}, {13, "KL400"}})));
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        QCOMPARE(f->prompter.messageTexts(), QStringList{kOpenQuestion});
        QCOMPARE(f->window().designInput().edition, Edition::Jtg2004);
        QCOMPARE(f->window().designInput().safetyClass, SafetyClass::Second);
        QCOMPARE(settingsShown(f->window()), (SettingsShown{"mnuCode2004", "mnuSafety2", false, k2004Pair}));
        QCOMPARE(f->listText("CboHNTDJ"), QStringLiteral("C20"));
        QCOMPARE(f->listText("CboZJDJ"), QStringLiteral("KL400"));
        QCOMPARE(f->get<QComboBox>("CboHJLB").count(), 4);
        QVERIFY(f->text("txtKZWJ").isEmpty());
        QVERIFY(!f->get("Command2").isEnabled());
    }

    // Line 49 counts only with line 48's 2018: an unknown class is read as 二级 and said once the whole
    // file has been applied.
    void anUnrecognisedSafetyClassMarkIsSaidOnceTheFileHasBeenApplied() {
        const QString path = f->file("class7.tvrl");
        QVERIFY(writeBytes(path, inputFile({{43, "4"}}) + editionLines("2018", "7")));
        QStringList seen;
        SettingsShown shownWhileSaid{};
        f->prompter.onMessage = [&](const ui::test::AskedMessage& asked) {
            seen << asked.text + " | " + f->text("txtJKJ");
            shownWhileSaid = settingsShown(f->window());
        };
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        QCOMPARE(seen, (QStringList{kOpenQuestion + " | 3.5",
                                    "文件中的结构安全等级标记“7”不能识别，已按二级读入。 | 4"}));
        QCOMPARE(f->prompter.messages.back().title, QStringLiteral("Tavrel"));
        QCOMPARE(f->prompter.messages.back().buttons, ui::MessageButtons::Ok);
        QCOMPARE(shownWhileSaid, (SettingsShown{"mnuCode2018", "mnuSafety2", true, k2018Pair}));
    }

    void anUnrecognisedEditionMarkIsSaidOnceTheFileHasBeenApplied() {
        const QString path = f->file("later.tvrl");
        QVERIFY(writeBytes(path, inputFile({{43, "4"}}) + editionLines("2024", "1")));
        QStringList seen;
        f->prompter.onMessage = [&](const ui::test::AskedMessage& asked) {
            seen << asked.text + " | " + f->text("txtJKJ");
        };
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        QCOMPARE(seen, (QStringList{
                           kOpenQuestion + " | 3.5",
                           "文件中的设计规范标记“2024”不能识别，已按JTG D60-2004、JTG D62-2004读入。 | 4"}));
        QCOMPARE(f->prompter.messages.back().title, QStringLiteral("Tavrel"));
        QCOMPARE(f->prompter.messages.back().buttons, ui::MessageButtons::Ok);
        QCOMPARE(f->window().designInput().edition, Edition::Jtg2004);
        QCOMPARE(settingsShown(f->window()), (SettingsShown{"mnuCode2004", "mnuSafety2", false, k2004Pair}));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
