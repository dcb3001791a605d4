// The report button: every click a new report file in the report folder, opened with the desktop, and
// one message with the reason and the path when the file cannot be written or opened.
#include <QFileInfo>
#include <QTest>

#include "app_test_support.h"

using namespace tavrel;
using namespace tavrel::app;
using namespace tavrel::app::test;

class ReportCommandTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ProgramFixture> f;

    void startAndCalculate() {
        QVERIFY(f->start());
        f->click("Command1");
        QVERIFY(f->get("Command2").isEnabled());
        QVERIFY(f->prompter.messages.empty());
    }

  private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void eachClickWritesANewReportAndOpensIt() {
        startAndCalculate();
        f->click("Command2");
        f->click("Command2");
        QVERIFY(f->prompter.messages.empty());
        QCOMPARE(f->prompter.openedDocuments.size(), std::size_t{2});
        const QString first = f->prompter.openedDocuments[0];
        const QString second = f->prompter.openedDocuments[1];
        QVERIFY(first != second);
        for (const QString& path : {first, second}) {
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(f->folders.reports).absoluteFilePath());
            QVERIFY(path.endsWith(QStringLiteral(".docx")));
            QVERIFY(readBytes(path).startsWith("PK"));
        }
        QCOMPARE(QDir(f->folders.reports).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QVERIFY(f->get("Command2").isEnabled());
    }

    void aReportNothingCanOpenGetsOneMessageNamingItsPath() {
        startAndCalculate();
        f->prompter.documentOpens = false;
        f->click("Command2");
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        const ui::test::AskedMessage& message = f->prompter.messages[0];
        QCOMPARE(message.title, QStringLiteral("Tavrel"));
        QCOMPARE(message.buttons, ui::MessageButtons::Ok);
        QCOMPARE(f->prompter.openedDocuments.size(), std::size_t{1});
        QVERIFY(message.text.contains(f->prompter.openedDocuments[0]));
        QVERIFY(QFileInfo(f->prompter.openedDocuments[0]).isFile());
    }

    void anUnwritableReportFolderGetsOneMessageAndLeavesTheWindowAsItWas() {
        const QString blocker = f->root.filePath("blocker");
        QVERIFY(writeBytes(blocker, "not a folder"));
        f->folders.reports = blocker + QStringLiteral("/reports");
        startAndCalculate();
        const QString moment = f->text("txtKZWJ");
        f->click("Command2");
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(f->prompter.messages[0].title, QStringLiteral("Tavrel"));
        QVERIFY(f->prompter.messages[0].text.contains(f->folders.reports));
        QVERIFY(f->prompter.openedDocuments.empty());
        QCOMPARE(readBytes(blocker), QByteArray("not a folder"));
        QCOMPARE(f->text("txtKZWJ"), moment);
        QVERIFY(f->get("Command2").isEnabled());
    }
};

QTEST_MAIN(ReportCommandTest)
#include "report_command_test.moc"
