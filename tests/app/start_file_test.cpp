// A file given on the command line, as the menu entry passes a .tvrl file opened from the desktop: found
// among the arguments, and opened at start as 打开 opens it, without its question.
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app_test_support.h"

using namespace tavrel;
using namespace tavrel::app;
using namespace tavrel::app::test;

class StartFileTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ProgramFixture> f;
    QString designedCaption;

    // What 打开 says about `path` once its dialog has returned it.
    ui::test::AskedMessage openCommandMessage(const QString& path) {
        const std::size_t before = f->prompter.messages.size();
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        return f->prompter.messages.size() == before + 2 ? f->prompter.messages.back()
                                                         : ui::test::AskedMessage{};
    }

  private slots:
    void init() {
        f = std::make_unique<ProgramFixture>();
        QVERIFY(f->start());
        designedCaption = f->window().windowTitle();
    }
    void cleanup() { f.reset(); }

    void theFileIsTheFirstArgumentThatIsNoOption_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");  // empty for none
        const QString here = QDir::currentPath() + QLatin1Char('/');
        const QString root = QDir::rootPath();  // "/", or a drive such as "C:/"
        QTest::newRow("no argument") << QStringList{"tavrel"} << QString();
        QTest::newRow("absolute path")
            << QStringList{"tavrel", root + "data/盖板 K12.tvrl"} << root + "data/盖板 K12.tvrl";
        QTest::newRow("relative path") << QStringList{"tavrel", "a/b.tvrl"} << here + "a/b.tvrl";
        QTest::newRow("options passed over")
            << QStringList{"tavrel", "--reverse", "b.tvrl"} << here + "b.tvrl";
        QTest::newRow("only options") << QStringList{"tavrel", "--reverse"} << QString();
        QTest::newRow("a dash name after --") << QStringList{"tavrel", "--", "-b.tvrl"} << here + "-b.tvrl";
        QTest::newRow("the first of two")
            << QStringList{"tavrel", root + "a.tvrl", root + "b.tvrl"} << root + "a.tvrl";
    }
    void theFileIsTheFirstArgumentThatIsNoOption() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QCOMPARE(fileToOpen(arguments).value_or(QString()), file);
    }

    // The last input lives beside a program run from its own folder, and in the per-user folder only for
    // an installed one: packaged (diagrams from ../share/tavrel) or put there by the Windows installer.
    void onlyAProgramRunFromItsOwnFolderKeepsItsLastInputBesideItself_data() {
        QTest::addColumn<QString>("figures");        // below the temporary root
        QTest::addColumn<QString>("besideProgram");  // a file beside the executable, or empty
        QTest::addColumn<bool>("keptBeside");
        QTest::newRow("build tree or copied folder") << "bin/计算书图例" << QString() << true;
        QTest::newRow("packaged") << "share/tavrel/计算书图例" << QString() << false;
        QTest::newRow("Windows installer") << "bin/计算书图例"
                                           << "uninstall.exe" << false;
    }
    void onlyAProgramRunFromItsOwnFolderKeepsItsLastInputBesideItself() {
        QFETCH(QString, figures);
        QFETCH(QString, besideProgram);
        QFETCH(bool, keptBeside);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")) && QDir(root.path()).mkpath(figures));
        const QString bin = root.filePath(QStringLiteral("bin"));
        if (!besideProgram.isEmpty()) {
            QVERIFY(writeBytes(QDir(bin).filePath(besideProgram), "MZ"));
        }
        const ProgramFolders folders = ProgramFolders::ofProgramIn(bin.toStdString());
        QCOMPARE(folders.program, keptBeside ? bin : QString());
        QCOMPARE(folders.figures, QDir::cleanPath(root.filePath(figures)));
    }

    void aGivenFileOpensWithoutTheQuestion() {
        const QString path = sourcePath("tests/data/open_c40_edited_headings.tvrl");
        f->program->openGivenFile(path);
        QVERIFY(f->prompter.messages.empty());
        QVERIFY(f->prompter.fileDialogs.empty());
        QCOMPARE(f->window().windowTitle(), fileCaption(path));
        QCOMPARE(f->program->currentFileName(), path);
        QVERIFY(f->get<QRadioButton>("Option2").isChecked());
        QCOMPARE(f->text("txtHNTKY"), QStringLiteral("20.5"));
        QVERIFY(!f->get("Command2").isEnabled());
    }

    void aGivenFileThatCannotBeReadGetsTheMessageOfTheOpenCommandAndChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // empty: no such file
        QTest::newRow("ends before line 47") << "short.tvrl" << inputFile({{43, "4"}}, 46);
        QTest::newRow("does not exist") << "missing.tvrl" << QByteArray();
    }
    void aGivenFileThatCannotBeReadGetsTheMessageOfTheOpenCommandAndChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString path = f->file(name.toUtf8().constData());
        if (!bytes.isEmpty()) {
            QVERIFY(writeBytes(path, bytes));
        }
        f->program->openGivenFile(path);
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        const ui::test::AskedMessage given = f->prompter.messages[0];
        QCOMPARE(f->window().windowTitle(), designedCaption);
        QVERIFY(f->program->currentFileName().isEmpty());
        QCOMPARE(f->text("txtJKJ"), QStringLiteral("3.5"));

        const ui::test::AskedMessage opened = openCommandMessage(path);
        QVERIFY(!opened.text.isEmpty());
        QCOMPARE(given.text, opened.text);
        QCOMPARE(given.title, opened.title);
        QCOMPARE(given.buttons, opened.buttons);
    }

    void theExitAfterAGivenFileWritesItsInputAsTheLastInput() {
        const QByteArray bytes = inputFile({{43, "4"}});
        const QString path = f->file("b.tvrl");
        QVERIFY(writeBytes(path, bytes));
        f->program->openGivenFile(path);
        QVERIFY(f->exit());
        QCOMPARE(readBytes(f->lastInputPath()), bytes);
    }
};

QTEST_MAIN(StartFileTest)
#include "start_file_test.moc"
